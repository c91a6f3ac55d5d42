#include "gui/internal/TextFitting.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <algorithm>
#include <climits>
#include <vector>

#include "gui/internal/ControlImpl.h"

namespace gui {

namespace {

// No control is wide enough to show more characters than this; drawing only them keeps a paint's cost the
// same for a text of any length (a pasted text of millions of characters included).
constexpr qsizetype kDrawnCharacters = 200;
// Up to this length Qt's own line edit draws the text while the user types in it; beyond, its shaping of
// the whole text on every repaint and cursor blink would freeze the window.
constexpr qsizetype kEditedCharacters = 4096;
// A tooltip holds the whole text of any text a person could read in one.
constexpr qsizetype kTipCharacters = 2000;
// Qt's line edit keeps this many pixels between its content rectangle and the text on either side.
constexpr int kLineEditMargin = 2;

const QChar kEllipsis(0x2026);

// The fonts tried in turn: narrower letters first, which keep the height, then a little smaller. The
// last is still readable: three quarters of the width at about five sixths of the size.
struct Narrowing {
    int stretch;
    double size;
};
constexpr Narrowing kNarrowings[] = {{100, 1.0}, {88, 1.0}, {75, 1.0}, {75, 0.92}, {75, 0.85}};

QFont Narrowed(const QFont& base, const Narrowing& step) {
    QFont font = base;
    if (step.stretch != 100) font.setStretch(step.stretch);
    if (step.size != 1.0) {
        if (base.pixelSize() > 0)
            font.setPixelSize(std::max(1, static_cast<int>(base.pixelSize() * step.size + 0.5)));
        else
            font.setPointSizeF(base.pointSizeF() * step.size);
    }
    return font;
}

// The first `count` characters of `text`, never ending inside a surrogate pair.
QString Beginning(const QString& text, qsizetype count) {
    if (count >= text.size()) return text;
    if (count > 0 && text.at(count - 1).isHighSurrogate()) --count;
    return text.left(count);
}

QString TipText(const QString& whole) {
    if (whole.size() <= kTipCharacters) return whole;
    return Beginning(whole, kTipCharacters) + kEllipsis;
}

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

FittedText FitText(const QString& whole, const QFont& base, qreal room) {
    const bool longer = whole.size() > kDrawnCharacters;
    const QString drawn = Beginning(whole, kDrawnCharacters);
    QFont font = base;
    for (const Narrowing& step : kNarrowings) {
        font = Narrowed(base, step);
        if (longer) continue;
        const qreal width = QFontMetricsF(font).horizontalAdvance(drawn);
        if (width <= room) return {drawn, font, false, width};
    }
    // Even the narrowest font can't hold it: as many leading characters as fit beside the mark.
    const QFontMetricsF metrics(font);
    qsizetype low = 0, high = drawn.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(Beginning(drawn, mid) + kEllipsis) <= room)
            low = mid;
        else
            high = mid - 1;
    }
    const QString shown = Beginning(drawn, low) + kEllipsis;
    return {shown, font, true, metrics.horizontalAdvance(shown)};
}

bool ShowWholeTextTip(QWidget& widget, QEvent* event, const FittedText& fitted, const QString& whole) {
    if (event->type() != QEvent::ToolTip || !widget.toolTip().isEmpty() || !fitted.cut) return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), TipText(whole), &widget);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

FieldWidget::FieldWidget(QWidget* parent) : QLineEdit(parent) {}

void FieldWidget::SetProgramText(const QString& text) {
    const bool typed = !programText_;
    programText_ = true;
    setText(text);
    // An unchanged text raises no repaint of its own, yet a focused field the user typed in may now show it
    // from its beginning. A field that shows the program's text already shows an unchanged one as it is.
    if (typed) update();
}

QRect FieldWidget::TextRoom() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    return contents.adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
}

