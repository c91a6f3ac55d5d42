#include <QLineEdit>
#include <cmath>
#include <optional>
#include <random>
#include <regex>

#include "gui/Numbers.h"
#include "support/MainWindowFixture.h"
#include "support/Shown.h"

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

    // The v/c field, the speed and the slider, as the refusal and slider rules leave them.
    std::string SpeedDisagreement() const {
        const double speed = Globals::sinPhi;
        const std::string field = window->EditField2().Text();
        const double shown = gui::Val(field);
        if (!(shown > -1 && shown < 1)) return "the v/c field shows a speed it refuses: \"" + field + "\"";
        // The text a speed was typed as, or the speed's own text after a slider move, frame switch or
        // refusal.
        if (shown != speed && field != gui::Str(speed)) {
            return "the v/c field shows \"" + field + "\" for the speed " + gui::Str(speed);
        }
        // The slider's own speed (the start's 0.6 is position 32's 0.6000000000000001 as the field shows it),
        // the position a typed speed rounds to, or that one mirrored by a frame switch.
        const std::int64_t slider = window->SpeedSlider().Value();
        if (gui::Str(static_cast<double>(slider) / 20 - 1) != gui::Str(speed) &&
            slider != gui::Round(20 + 19 * speed) && slider != 40 - gui::Round(20 - 19 * speed)) {
            return "the speed slider stands at " + gui::Str(slider) + " for the speed " + gui::Str(speed);
        }
        return {};
    }

    // The number of a readout written as digits, two decimals and the unit; nothing for any other text.
    static std::optional<double> Reading(const std::string& text, const std::string& unit) {
        static const std::regex number("-?[0-9]+\\.[0-9][0-9]");
        if (text.size() <= unit.size() || !text.ends_with(unit)) return std::nullopt;
        const std::string digits = text.substr(0, text.size() - unit.size());
        if (!std::regex_match(digits, number)) return std::nullopt;
        return gui::Val(digits);
    }

    // Our frame's time, theTime pixels of 72 to the tick, within half a hundredth of the present time unit.
    std::string TimeReadoutDisagreement() const {
        using namespace Globals;
        const std::string text = window->EditField14().Text();
        const auto reading = Reading(text, y_units);
        if (!reading) return "the time readout \"" + text + "\" is not a number in" + y_units;
        const double time = static_cast<double>(theTime) / 72 * static_cast<double>(y_val);
        if (std::fabs(*reading - time) > 0.005 + std::fabs(time) * 1e-12) {
            return "the time readout \"" + text + "\" is not " + gui::Str(time) + y_units;
        }
        return {};
    }

    // "red says" repeats "black says" row by row (the labels cross over: black's "all my clocks read then" is
    // red's "that black clock there reads"). While an event is pressed, each paint writes them for the
    // present state: rows 1 and 3 are times and rows 2 and 4 positions in the present units, and both frames
    // agree on the event's interval t^2 - x^2, counted in ticks (light crosses a distance tick in a time
    // tick).
    std::string EventReadoutDisagreement() const {
        using namespace Globals;
        const std::pair<gui::TextField*, gui::TextField*> rows[] = {
            {&window->EditField10(), &window->EditField6()},
            {&window->EditField11(), &window->EditField7()},
            {&window->EditField12(), &window->EditField8()},
            {&window->EditField13(), &window->EditField9()}};
        for (const auto& [black, red] : rows) {
            if (black->Text() != red->Text()) {
                return "\"red says\" " + red->Text() + " where \"black says\" " + black->Text();
            }
        }
        if (!inProjectingMode) return {};
        double ticks[4] = {};
        double tolerance = 0;
        for (std::size_t row = 0; row < 4; ++row) {
            const bool time = row % 2 == 0;
            const std::string& unit = time ? y_units : x_units;
            const std::string text = rows[row].first->Text();
            const auto reading = Reading(text, unit);
            if (!reading)
                return "event readout row " + std::to_string(row + 1) + " \"" + text + "\" is not in" + unit;
            const double tick = static_cast<double>(time ? y_val : x_Val);
            ticks[row] = *reading / tick;
            // Each readout is off by at most half a hundredth of its unit.
            const double slack = 0.005 / tick;
            tolerance += 2 * std::fabs(ticks[row]) * slack + slack * slack + 1e-12 * ticks[row] * ticks[row];
        }
        const double black = ticks[0] * ticks[0] - ticks[1] * ticks[1];
        const double red = ticks[2] * ticks[2] - ticks[3] * ticks[3];
        if (std::fabs(black - red) > tolerance) {
            return "the frames disagree on the interval: black " + gui::Str(black) + ", red " + gui::Str(red);
        }
        return {};
    }

    // The v/c field is not a readout: it keeps what the user typed, and a typed "nan" reads as 0.
    std::string NanOrInfDisagreement() const {
        gui::TextField* readouts[] = {&window->EditField6(),  &window->EditField7(),  &window->EditField8(),
                                      &window->EditField9(),  &window->EditField10(), &window->EditField11(),
                                      &window->EditField12(), &window->EditField13(), &window->EditField14()};
        for (gui::TextField* readout : readouts) {
            const std::string text = readout->Text();
            if (text.find("nan") != std::string::npos || text.find("inf") != std::string::npos) {
                return "a readout holds \"" + text + "\"";
            }
        }
        return {};
    }

    // What the window says, against the rules that make it: the first disagreement, or nothing.
    // Every field the program writes shows its text from the start, as drawn: the whole text, or its
    // beginning (at least the sign or first digit and the next character) followed by the mark that it goes
    // on.
    std::string VisibilityDisagreement() const {
        gui::TextField* fields[] = {&window->EditField2(),  &window->EditField6(),  &window->EditField7(),
                                    &window->EditField8(),  &window->EditField9(),  &window->EditField10(),
                                    &window->EditField11(), &window->EditField12(), &window->EditField13(),
                                    &window->EditField14()};
        static const std::string kMark = "\u2026";
        for (gui::TextField* field : fields) {
            const std::string text = field->Text();
            const ShownText shown = Shown(*field);
            if (shown.text == text && shown.whole) continue;
            const bool marked =
                shown.text.size() > kMark.size() &&
                shown.text.compare(shown.text.size() - kMark.size(), kMark.size(), kMark) == 0;
            const std::string beginning =
                marked ? shown.text.substr(0, shown.text.size() - kMark.size()) : "";
            if (!marked || beginning.size() < 2 || text.compare(0, beginning.size(), beginning) != 0) {
                return field->Name() + " holds \"" + text + "\" but shows \"" + shown.text + "\"";
            }
        }
        return {};
    }

    std::string Disagreement() const {
        for (const std::string& found :
             {SpeedDisagreement(), TimeReadoutDisagreement(), EventReadoutDisagreement(),
              NanOrInfDisagreement(), VisibilityDisagreement()}) {
            if (!found.empty()) return found;
        }
        return {};
    }
};

// The random user actions of one run. The sanitizer build, where each step costs several times more, takes
// fewer: the first two thousand reach every line and branch of the program that ten thousand do.
#ifdef TRAVIK_SANITIZED
constexpr int kSteps = 2'000;
#else
constexpr int kSteps = 10'000;
#endif

// Random user actions from a fixed seed; after each, the state keeps its invariants, the diagram paints
// without error, and every field says what the rules make it say.
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
    for (int step = 0; step < kSteps; ++step) {
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
        ASSERT_EQ(Disagreement(), "") << "step " << step;
        if (step % 500 == 0) Widget(window->Canvas1())->grab();
        ASSERT_TRUE(errors.empty()) << "step " << step << ": " << errors.front();
    }
    if (pressed) Release(0, 0);
}

}  // namespace
