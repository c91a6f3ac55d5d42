#include <array>
#include <functional>
#include <map>
#include <stdexcept>

#include "window/LayoutRuns.h"
#include "window/Window1.h"

namespace {

using gui::RGB;

enum class Kind { Rectangle, Canvas, GroupBox, RadioButton, TextField, Label, Slider, CheckBox, PushButton };

struct Row {
    const char* name;
    Kind kind;
    const char* parent;  // "" for the window itself
    const char* text;    // Caption of group boxes and buttons, Value of labels and text fields
    std::int64_t left, top, width, height;
    LayoutRuns::SliderRange slider{};
    bool selected = false;  // radio buttons
    LayoutRuns::TextFieldStyle field{};
    LayoutRuns::PushButtonStyle button{};
};

// The three kinds of text field: the speed entry, the time readout and the event readouts, which stay
// editable though the program overwrites them.
constexpr gui::Color kReadoutGrey = RGB(216, 216, 216);
constexpr std::int64_t kCentred = 2;
constexpr LayoutRuns::TextFieldStyle kSpeedEntry{
    .background = RGB(255, 255, 255), .hasBorder = true, .textAlignment = 0, .readOnly = false};
constexpr LayoutRuns::TextFieldStyle kTimeReadout{
    .background = kReadoutGrey, .hasBorder = false, .textAlignment = kCentred, .readOnly = true};
constexpr LayoutRuns::TextFieldStyle kEventReadout{
    .background = kReadoutGrey, .hasBorder = false, .textAlignment = 0, .readOnly = false};

// The About button: Escape presses it, and it keeps its place at the window's top left.
constexpr LayoutRuns::PushButtonStyle kAboutButton{
    .cancel = true, .transparent = false, .lockedTopLeft = true};

Row SliderRow(const char* name, const char* parent, std::int64_t left, std::int64_t top, std::int64_t width,
              const LayoutRuns::SliderRange& range) {
    Row row{name, Kind::Slider, parent, "", left, top, width, 16};
    row.slider = range;
    return row;
}

Row TextFieldRow(const char* name, const char* parent, const char* text, std::int64_t left, std::int64_t top,
                 std::int64_t width, std::int64_t height, const LayoutRuns::TextFieldStyle& style) {
    Row row{name, Kind::TextField, parent, text, left, top, width, height};
    row.field = style;
    return row;
}

Row RadioButtonRow(const char* name, const char* text, std::int64_t left, std::int64_t width, bool selected) {
    Row row{name, Kind::RadioButton, "GroupBox1", text, left, 42, width, 20};
    row.selected = selected;
    return row;
}

Row PushButtonRow(const char* name, const char* text, std::int64_t left, std::int64_t top, std::int64_t width,
                  const LayoutRuns::PushButtonStyle& style) {
    Row row{name, Kind::PushButton, "", text, left, top, width, 20};
    row.button = style;
    return row;
}

// The controls in creation order: each container is followed by what it holds, both in tab order. Slider
// ranges are minimum, maximum, value, page step and tick mark style.
const std::array<Row, 53>& Rows() {
    static const std::array<Row, 53> rows{{
        {"Rectangle1", Kind::Rectangle, "", "", 20, 20, 663, 583},
        {"Canvas1", Kind::Canvas, "Rectangle1", "", 33, 35, 636, 553},
        {"GroupBox1", Kind::GroupBox, "", "we think with", 703, 19, 171, 48},
        RadioButtonRow("RadioButton1", "black", 717, 61, true),
        RadioButtonRow("RadioButton2", "red", 796, 46, false),
        {"GroupBox2", Kind::GroupBox, "", "relative speed", 702, 79, 171, 84},
        TextFieldRow("EditField2", "GroupBox2", "0.6", 775, 107, 80, 22, kSpeedEntry),
        {"StaticText1", Kind::Label, "GroupBox2", "v/c", 731, 108, 32, 20},
        SliderRow("SpeedSlider", "GroupBox2", 718, 138, 131, {1, 39, 32, 1, 0}),
        {"GroupBox3", Kind::GroupBox, "", "units", 687, 175, 171, 60},
        SliderRow("UnitSlider", "GroupBox3", 703, 209, 131, {0, 9, 3, 1, 2}),
        {"GroupBox4", Kind::GroupBox, "", "black object", 703, 257, 171, 162},
        {"StaticText2", Kind::Label, "GroupBox4", "Position", 719, 283, 56, 20},
        SliderRow("BlackPosSlider", "GroupBox4", 796, 289, 41, {0, 1, 1, 1, 2}),
        {"StaticText4", Kind::Label, "GroupBox4", "Length", 719, 311, 45, 20},
        SliderRow("BlackLengthSlider", "GroupBox4", 772, 317, 84, {1, 12, 6, 1, 2}),
        {"CheckBox1", Kind::CheckBox, "GroupBox4", "is visible", 719, 339, 100, 20},
        {"CheckBox2", Kind::CheckBox, "GroupBox4", "has Trace", 719, 364, 100, 20},
        {"CheckBox3", Kind::CheckBox, "GroupBox4", "has Shadow", 719, 390, 100, 20},
        {"GroupBox5", Kind::GroupBox, "", "red object", 703, 441, 171, 162},
        {"StaticText3", Kind::Label, "GroupBox5", "Position", 719, 467, 56, 20},
        SliderRow("RedPosSlider", "GroupBox5", 796, 473, 41, {0, 1, 0, 1, 2}),
        {"StaticText5", Kind::Label, "GroupBox5", "Length", 719, 491, 45, 20},
        SliderRow("RedLengthSlider", "GroupBox5", 776, 499, 84, {1, 12, 6, 1, 2}),
        {"CheckBox4", Kind::CheckBox, "GroupBox5", "is visible", 719, 523, 100, 20},
        {"CheckBox5", Kind::CheckBox, "GroupBox5", "has Shadow", 719, 575, 100, 20},
        {"CheckBox6", Kind::CheckBox, "GroupBox5", "has Trace", 719, 549, 100, 20},
        {"GroupBox6", Kind::GroupBox, "", "the time", 620, 618, 254, 98},
        SliderRow("TimeSlider", "GroupBox6", 636, 649, 224, {0, 1000, 572, 24, 0}),
        {"PushButton1", Kind::PushButton, "GroupBox6", "back", 636, 677, 59, 20},
        {"PushButton2", Kind::PushButton, "GroupBox6", "ahead", 806, 677, 59, 20},
        TextFieldRow("EditField14", "GroupBox6", "10.00 ns", 715, 677, 73, 20, kTimeReadout),
        {"GroupBox7", Kind::GroupBox, "", "black says", 20, 618, 275, 143},
        {"StaticText7", Kind::Label, "GroupBox7", "all my clocks read then", 32, 645, 157, 20},
        {"StaticText8", Kind::Label, "GroupBox7", "my event position", 32, 674, 134, 20},
        {"StaticText9", Kind::Label, "GroupBox7", "that red clock there reads", 32, 702, 181, 20},
        {"StaticText10", Kind::Label, "GroupBox7", "red's event position", 32, 730, 167, 20},
        TextFieldRow("EditField10", "GroupBox7", "", 218, 646, 68, 20, kEventReadout),
        TextFieldRow("EditField11", "GroupBox7", "", 218, 673, 68, 20, kEventReadout),
        TextFieldRow("EditField12", "GroupBox7", "", 218, 702, 68, 20, kEventReadout),
        TextFieldRow("EditField13", "GroupBox7", "", 218, 730, 68, 20, kEventReadout),
        {"GroupBox8", Kind::GroupBox, "", "red says", 320, 618, 275, 143},
        {"StaticText11", Kind::Label, "GroupBox8", "all my clocks read then", 334, 702, 167, 20},
        TextFieldRow("EditField6", "GroupBox8", "", 513, 644, 68, 20, kEventReadout),
        {"StaticText12", Kind::Label, "GroupBox8", "my event position", 334, 730, 134, 20},
        {"StaticText13", Kind::Label, "GroupBox8", "that black clock there reads", 334, 646, 175, 20},
        {"StaticText14", Kind::Label, "GroupBox8", "black's event position", 334, 673, 175, 20},
        TextFieldRow("EditField7", "GroupBox8", "", 513, 672, 68, 20, kEventReadout),
        TextFieldRow("EditField8", "GroupBox8", "", 513, 701, 68, 20, kEventReadout),
        TextFieldRow("EditField9", "GroupBox8", "", 513, 730, 68, 19, kEventReadout),
        {"PushButton3", Kind::PushButton, "", "Quit", 812, 738, 58, 20},
        {"CheckBox7", Kind::CheckBox, "", "show light cone", 620, 738, 126, 20},
        PushButtonRow("PushButton4", "About", 745, 738, 58, kAboutButton),
    }};
    return rows;
}

// CreateControls0 creates the rows before this one, CreateControls1 the rest.
constexpr std::size_t kFirstRowOfCreateControls1 = 30;

// Tab order within a container is creation order.
std::int64_t TabIndexOf(std::size_t index) {
    const auto& rows = Rows();
    std::int64_t tab = 0;
    for (std::size_t i = 0; i < index; ++i) {
        if (std::string_view(rows[i].parent) == rows[index].parent) ++tab;
    }
    return tab;
}

std::string ListOf(std::size_t index) {
    const Row& row = Rows()[index];
    const LayoutRuns::Place place{
        row.name, {row.left, row.top, row.width, row.height}, TabIndexOf(index), row.parent};
    switch (row.kind) {
        case Kind::Rectangle:
            return LayoutRuns::Rectangle(place);
        case Kind::Canvas:
            return LayoutRuns::Canvas(place);
        case Kind::GroupBox:
            return LayoutRuns::GroupBox(place, row.text);
        case Kind::RadioButton:
            return LayoutRuns::RadioButton(place, row.text, row.selected);
        case Kind::TextField:
            return LayoutRuns::TextField(place, row.text, row.field);
        case Kind::Label:
            return LayoutRuns::Label(place, row.text);
        case Kind::Slider:
            return LayoutRuns::Slider(place, row.slider);
        case Kind::CheckBox:
            return LayoutRuns::CheckBox(place, row.text);
        case Kind::PushButton:
            return LayoutRuns::PushButton(place, row.text, row.button);
    }
    throw std::logic_error("a layout row of no known class");
}

// The event bindings, in binding order, by control name.
using Binder = void (*)(class Window1&);
const std::multimap<std::string_view, Binder>& Bindings() {
    using W = class Window1;
    static const std::multimap<std::string_view, Binder> bindings{
        {"Canvas1", [](W& w) { w.Canvas1().MouseUp = gui::Delegate(&w, &W::Canvas1_MouseUp); }},
        {"Canvas1", [](W& w) { w.Canvas1().MouseDown = gui::Delegate(&w, &W::Canvas1_MouseDown); }},
        {"Canvas1", [](W& w) { w.Canvas1().MouseDrag = gui::Delegate(&w, &W::Canvas1_MouseDrag); }},
        {"Canvas1", [](W& w) { w.Canvas1().MouseMove = gui::Delegate(&w, &W::Canvas1_MouseMove); }},
        {"Canvas1", [](W& w) { w.Canvas1().Paint = gui::Delegate(&w, &W::Canvas1_Paint); }},
        {"RadioButton1", [](W& w) { w.RadioButton1().Action = gui::Delegate(&w, &W::RadioButton1_Action); }},
        {"RadioButton2", [](W& w) { w.RadioButton2().Action = gui::Delegate(&w, &W::RadioButton2_Action); }},
        {"EditField2",
         [](W& w) { w.EditField2().TextChange = gui::Delegate(&w, &W::EditField2_TextChange); }},
        {"SpeedSlider",
         [](W& w) { w.SpeedSlider().ValueChanged = gui::Delegate(&w, &W::SpeedSlider_ValueChanged); }},
        {"UnitSlider",
         [](W& w) { w.UnitSlider().ValueChanged = gui::Delegate(&w, &W::UnitSlider_ValueChanged); }},
        {"BlackPosSlider",
         [](W& w) { w.BlackPosSlider().ValueChanged = gui::Delegate(&w, &W::BlackPosSlider_ValueChanged); }},
        {"BlackLengthSlider",
         [](W& w) {
             w.BlackLengthSlider().ValueChanged = gui::Delegate(&w, &W::BlackLengthSlider_ValueChanged);
         }},
        {"CheckBox1", [](W& w) { w.CheckBox1().Action = gui::Delegate(&w, &W::CheckBox1_Action); }},
        {"CheckBox2", [](W& w) { w.CheckBox2().Action = gui::Delegate(&w, &W::CheckBox2_Action); }},
        {"CheckBox3", [](W& w) { w.CheckBox3().Action = gui::Delegate(&w, &W::CheckBox3_Action); }},
        {"RedPosSlider",
         [](W& w) { w.RedPosSlider().ValueChanged = gui::Delegate(&w, &W::RedPosSlider_ValueChanged); }},
        {"RedLengthSlider",
         [](W& w) {
             w.RedLengthSlider().ValueChanged = gui::Delegate(&w, &W::RedLengthSlider_ValueChanged);
         }},
        {"CheckBox4", [](W& w) { w.CheckBox4().Action = gui::Delegate(&w, &W::CheckBox4_Action); }},
        {"CheckBox5", [](W& w) { w.CheckBox5().Action = gui::Delegate(&w, &W::CheckBox5_Action); }},
        {"CheckBox6", [](W& w) { w.CheckBox6().Action = gui::Delegate(&w, &W::CheckBox6_Action); }},
        {"TimeSlider",
         [](W& w) { w.TimeSlider().ValueChanged = gui::Delegate(&w, &W::TimeSlider_ValueChanged); }},
        {"PushButton1", [](W& w) { w.PushButton1().Action = gui::Delegate(&w, &W::PushButton1_Action); }},
        {"PushButton2", [](W& w) { w.PushButton2().Action = gui::Delegate(&w, &W::PushButton2_Action); }},
        {"PushButton3", [](W& w) { w.PushButton3().Action = gui::Delegate(&w, &W::PushButton3_Action); }},
        {"CheckBox7", [](W& w) { w.CheckBox7().Action = gui::Delegate(&w, &W::CheckBox7_Action); }},
        {"PushButton4", [](W& w) { w.PushButton4().Action = gui::Delegate(&w, &W::PushButton4_Action); }},
    };
    return bindings;
}

template <class Control>
void Create(class Window1& window, const Row& row, std::size_t index) {
    Control& made = window.New<Control>();
    window.AddControl(row.name, made);
    gui::SetProperties(window.ControlByName<Control>(row.name), ListOf(index));
    // Handlers are bound only once the whole list is applied, so none runs for an initial value.
    const auto [first, last] = Bindings().equal_range(row.name);
    for (auto binding = first; binding != last; ++binding) binding->second(window);
}

}  // namespace