bool FieldWidget::DrawsOwnText() const {
    if (echoMode() != QLineEdit::Normal) return false;
    const QString shown = text();
    if (shown.isEmpty()) return false;
    if (shown.size() > kEditedCharacters || !hasFocus()) return true;
    // Focused, but the text came from the program: Qt's view would show its end if it doesn't fit.
    if (!programText_) return false;
    const FittedText& fitted = Fitted();
    return fitted.cut || fitted.font != font();
}

const FittedText& FieldWidget::Fitted() const {
    const QString whole = text();
    const QFont base = font();
    const int room = TextRoom().width();
    if (room != fitting_.room || base != fitting_.base || whole != fitting_.whole) {
        fitting_ = Fitting{whole, base, room, FitText(whole, base, room)};
    }
    return fitting_.fitted;
}

bool FieldWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && DrawsOwnText()) {
        if (ShowWholeTextTip(*this, event, Fitted(), text())) return true;
    }
    return QLineEdit::event(event);
}

void FieldWidget::paintEvent(QPaintEvent* event) {
    if (!DrawsOwnText()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect room = TextRoom();
    const FittedText& fitted = Fitted();
    // Placed where Qt's line edit places an unscrolled line, so that a text looks the same whether the
    // field draws it or Qt does while the user types.
    const QFontMetrics metrics(fitted.font);
    const int used = qRound(fitted.width) + 1;
    int scroll = 0;
    if (!fitted.cut && used <= room.width()) {
        const Qt::Alignment horizontal =
            QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignHorizontal_Mask;
        if (horizontal & Qt::AlignRight) scroll = used - room.width() + 1;
        if (horizontal & Qt::AlignHCenter) scroll = (used - room.width()) / 2;
    }
    const int top = room.y() + (room.height() - metrics.height() + 1) / 2;
    painter.setFont(fitted.font);
    painter.setPen(palette().color(QPalette::Text));
    painter.setClipRect(room);
    painter.drawText(QPointF(room.x() - scroll, top + metrics.ascent()), fitted.text);
}

void FieldWidget::keyPressEvent(QKeyEvent* event) {
    programText_ = false;
    QLineEdit::keyPressEvent(event);
}

void FieldWidget::mousePressEvent(QMouseEvent* event) {
    programText_ = false;
    QLineEdit::mousePressEvent(event);
}

void FieldWidget::inputMethodEvent(QInputMethodEvent* event) {
    programText_ = false;
    QLineEdit::inputMethodEvent(event);
}

// ---------------------------------------------------------------------------------------------------------

namespace {

QRect LabelRoom(const QLabel& label) {
    const int margin = label.margin();
    return label.contentsRect().adjusted(margin, margin, -margin, -margin);
}

}  // namespace

FittedText FitLabelText(const QLabel& label) {
    if (label.wordWrap()) return {label.text(), label.font(), false};
    return FitText(label.text(), label.font(), LabelRoom(label).width());
}

bool PaintFittedLabel(QLabel& label) {
    const FittedText fitted = FitLabelText(label);
    if (!fitted.cut && fitted.font == label.font()) return false;
    const QRect room = LabelRoom(label);
    QPainter painter(&label);
    painter.setFont(fitted.font);
    const Qt::Alignment alignment =
        fitted.cut ? (label.alignment() & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft : label.alignment();
    label.style()->drawItemText(&painter, room, static_cast<int>(alignment | Qt::TextSingleLine),
                                label.palette(), label.isEnabled(), fitted.text, label.foregroundRole());
    return true;
}

// ---------------------------------------------------------------------------------------------------------

ShownText Shown(const RectControl& control) {
    QWidget* widget = WidgetOf(control);
    QRect room = widget->rect();
    if (const auto* field = dynamic_cast<const FieldWidget*>(widget))
        room = field->TextRoom();
    else if (const auto* label = dynamic_cast<const QLabel*>(widget))
        room = LabelRoom(*label);

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

}  // namespace gui
