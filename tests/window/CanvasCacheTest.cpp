#include <QImage>
#include <functional>

#include "gui/internal/PainterGraphics.h"
#include "support/MainWindowFixture.h"

namespace {

// The canvas keeps shaped texts and its background picture from one paint to the next. After every kind of
// change the user can make, what the window shows must be what a fresh drawing of the state gives.
class CanvasCache : public MainWindowFixture {
  protected:
    // The canvas painted through its widget, with what it kept from the paints before, against a fresh
    // drawing at the screen's device pixel ratio: the number of pixels that differ.
    int DifferingOnScreen() {
        const QImage screen = CanvasOnScreen();
        return Differing(screen, FreshCanvas(screen.devicePixelRatio()));
    }
};

TEST_F(CanvasCache, TheWindowShowsAFreshDrawingAfterEveryChange) {
    struct Step {
        const char* change;
        std::function<void()> make;
    };
    const Step steps[] = {
        {"start", [] {}},
        {"origin drag", [this] { Press(300, 400), Drag(200, 150), Release(200, 150); }},
        {"origin drag to a corner", [this] { Press(200, 150), Drag(614, 531), Release(614, 531); }},
        {"origin back", [this] { Press(614, 531), Drag(300, 400), Release(300, 400); }},
        {"speed", [this] { window->SpeedSlider().Value(20); }},
        {"speed near light", [this] { window->SpeedSlider().Value(39); }},
        {"frame", [this] { Click(window->RadioButton2()); }},
        {"units", [this] { window->UnitSlider().Value(9); }},
        {"units back", [this] { window->UnitSlider().Value(0); }},
        {"light cone", [this] { Click(window->CheckBox7()); }},
        {"black object", [this] { Click(window->CheckBox1()), Click(window->CheckBox2()); }},
        {"red object", [this] { Click(window->CheckBox4()), Click(window->CheckBox5()); }},
        {"object length", [this] { window->BlackLengthSlider().Value(3); }},
        {"object position", [this] { window->RedPosSlider().Value(window->RedPosSlider().Value() + 1); }},
        {"time", [this] { window->TimeSlider().Value(700); }},
        {"pressed event", [this] { Press(228, 256); }},
        {"released", [this] { Release(228, 256); }},
        {"frame back", [this] { Click(window->RadioButton1()); }},
        {"light cone off", [this] { Click(window->CheckBox7()); }},
    };
    for (const Step& step : steps) {
        step.make();
        EXPECT_EQ(DifferingOnScreen(), 0) << "on the screen after the " << step.change;
    }
}

}  // namespace
