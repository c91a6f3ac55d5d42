#include "gui/internal/FittedText.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace gui {

namespace {

// A tooltip holds the whole text of any text a person could read in one.
constexpr qsizetype kTipCharacters = 2000;

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

QRect LabelRoom(const QLabel& label) {
    const int margin = label.margin();
    return label.contentsRect().adjusted(margin, margin, -margin, -margin);
}

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

}  // namespace gui
