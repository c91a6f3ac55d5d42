#include <QLineEdit>
#include <random>

#include "support/MainWindowFixture.h"

namespace {

class Soak : public MainWindowFixture {
  protected:
    void ExpectInvariants(int step) {
        using namespace Globals;
        ASSERT_TRUE(sinPhi > -1 && sinPhi < 1) << "step " << step << ": sinPhi " << sinPhi;
        ASSERT_TRUE(ourSystem == 0 || ourSystem == 1) << "step " << step;
        ASSERT_TRUE(theTime >= -500 && theTime <= 500) << "step " << step;
        ASSERT_TRUE(stUnits >= 0 && stUnits <= 9) << "step " << step;
        const bool atStart = Nx == 300 && Ny == 400;
        ASSERT_TRUE(atStart || (Nx > 20 && Nx < gw - 20 && Ny > 20 && Ny < gh - 20))
            << "step " << step << ": origin " << Nx << "," << Ny;
        ASSERT_TRUE(errors.empty()) << "step " << step << ": " << errors.front();
    }
};

// Ten thousand random user actions from a fixed seed; after each, the state keeps its invariants and the
// diagram paints without error.
TEST_F(Soak, RandomUserActionsKeepTheDiagramDrawn) {
    std::mt19937 random(20261210);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const std::vector<std::string> texts{"nan",
                                         "inf",
                                         "-inf",
                                         "1e400",
                                         "-1e400",
                                         "-0",
                                         "",
                                         "0x1p-3",
                                         "1,5",
                                         "\xce\xb1\xce\xb2\xce\xb3",
                                         "\xff\xfe",
                                         "0.9999999999999999",
                                         "-0.9999999999999999",
                                         "1e-300",
                                         "0.5",
                                         "-.95",
                                         "2",
                                         "1",
                                         "-1",
                                         std::string(10000, '7'),
                                         "0." + std::string(10000, '3'),
                                         " 0.25xyz"};
    auto* speedField = static_cast<QLineEdit*>(Widget(window->EditField2()));
    gui::Slider* sliders[] = {&window->SpeedSlider(),       &window->UnitSlider(),
                              &window->TimeSlider(),        &window->BlackPosSlider(),
                              &window->BlackLengthSlider(), &window->RedPosSlider(),
                              &window->RedLengthSlider()};
    gui::RectControl* buttons[] = {&window->RadioButton1(), &window->RadioButton2(), &window->CheckBox1(),
                                   &window->CheckBox2(),    &window->CheckBox3(),    &window->CheckBox4(),
                                   &window->CheckBox5(),    &window->CheckBox6(),    &window->CheckBox7(),
                                   &window->PushButton1(),  &window->PushButton2()};
    bool pressed = false;
    for (int step = 0; step < 10000; ++step) {
        switch (pick(0, 9)) {
            case 0:
                window->EditField2().Text(
                    texts[static_cast<std::size_t>(pick(0, static_cast<int>(texts.size()) - 1))]);
                break;
            case 1: {
                // A few keys typed over the field, each change judged on its own.
                const char keys[] = "0123456789.-+eE ax";
                QString typed;
                for (int i = pick(1, 6); i > 0; --i) typed += QChar(keys[pick(0, 17)]);
                speedField->selectAll();
                QTest::keyClicks(speedField, typed);
                break;
            }
            case 2:
            case 3: {
                gui::Slider* slider = sliders[pick(0, 6)];
                slider->Value(pick(static_cast<int>(slider->MinimumValue()) - 3,
                                   static_cast<int>(slider->MaximumValue()) + 3));
                break;
            }
            case 4:
            case 5:
                Click(*buttons[pick(0, 10)]);
                break;
            default: {
                const int x = pick(-300, 950), y = pick(-300, 850);
                if (!pressed) {
                    // Half the presses aim at the origin, to start drags.
                    const bool atOrigin = pick(0, 1) == 0;
                    Press(atOrigin ? static_cast<int>(Globals::Nx) + pick(-7, 7) : x,
                          atOrigin ? static_cast<int>(Globals::Ny) + pick(-7, 7) : y);
                    pressed = true;
                } else if (pick(0, 2) > 0) {
                    Drag(x, y);
                } else {
                    Release(x, y);
                    pressed = false;
                }
                if (!pressed && pick(0, 1) == 0) Hover(x, y);
            }
        }
        ExpectInvariants(step);
        NextPaint();
        if (step % 500 == 0) Widget(window->Canvas1())->grab();
        ASSERT_TRUE(errors.empty()) << "step " << step << ": " << errors.front();
    }
    if (pressed) Release(0, 0);
}

}  // namespace
