#pragma once

// Only for gui/ and its tests: the text field control's widget.

#include <QFont>
#include <QFontMetrics>
#include <QLineEdit>
#include <QString>

#include "gui/internal/FittedText.h"

namespace gui {

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
    // Where a line of text in a font of `metrics` begins: centred upright in the text room, as Qt's line edit
    // centres it.
    static int LineTop(const QRect& room, const QFontMetrics& metrics);
    // `room` is TextRoom(), worked out once for each paint.
    bool DrawsOwnText(const QRect& room) const;
    void PaintOwnText(const QRect& room);
    // A field without a border shows its focus with the style's focus frame along its edges.
    void PaintFocusFrame(const QRect& room);
    // FitText of the field's text, font and room, kept from the last call with the same three: a field
    // paints the same text again and again, and measuring it is most of what its paint costs.
    const FittedText& Fitted(const QRect& room) const;

    bool programText_ = false;
    struct Fitting {
        QString whole;
        QFont base;
        int room = -1;
        FittedText fitted;
    };
    mutable Fitting fitting_;
};

}  // namespace gui