std::string Window1ControlPropertyList(std::string_view controlName) {
    const auto& rows = Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (controlName == rows[i].name) return ListOf(i);
    }
    throw gui::NilObjectError("no control \"" + std::string(controlName) + "\" in the main window's layout");
}

void Window1::CreateControl(std::size_t index) {
    const Row& row = Rows()[index];
    switch (row.kind) {
        case Kind::Rectangle:
            return Create<gui::Rectangle>(*this, row, index);
        case Kind::Canvas:
            return Create<gui::Canvas>(*this, row, index);
        case Kind::GroupBox:
            return Create<gui::GroupBox>(*this, row, index);
        case Kind::RadioButton:
            return Create<gui::RadioButton>(*this, row, index);
        case Kind::TextField:
            return Create<gui::TextField>(*this, row, index);
        case Kind::Label:
            return Create<gui::Label>(*this, row, index);
        case Kind::Slider:
            return Create<gui::Slider>(*this, row, index);
        case Kind::CheckBox:
            return Create<gui::CheckBox>(*this, row, index);
        case Kind::PushButton:
            return Create<gui::PushButton>(*this, row, index);
    }
}

void Window1::CreateControls0() {
    for (std::size_t i = 0; i < kFirstRowOfCreateControls1; ++i) CreateControl(i);
}

void Window1::CreateControls1() {
    for (std::size_t i = kFirstRowOfCreateControls1; i < Rows().size(); ++i) CreateControl(i);
}
