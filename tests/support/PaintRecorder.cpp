#include "support/PaintRecorder.h"

#include <QTransform>
#include <climits>

int PaintRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return size_.width() * 254 / 960;
        case PdmHeightMM:
            return size_.height() * 254 / 960;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

void PaintRecorder::Engine::drawLines(const QLineF* drawn, int count) {
    for (int i = 0; i < count; ++i) lines.push_back(state->transform().map(drawn[i]));
}

void PaintRecorder::Engine::drawTextItem(const QPointF& p, const QTextItem& item) {
    runs.push_back({state->transform().map(p), item.text(), item.font()});
}
