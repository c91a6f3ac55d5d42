#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gui/Controls.h"
#include "gui/Window.h"

namespace gui {
class Graphics;
}

class Window1;

// The main window: the open one, or a new one built and shown when none is open. Never null.
// Inside the class, call it as ::Window1(): there the bare name is the class's own.
class Window1& Window1();

// The main window: the diagram canvas and the controls around it. At most one exists; code reaches it only
// through Window1() and reaches its controls by name through the accessors, which look them up every time.
class Window1 final : public gui::Window {
    struct Key {
        explicit Key() = default;
    };
    friend class Window1& ::Window1();

  public:
    static constexpr std::string_view kClassName = "Window1.Window1";

    explicit Window1(Key);

    // The controls, in creation order.
    gui::Rectangle& Rectangle1() const;
    gui::Canvas& Canvas1() const;
    gui::GroupBox& GroupBox1() const;
    gui::RadioButton& RadioButton1() const;
    gui::RadioButton& RadioButton2() const;
    gui::GroupBox& GroupBox2() const;
    gui::TextField& EditField2() const;
    gui::Label& StaticText1() const;
    gui::Slider& SpeedSlider() const;
    gui::GroupBox& GroupBox3() const;
    gui::Slider& UnitSlider() const;
    gui::GroupBox& GroupBox4() const;
    gui::Label& StaticText2() const;
    gui::Slider& BlackPosSlider() const;
    gui::Label& StaticText4() const;
    gui::Slider& BlackLengthSlider() const;
    gui::CheckBox& CheckBox1() const;
    gui::CheckBox& CheckBox2() const;
    gui::CheckBox& CheckBox3() const;
    gui::GroupBox& GroupBox5() const;
    gui::Label& StaticText3() const;
    gui::Slider& RedPosSlider() const;
    gui::Label& StaticText5() const;
    gui::Slider& RedLengthSlider() const;
    gui::CheckBox& CheckBox4() const;
    gui::CheckBox& CheckBox5() const;
    gui::CheckBox& CheckBox6() const;
    gui::GroupBox& GroupBox6() const;
    gui::Slider& TimeSlider() const;
    gui::PushButton& PushButton1() const;
    gui::PushButton& PushButton2() const;
    gui::TextField& EditField14() const;
    gui::GroupBox& GroupBox7() const;
    gui::Label& StaticText7() const;
    gui::Label& StaticText8() const;
    gui::Label& StaticText9() const;
    gui::Label& StaticText10() const;
    gui::TextField& EditField10() const;
    gui::TextField& EditField11() const;
    gui::TextField& EditField12() const;
    gui::TextField& EditField13() const;
    gui::GroupBox& GroupBox8() const;
    gui::Label& StaticText11() const;
    gui::TextField& EditField6() const;
    gui::Label& StaticText12() const;
    gui::Label& StaticText13() const;
    gui::Label& StaticText14() const;
    gui::TextField& EditField7() const;
    gui::TextField& EditField8() const;
    gui::TextField& EditField9() const;
    gui::PushButton& PushButton3() const;
    gui::CheckBox& CheckBox7() const;
    gui::PushButton& PushButton4() const;

    // Canvas interaction, projection and readouts.
    void Canvas1_MouseUp(gui::Canvas& control, std::int64_t x, std::int64_t y);
    bool Canvas1_MouseDown(gui::Canvas& control, std::int64_t x, std::int64_t y);
    void Canvas1_MouseDrag(gui::Canvas& control, std::int64_t x, std::int64_t y);
    void Canvas1_MouseMove(gui::Canvas& control, std::int64_t x, std::int64_t y);
    void Canvas1_Paint(gui::Canvas& control, gui::Graphics& g, const std::vector<gui::Rect>& areas);

    // Control handlers.
    void RadioButton1_Action(gui::RadioButton& control);
    void RadioButton2_Action(gui::RadioButton& control);
    void EditField2_TextChange(gui::TextField& control);
    void SpeedSlider_ValueChanged(gui::Slider& control);
    void UnitSlider_ValueChanged(gui::Slider& control);
    void BlackPosSlider_ValueChanged(gui::Slider& control);
    void BlackLengthSlider_ValueChanged(gui::Slider& control);
    void CheckBox1_Action(gui::CheckBox& control);
    void CheckBox2_Action(gui::CheckBox& control);
    void CheckBox3_Action(gui::CheckBox& control);
    void RedPosSlider_ValueChanged(gui::Slider& control);
    void RedLengthSlider_ValueChanged(gui::Slider& control);
    void CheckBox4_Action(gui::CheckBox& control);
    void CheckBox5_Action(gui::CheckBox& control);
    void CheckBox6_Action(gui::CheckBox& control);
    void TimeSlider_ValueChanged(gui::Slider& control);
    void PushButton1_Action(gui::PushButton& control);
    void PushButton2_Action(gui::PushButton& control);
    void PushButton3_Action(gui::PushButton& control);
    void CheckBox7_Action(gui::CheckBox& control);
    void PushButton4_Action(gui::PushButton& control);

    // Menu commands.
    bool aboutItem_Action();
    bool FilePageSetup_Action();
    bool FilePrint_Action();

    // Whether the class handles the named window event.
    bool IsEventImplemented(std::string_view eventName) const;

  protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(gui::Window& window) override;
    void Event_Open() override;

  private:
    void CreateControls0();
    void CreateControls1();
    void CreateControl(std::size_t row);
    // The one body of the object and light-cone controls' handlers: Print reads their values itself.
    void ObjectControlChanged();
};

// The encoded layouts, as the window hands them to the runtime.
std::string Window1PropertyList();
std::string Window1ControlPropertyList(std::string_view controlName);
