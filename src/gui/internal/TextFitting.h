#pragma once

// Only for gui/ and its tests: how fields and labels fit a text into the room their layout gives them.

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <string>

namespace gui {

class RectControl;

// A text as a control draws it: whole, or its beginning with an ellipsis when even the narrowest readable
// font can't hold it all.
struct FittedText {
    QString text;
    QFont font;
    bool cut = false;
    // How far `text` advances in `font`.
    qreal width = 0;
};

// Fits `whole` into `room` pixels: the control's own font first, then narrower letters and a slightly
// smaller size, never below a readable size. Only a bounded beginning of the text is ever measured, so the
// cost doesn't grow with the text.
FittedText FitText(const QString& whole, const QFont& base, qreal room);

// A line edit that, while nobody types in it, shows the beginning of its text rather than Qt's view
// scrolled to the cursor at the end, and that draws a bounded part of a text of any length.
class FieldWidget final : public QLineEdit {
  public:
    explicit FieldWidget(QWidget* parent);

    // A text written by the program rather than typed: shown from its beginning until the user types.
    void SetProgramText(const QString& text);

    // The rectangle Qt's line edit draws its text line in.
    QRect TextRoom() const;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    bool DrawsOwnText() const;
    // FitText of the field's text, font and room, kept from the last call with the same three: a field
    // paints the same text again and again, and measuring it is most of what its paint costs.
    const FittedText& Fitted() const;

    bool programText_ = false;
    struct Fitting {
        QString whole;
        QFont base;
        int room = -1;
        FittedText fitted;
    };
    mutable Fitting fitting_;
};

// A one-line label's text fitted into its box; a multi-line label's text as it is.
FittedText FitLabelText(const QLabel& label);
// Draws a one-line label's text fitted into its box; true when it drew, false when the text fits as it is
// and QLabel's own drawing serves.
bool PaintFittedLabel(QLabel& label);
// Shows the whole text of a cut label or field on hover; true when the event was answered.
bool ShowWholeTextTip(QWidget& widget, QEvent* event, const FittedText& fitted, const QString& whole);

// What a control's drawing shows, read back from the drawing itself: the control is drawn into a
// recording device and the characters that land inside its text room are collected, left to right.
struct ShownText {
    std::string text;
    // Every character drawn lies inside the room (nothing scrolled or clipped away).
    bool whole = false;
    double pixelSize = 0;
    int stretch = 100;
};
ShownText Shown(const RectControl& control);

}  // namespace gui
