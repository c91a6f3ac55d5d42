#include "window/Window1.h"

#include <memory>

#include "model/Globals.h"
#include "window/LayoutRuns.h"

class Window1& Window1() {
    return gui::ImplicitWindow<class Window1>(Window1::kClassName, Window1::Key{});
}

Window1::Window1(Key) : gui::Window(std::string(kClassName)) {
    // The runtime keeps the first registration of a class and ignores later ones.
    gui::RegisterClass(kClassName, {"Layout", "CreateControls", "AddMenuHandlers", "Open"});
}

bool Window1::IsEventImplemented(std::string_view eventName) const {
    return gui::RuntimeIsEventHandled(this, kClassName, eventName, true);
}

std::string Window1PropertyList() {
    return LayoutRuns::Window({.width = 894,
                               .height = 781,
                               .title = "Travik Diagram",
                               .hasMinimizeButton = true,
                               .location = gui::Window::Locations::MainScreen});
}

void Window1::Layout() {
    gui::SetProperties(*this, Window1PropertyList());
}

void Window1::CreateControls() {
    CreateControls0();
    CreateControls1();
}

void Window1::Event_Open() {
    Globals::InitGlobals();
}

gui::Rectangle& Window1::Rectangle1() const {
    return ControlByName<gui::Rectangle>("Rectangle1");
}
gui::Canvas& Window1::Canvas1() const {
    return ControlByName<gui::Canvas>("Canvas1");
}
gui::GroupBox& Window1::GroupBox1() const {
    return ControlByName<gui::GroupBox>("GroupBox1");
}
gui::RadioButton& Window1::RadioButton1() const {
    return ControlByName<gui::RadioButton>("RadioButton1");
}
gui::RadioButton& Window1::RadioButton2() const {
    return ControlByName<gui::RadioButton>("RadioButton2");
}
gui::GroupBox& Window1::GroupBox2() const {
    return ControlByName<gui::GroupBox>("GroupBox2");
}
gui::TextField& Window1::EditField2() const {
    return ControlByName<gui::TextField>("EditField2");
}
gui::Label& Window1::StaticText1() const {
    return ControlByName<gui::Label>("StaticText1");
}
gui::Slider& Window1::SpeedSlider() const {
    return ControlByName<gui::Slider>("SpeedSlider");
}
gui::GroupBox& Window1::GroupBox3() const {
    return ControlByName<gui::GroupBox>("GroupBox3");
}
gui::Slider& Window1::UnitSlider() const {
    return ControlByName<gui::Slider>("UnitSlider");
}
gui::GroupBox& Window1::GroupBox4() const {
    return ControlByName<gui::GroupBox>("GroupBox4");
}
gui::Label& Window1::StaticText2() const {
    return ControlByName<gui::Label>("StaticText2");
}
gui::Slider& Window1::BlackPosSlider() const {
    return ControlByName<gui::Slider>("BlackPosSlider");
}
gui::Label& Window1::StaticText4() const {
    return ControlByName<gui::Label>("StaticText4");
}
gui::Slider& Window1::BlackLengthSlider() const {
    return ControlByName<gui::Slider>("BlackLengthSlider");
}
gui::CheckBox& Window1::CheckBox1() const {
    return ControlByName<gui::CheckBox>("CheckBox1");
}
gui::CheckBox& Window1::CheckBox2() const {
    return ControlByName<gui::CheckBox>("CheckBox2");
}
gui::CheckBox& Window1::CheckBox3() const {
    return ControlByName<gui::CheckBox>("CheckBox3");
}
gui::GroupBox& Window1::GroupBox5() const {
    return ControlByName<gui::GroupBox>("GroupBox5");
}
gui::Label& Window1::StaticText3() const {
    return ControlByName<gui::Label>("StaticText3");
}
gui::Slider& Window1::RedPosSlider() const {
    return ControlByName<gui::Slider>("RedPosSlider");
}
gui::Label& Window1::StaticText5() const {
    return ControlByName<gui::Label>("StaticText5");
}
gui::Slider& Window1::RedLengthSlider() const {
    return ControlByName<gui::Slider>("RedLengthSlider");
}
gui::CheckBox& Window1::CheckBox4() const {
    return ControlByName<gui::CheckBox>("CheckBox4");
}
gui::CheckBox& Window1::CheckBox5() const {
    return ControlByName<gui::CheckBox>("CheckBox5");
}
gui::CheckBox& Window1::CheckBox6() const {
    return ControlByName<gui::CheckBox>("CheckBox6");
}
gui::GroupBox& Window1::GroupBox6() const {
    return ControlByName<gui::GroupBox>("GroupBox6");
}
gui::Slider& Window1::TimeSlider() const {
    return ControlByName<gui::Slider>("TimeSlider");
}
gui::PushButton& Window1::PushButton1() const {
    return ControlByName<gui::PushButton>("PushButton1");
}
gui::PushButton& Window1::PushButton2() const {
    return ControlByName<gui::PushButton>("PushButton2");
}
gui::TextField& Window1::EditField14() const {
    return ControlByName<gui::TextField>("EditField14");
}
gui::GroupBox& Window1::GroupBox7() const {
    return ControlByName<gui::GroupBox>("GroupBox7");
}
gui::Label& Window1::StaticText7() const {
    return ControlByName<gui::Label>("StaticText7");
}
gui::Label& Window1::StaticText8() const {
    return ControlByName<gui::Label>("StaticText8");
}
gui::Label& Window1::StaticText9() const {
    return ControlByName<gui::Label>("StaticText9");
}
gui::Label& Window1::StaticText10() const {
    return ControlByName<gui::Label>("StaticText10");
}
gui::TextField& Window1::EditField10() const {
    return ControlByName<gui::TextField>("EditField10");
}
gui::TextField& Window1::EditField11() const {
    return ControlByName<gui::TextField>("EditField11");
}
gui::TextField& Window1::EditField12() const {
    return ControlByName<gui::TextField>("EditField12");
}
gui::TextField& Window1::EditField13() const {
    return ControlByName<gui::TextField>("EditField13");
}
gui::GroupBox& Window1::GroupBox8() const {
    return ControlByName<gui::GroupBox>("GroupBox8");
}
gui::Label& Window1::StaticText11() const {
    return ControlByName<gui::Label>("StaticText11");
}
gui::TextField& Window1::EditField6() const {
    return ControlByName<gui::TextField>("EditField6");
}
gui::Label& Window1::StaticText12() const {
    return ControlByName<gui::Label>("StaticText12");
}
gui::Label& Window1::StaticText13() const {
    return ControlByName<gui::Label>("StaticText13");
}
gui::Label& Window1::StaticText14() const {
    return ControlByName<gui::Label>("StaticText14");
}
gui::TextField& Window1::EditField7() const {
    return ControlByName<gui::TextField>("EditField7");
}
gui::TextField& Window1::EditField8() const {
    return ControlByName<gui::TextField>("EditField8");
}
gui::TextField& Window1::EditField9() const {
    return ControlByName<gui::TextField>("EditField9");
}
gui::PushButton& Window1::PushButton3() const {
    return ControlByName<gui::PushButton>("PushButton3");
}
gui::CheckBox& Window1::CheckBox7() const {
    return ControlByName<gui::CheckBox>("CheckBox7");
}
gui::PushButton& Window1::PushButton4() const {
    return ControlByName<gui::PushButton>("PushButton4");
}
