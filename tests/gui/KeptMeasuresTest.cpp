// Controls keep what they measured from one paint to the next; after a change of anything the measure
// depends on, they draw what a control built afresh in the new state draws.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <functional>

#include "gui/internal/FieldWidget.h"

namespace {

QImage Drawn(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

struct FieldState {
    QString text = "12.5";
    int width = 140;
    int pixelSize = 12;
};

void Apply(gui::FieldWidget& field, const FieldState& state) {
    QFont font = field.font();
    font.setPixelSize(state.pixelSize);
    field.setFont(font);
    field.resize(state.width, 24);
    field.SetProgramText(state.text);
}

// Each change alone changes what the field shows: the text whole, in narrower letters, or cut.
TEST(KeptMeasures, AFieldRefitsItsTextWhenTextFontOrRoomChange) {
    const QString wide = "-1234.5678 seconds";
    struct Case {
        const char* change;
        std::function<void(FieldState&)> apply;
    };
    const Case cases[] = {
        {"text", [&](FieldState& s) { s.text = wide; }},
        {"room", [](FieldState& s) { s.width = 60; }},
        {"font", [](FieldState& s) { s.pixelSize = 22; }},
        {"text back", [](FieldState& s) { s.text = "12.5"; }},
        {"room back", [](FieldState& s) { s.width = 140; }},
        {"font back", [](FieldState& s) { s.pixelSize = 12; }},
    };
    QWidget top;
    gui::FieldWidget kept(&top);
    FieldState state;
    Apply(kept, state);
    QImage before = Drawn(kept);
    for (const Case& c : cases) {
        c.apply(state);
        Apply(kept, state);
        const QImage now = Drawn(kept);
        QWidget freshTop;
        gui::FieldWidget fresh(&freshTop);
        Apply(fresh, state);
        EXPECT_TRUE(now == Drawn(fresh)) << "after a change of " << c.change;
        EXPECT_FALSE(now == before) << "the change of " << c.change << " shows";
        before = now;
    }
}

}  // namespace
