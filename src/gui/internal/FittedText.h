#pragma once

// Only for gui/ and its tests: how fields and labels fit a text into the room their layout gives them.

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

namespace gui {

// A text as a control draws it: whole, or its beginning with an ellipsis when even the narrowest readable
// font can't hold it all.
struct FittedText {
    QString text;
    QFont font;
    bool cut = false;
    // How far `text` advances in `font`.
    qreal width = 0;
};

// No control is wide enough to show more characters than this; drawing only them keeps a paint's cost the
// same for a text of any length (a pasted text of millions of characters included).
constexpr qsizetype kDrawnCharacters = 200;

// Fits `whole` into `room` pixels: the control's own font first, then narrower letters and a slightly
// smaller size, never below a readable size. Only a bounded beginning of the text is ever measured, so the
// cost doesn't grow with the text.
FittedText FitText(const QString& whole, const QFont& base, qreal room);

// The rectangle a label draws its text in.
QRect LabelRoom(const QLabel& label);
// A one-line label's text fitted into its box; a multi-line label's text as it is.
FittedText FitLabelText(const QLabel& label);
// Draws a one-line label's text fitted into its box; true when it drew, false when the text fits as it is
// and QLabel's own drawing serves.
bool PaintFittedLabel(QLabel& label);
// Shows the whole text of a cut label or field on hover; true when the event was answered.
bool ShowWholeTextTip(QWidget& widget, QEvent* event, const FittedText& fitted, const QString& whole);

}  // namespace gui
