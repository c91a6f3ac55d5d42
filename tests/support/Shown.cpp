#include "support/Shown.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <vector>

#include "gui/internal/ControlImpl.h"
#include "gui/internal/FieldWidget.h"

namespace {

// Draws nothing, and keeps every text run with where it starts on the device and in which font.
class TextRecorder final : public QPaintDevice {
  public:
    struct Run {
        QPointF origin;
        QString text;
        QFont font;
    };

    explicit TextRecorder(QSize size) : size_(size) {}
    ~TextRecorder() override = default;

    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<Run>& Runs() const { return engine_.runs; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
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

  private:
    class Engine final : public QPaintEngine {
      public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            runs.push_back({state->transform().map(p), item.text(), item.font()});
        }
        Type type() const override { return QPaintEngine::User; }

        std::vector<Run> runs;
    };

    QSize size_;
    mutable Engine engine_;
};

}  // namespace

ShownText Shown(const gui::RectControl& control) {
    QWidget* widget = gui::WidgetOf(control);
    QRect room = widget->rect();
    if (const auto* field = dynamic_cast<const gui::FieldWidget*>(widget))
        room = field->TextRoom();
    else if (const auto* label = dynamic_cast<const QLabel*>(widget))
        room = gui::LabelRoom(*label);

    TextRecorder recorder(widget->size());
    widget->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());

    std::vector<TextRecorder::Run> runs = recorder.Runs();
    std::stable_sort(runs.begin(), runs.end(),
                     [](const auto& a, const auto& b) { return a.origin.x() < b.origin.x(); });
    ShownText shown;
    shown.whole = true;
    QString text;
    bool first = true;
    const qreal left = room.x() - 0.5, right = room.x() + room.width() + 0.5;
    for (const TextRecorder::Run& run : runs) {
        shown.longestRun = std::max<long long>(shown.longestRun, run.text.size());
        const QFontMetricsF metrics(run.font);
        qreal x = run.origin.x();
        for (qsizetype i = 0; i < run.text.size(); ++i) {
            const qsizetype length = run.text.at(i).isHighSurrogate() && i + 1 < run.text.size() ? 2 : 1;
            const QString character = run.text.mid(i, length);
            const qreal end = x + metrics.horizontalAdvance(character);
            if (x >= left && end <= right) {
                text += character;
                if (first) {
                    shown.pixelSize = QFontInfo(run.font).pixelSize();
                    shown.stretch = run.font.stretch() == 0 ? 100 : run.font.stretch();
                    first = false;
                }
            } else {
                shown.whole = false;
            }
            x = end;
            i += length - 1;
        }
    }
    shown.text = text.toStdString();
    return shown;
}
