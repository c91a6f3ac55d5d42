#include "support/Shown.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>
#include <vector>

#include "gui/internal/ControlImpl.h"
#include "gui/internal/FieldWidget.h"
#include "support/PaintRecorder.h"

ShownText Shown(const gui::RectControl& control) {
    QWidget* widget = gui::WidgetOf(control);
    QRect room = widget->rect();
    if (const auto* field = dynamic_cast<const gui::FieldWidget*>(widget))
        room = field->TextRoom();
    else if (const auto* label = dynamic_cast<const QLabel*>(widget))
        room = gui::LabelRoom(*label);

    PaintRecorder recorder(widget->size());
    widget->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());

    std::vector<PaintRecorder::Run> runs = recorder.Runs();
    std::stable_sort(runs.begin(), runs.end(),
                     [](const auto& a, const auto& b) { return a.origin.x() < b.origin.x(); });
    ShownText shown;
    shown.whole = true;
    QString text;
    bool first = true;
    const qreal left = room.x() - 0.5, right = room.x() + room.width() + 0.5;
    for (const PaintRecorder::Run& run : runs) {
        shown.longestRun = std::max<long long>(shown.longestRun, run.text.size());
        shown.handed += run.text.size();
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
