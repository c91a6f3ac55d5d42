// The handlers of the frame, speed, units, time, object and light-cone controls and of "Quit".
#include "gui/Numbers.h"
#include "gui/Runtime.h"
#include "model/Globals.h"
#include "window/Window1.h"

namespace {

// The time readout: our frame's time in the current time unit.
std::string TimeReadout() {
    const double t = static_cast<double>(Globals::theTime) / static_cast<double>(Globals::PixelsPerUnit) *
                     static_cast<double>(Globals::y_val);
    return gui::Format(t, "-###.00") + Globals::y_units;
}

void Repaint() {
    ::Window1().Refresh(true);
}

// The frame we think with becomes `frame`, unless it already is. The other frame moves at -v relative to
// ours, so the speed's sign flips and the slider is mirrored.
void SwitchFrame(class Window1& window, std::int64_t frame) {
    using namespace Globals;
    if (ourSystem != 1 - frame) return;
    ourSystem = frame;
    sinPhi = -sinPhi;
    speedEditFlag = true;
    window.EditField2().Text(gui::Str(sinPhi));
    window.SpeedSlider().Value(40 - window.SpeedSlider().Value());
    speedEditFlag = false;
    Repaint();
}

}  // namespace

void Window1::RadioButton1_Action(gui::RadioButton&) {
    SwitchFrame(*this, 0);
}

void Window1::RadioButton2_Action(gui::RadioButton&) {
    SwitchFrame(*this, 1);
}

void Window1::EditField2_TextChange(gui::TextField&) {
    using namespace Globals;
    if (speedEditFlag) return;
    const double v = gui::Val(EditField2().Text());
    // Only speeds strictly between -1 and 1 are taken (written so that no NaN could pass either).
    if (!(v > -1 && v < 1)) {
        // Refused: the previous speed goes back into the field. Writing it raises this handler again, which
        // takes the restored text; a text that is refused in turn is written back unchanged, which raises
        // nothing, so the chain ends there.
        EditField2().Text(gui::Str(sinPhi));
        return;
    }
    sinPhi = v;
    speedEditFlag = true;
    SpeedSlider().Value(gui::Round(20 + 19 * v));
    speedEditFlag = false;
    Repaint();
}

void Window1::SpeedSlider_ValueChanged(gui::Slider&) {
    using namespace Globals;
    if (speedEditFlag) return;
    sinPhi = static_cast<double>(SpeedSlider().Value()) / 20 - 1;
    speedEditFlag = true;
    EditField2().Text(gui::Str(sinPhi));
    speedEditFlag = false;
    Repaint();
}

void Window1::UnitSlider_ValueChanged(gui::Slider&) {
    Globals::stUnits = UnitSlider().Value();
    Globals::calcUnits();
    ::Window1().EditField14().Text(TimeReadout());
    Repaint();
}

void Window1::TimeSlider_ValueChanged(gui::Slider&) {
    Globals::theTime = ::Window1().TimeSlider().Value() - 500;
    ::Window1().EditField14().Text(TimeReadout());
    Repaint();
}

void Window1::PushButton1_Action(gui::PushButton&) {
    TimeSlider().Value(TimeSlider().Value() - 1);
}

void Window1::PushButton2_Action(gui::PushButton&) {
    TimeSlider().Value(TimeSlider().Value() + 1);
}

void Window1::PushButton3_Action(gui::PushButton&) {
    gui::Quit(0);
}

void Window1::ObjectControlChanged() {
    Repaint();
}

void Window1::BlackPosSlider_ValueChanged(gui::Slider&) {
    ObjectControlChanged();
}
void Window1::BlackLengthSlider_ValueChanged(gui::Slider&) {
    ObjectControlChanged();
}
void Window1::CheckBox1_Action(gui::CheckBox&) {
    ObjectControlChanged();
}
void Window1::CheckBox2_Action(gui::CheckBox&) {
    ObjectControlChanged();
}
void Window1::CheckBox3_Action(gui::CheckBox&) {
    ObjectControlChanged();
}
void Window1::RedPosSlider_ValueChanged(gui::Slider&) {
    ObjectControlChanged();
}
void Window1::RedLengthSlider_ValueChanged(gui::Slider&) {
    ObjectControlChanged();
}
void Window1::CheckBox4_Action(gui::CheckBox&) {
    ObjectControlChanged();
}
void Window1::CheckBox5_Action(gui::CheckBox&) {
    ObjectControlChanged();
}
void Window1::CheckBox6_Action(gui::CheckBox&) {
    ObjectControlChanged();
}
void Window1::CheckBox7_Action(gui::CheckBox&) {
    ObjectControlChanged();
}
