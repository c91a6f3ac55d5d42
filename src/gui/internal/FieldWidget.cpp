#include "gui/internal/FieldWidget.h"

#include <QEvent>
#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>

namespace gui {

namespace {

// Up to this length Qt's own line edit draws the text while the user types in it; beyond, its shaping of
// the whole text on every repaint and cursor blink would freeze the window.
constexpr qsizetype kEditedCharacters = 4096;
// Qt's line edit keeps this many pixels between its content rectangle and the text on either side.
constexpr int kLineEditMargin = 2;
// How far in from a borderless field's edges its focus frame may reach: styles draw theirs on the outermost
// pixel or the one inside it.
constexpr int kFocusEdge = 2;

}  // namespace

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

int FieldWidget::LineTop(const QRect& room, const QFontMetrics& metrics) {
    return room.y() + (room.height() - metrics.height() + 1) / 2;
}

bool FieldWidget::DrawsOwnText(const QRect& room) const {
    if (echoMode() != QLineEdit::Normal) return false;
    const QString shown = text();
    if (shown.isEmpty()) return false;
    if (shown.size() > kEditedCharacters || !hasFocus()) return true;
    // Focused, but the text came from the program: Qt's view would show its end if it doesn't fit.
    if (!programText_) return false;
    const FittedText& fitted = Fitted(room);
    return fitted.cut || fitted.font != font();
}

const FittedText& FieldWidget::Fitted(const QRect& room) const {
    const QString whole = text();
    const QFont base = font();
    const int width = room.width();
    if (width != fitting_.room || base != fitting_.base || whole != fitting_.whole) {
        fitting_ = Fitting{whole, base, width, FitText(whole, base, width)};
    }
    return fitting_.fitted;
}

bool FieldWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const QRect room = TextRoom();
        if (DrawsOwnText(room) && ShowWholeTextTip(*this, event, Fitted(room), text())) return true;
    }
    return QLineEdit::event(event);
}

void FieldWidget::paintEvent(QPaintEvent* event) {
    const QRect room = TextRoom();
    if (DrawsOwnText(room))
        PaintOwnText(room);
    else
        QLineEdit::paintEvent(event);
    if (hasFocus() && !hasFrame()) PaintFocusFrame(room);
}

void FieldWidget::PaintOwnText(const QRect& room) {
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const FittedText& fitted = Fitted(room);
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
    const int top = LineTop(room, metrics);
    painter.setFont(fitted.font);
    painter.setPen(palette().color(QPalette::Text));
    painter.setClipRect(room);
    painter.drawText(QPointF(room.x() - scroll, top + metrics.ascent()), fitted.text);
}

void FieldWidget::PaintFocusFrame(const QRect& room) {
    // The style's own focus frame, kept to the field's edges and off its line of text (no font drawn here is
    // taller than the field's own), so the text neither moves nor hides beneath it.
    const QFontMetrics metrics(font());
    const QRect line(room.x(), LineTop(room, metrics), room.width(), metrics.height());
    const QRegion edges =
        QRegion(rect()) -
        QRegion(rect().marginsRemoved(QMargins(kFocusEdge, kFocusEdge, kFocusEdge, kFocusEdge)));
    QPainter painter(this);
    painter.setClipRegion(edges - QRegion(line));
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
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

}  // namespace gui
