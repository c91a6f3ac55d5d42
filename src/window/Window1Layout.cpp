#include <array>
#include <functional>
#include <map>

#include "gui/PropertyList.h"
#include "window/LayoutRuns.h"
#include "window/Window1.h"

namespace {

using gui::Color;
using gui::RGB;

enum class Kind { Rectangle, Canvas, GroupBox, RadioButton, TextField, Label, Slider, CheckBox, PushButton };

// The three kinds of text field: the speed entry, the time readout and the event readouts.
enum class Field { None, Speed, Time, Event };

struct Row {
    const char* name;
    Kind kind;
    const char* parent;  // "" for the window itself
    const char* text;    // Caption of group boxes and buttons, Value of labels and text fields
    std::int64_t left, top, width, height;
    // Sliders: range, value, page step, tick mark style.
    std::int64_t minimum = 0, maximum = 0, value = 0, pageStep = 0, tickMarkStyle = 0;
    bool selected = false;  // radio buttons
    Field field = Field::None;
};

constexpr Kind R = Kind::Rectangle, C = Kind::Canvas, G = Kind::GroupBox, O = Kind::RadioButton,
               F = Kind::TextField, L = Kind::Label, S = Kind::Slider, X = Kind::CheckBox,
               P = Kind::PushButton;

Row Slide(const char* name, const char* parent, std::int64_t left, std::int64_t top, std::int64_t width,
          std::int64_t minimum, std::int64_t maximum, std::int64_t value, std::int64_t pageStep,
          std::int64_t ticks) {
    Row row{name, S, parent, "", left, top, width, 16};
    row.minimum = minimum;
    row.maximum = maximum;
    row.value = value;
    row.pageStep = pageStep;
    row.tickMarkStyle = ticks;
    return row;
}

Row Edit(const char* name, const char* parent, const char* text, std::int64_t left, std::int64_t top,
         std::int64_t width, std::int64_t height, Field field) {
    Row row{name, F, parent, text, left, top, width, height};
    row.field = field;
    return row;
}

Row Radio(const char* name, const char* text, std::int64_t left, std::int64_t width, bool selected) {
    Row row{name, O, "GroupBox1", text, left, 42, width, 20};
    row.selected = selected;
    return row;
}

// The controls in creation order: each container is followed by what it holds, both in tab order.
const std::array<Row, 53>& Rows() {
    static const std::array<Row, 53> rows{{
        {"Rectangle1", R, "", "", 20, 20, 663, 583},
        {"Canvas1", C, "Rectangle1", "", 33, 35, 636, 553},
        {"GroupBox1", G, "", "we think with", 703, 19, 171, 48},
        Radio("RadioButton1", "black", 717, 61, true),
        Radio("RadioButton2", "red", 796, 46, false),
        {"GroupBox2", G, "", "relative speed", 702, 79, 171, 84},
        Edit("EditField2", "GroupBox2", "0.6", 775, 107, 80, 22, Field::Speed),
        {"StaticText1", L, "GroupBox2", "v/c", 731, 108, 32, 20},
        Slide("SpeedSlider", "GroupBox2", 718, 138, 131, 1, 39, 32, 1, 0),
        {"GroupBox3", G, "", "units", 687, 175, 171, 60},
        Slide("UnitSlider", "GroupBox3", 703, 209, 131, 0, 9, 3, 1, 2),
        {"GroupBox4", G, "", "black object", 703, 257, 171, 162},
        {"StaticText2", L, "GroupBox4", "Position", 719, 283, 56, 20},
        Slide("BlackPosSlider", "GroupBox4", 796, 289, 41, 0, 1, 1, 1, 2),
        {"StaticText4", L, "GroupBox4", "Length", 719, 311, 45, 20},
        Slide("BlackLengthSlider", "GroupBox4", 772, 317, 84, 1, 12, 6, 1, 2),
        {"CheckBox1", X, "GroupBox4", "is visible", 719, 339, 100, 20},
        {"CheckBox2", X, "GroupBox4", "has Trace", 719, 364, 100, 20},
        {"CheckBox3", X, "GroupBox4", "has Shadow", 719, 390, 100, 20},
        {"GroupBox5", G, "", "red object", 703, 441, 171, 162},
        {"StaticText3", L, "GroupBox5", "Position", 719, 467, 56, 20},
        Slide("RedPosSlider", "GroupBox5", 796, 473, 41, 0, 1, 0, 1, 2),
        {"StaticText5", L, "GroupBox5", "Length", 719, 491, 45, 20},
        Slide("RedLengthSlider", "GroupBox5", 776, 499, 84, 1, 12, 6, 1, 2),
        {"CheckBox4", X, "GroupBox5", "is visible", 719, 523, 100, 20},
        {"CheckBox5", X, "GroupBox5", "has Shadow", 719, 575, 100, 20},
        {"CheckBox6", X, "GroupBox5", "has Trace", 719, 549, 100, 20},
        {"GroupBox6", G, "", "the time", 620, 618, 254, 98},
        Slide("TimeSlider", "GroupBox6", 636, 649, 224, 0, 1000, 572, 24, 0),
        {"PushButton1", P, "GroupBox6", "back", 636, 677, 59, 20},
        {"PushButton2", P, "GroupBox6", "ahead", 806, 677, 59, 20},
        Edit("EditField14", "GroupBox6", "10.00 ns", 715, 677, 73, 20, Field::Time),
        {"GroupBox7", G, "", "black says", 20, 618, 275, 143},
        {"StaticText7", L, "GroupBox7", "all my clocks read then", 32, 645, 157, 20},
        {"StaticText8", L, "GroupBox7", "my event position", 32, 674, 134, 20},
        {"StaticText9", L, "GroupBox7", "that red clock there reads", 32, 702, 181, 20},
        {"StaticText10", L, "GroupBox7", "red's event position", 32, 730, 167, 20},
        Edit("EditField10", "GroupBox7", "", 218, 646, 68, 20, Field::Event),
        Edit("EditField11", "GroupBox7", "", 218, 673, 68, 20, Field::Event),
        Edit("EditField12", "GroupBox7", "", 218, 702, 68, 20, Field::Event),
        Edit("EditField13", "GroupBox7", "", 218, 730, 68, 20, Field::Event),
        {"GroupBox8", G, "", "red says", 320, 618, 275, 143},
        {"StaticText11", L, "GroupBox8", "all my clocks read then", 334, 702, 167, 20},
        Edit("EditField6", "GroupBox8", "", 513, 644, 68, 20, Field::Event),
        {"StaticText12", L, "GroupBox8", "my event position", 334, 730, 134, 20},
        {"StaticText13", L, "GroupBox8", "that black clock there reads", 334, 646, 175, 20},
        {"StaticText14", L, "GroupBox8", "black's event position", 334, 673, 175, 20},
        Edit("EditField7", "GroupBox8", "", 513, 672, 68, 20, Field::Event),
        Edit("EditField8", "GroupBox8", "", 513, 701, 68, 20, Field::Event),
        Edit("EditField9", "GroupBox8", "", 513, 730, 68, 19, Field::Event),
        {"PushButton3", P, "", "Quit", 812, 738, 58, 20},
        {"CheckBox7", X, "", "show light cone", 620, 738, 126, 20},
        {"PushButton4", P, "", "About", 745, 738, 58, 20},
    }};
    return rows;
}

// The first 30 rows are created by CreateControls0, the rest by CreateControls1.
constexpr std::size_t kFirstHalf = 30;

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kReadoutGrey = RGB(216, 216, 216);

// Tab order within a container is creation order.
std::int64_t TabIndexOf(std::size_t index) {
    const auto& rows = Rows();
    std::int64_t tab = 0;
    for (std::size_t i = 0; i < index; ++i) {
        if (std::string_view(rows[i].parent) == rows[index].parent) ++tab;
    }
    return tab;
}

void SystemFont(gui::PropertyListWriter& list) {
    list.Text("FontName", "System").Single("FontSize", 0).Byte("FontUnit", 0);
}

void NoStyle(gui::PropertyListWriter& list, const char* first, const char* second, const char* third) {
    list.Boolean(first, false).Boolean(second, false).Boolean(third, false);
}

std::string ListOf(std::size_t index) {
    const Row& row = Rows()[index];
    const bool aboutButton = std::string_view(row.name) == "PushButton4";
    gui::PropertyListWriter list;
    LayoutRuns::Common(list, row.name, {row.left, row.top, row.width, row.height}, TabIndexOf(index),
                       row.kind != Kind::Rectangle, aboutButton);

    switch (row.kind) {
        case Kind::Rectangle:
            LayoutRuns::Rectangle(list);
            break;
        case Kind::Canvas:
            LayoutRuns::Canvas(list);
            break;
        case Kind::GroupBox:
            list.Text("Caption", row.text)
                .Boolean("Enabled", true)
                .Text("Tooltip", "")
                .Boolean("Transparent", true)
                .Boolean("Visible", true)
                .Boolean("Bold", false)
                .Boolean("Italic", false)
                .Text("FontName", "System")
                .Boolean("Underline", false)
                .Single("FontSize", 0)
                .Byte("FontUnit", 0);
            break;
        case Kind::RadioButton:
            list.Text("Caption", row.text)
                .Boolean("Enabled", true)
                .Text("Tooltip", "")
                .Boolean("Transparent", true)
                .Boolean("Visible", true);
            SystemFont(list);
            NoStyle(list, "Bold", "Italic", "Underline");
            list.Boolean("Value", row.selected);
            break;
        case Kind::TextField: {
            const bool speed = row.field == Field::Speed;
            const bool time = row.field == Field::Time;
            list.Colour("BackgroundColor", speed ? kWhite : kReadoutGrey)
                .Boolean("HasBorder", speed)
                .Boolean("Enabled", true)
                .Text("Format", "")
                .Text("Tooltip", "")
                .Boolean("Password", false)
                .Colour("TextColor", kBlack)
                .Boolean("Transparent", true)
                .Boolean("AllowFocusRing", speed)
                .Boolean("Visible", true);
            SystemFont(list);
            NoStyle(list, "Bold", "Italic", "Underline");
            list.Text("Hint", "")
                .Text("Value", row.text)
                .Boolean("AllowTabs", false)
                .Integer("TextAlignment", time ? 2 : 0)
                .Boolean("AllowSpellChecking", false)
                .Integer("MaximumCharactersAllowed", 0)
                .Text("ValidationMask", "")
                .Boolean("ReadOnly", time)
                .Text("DataSource", "")
                .Text("DataField", "");
            break;
        }
        case Kind::Label:
            LayoutRuns::Label(list, row.text);
            break;
        case Kind::Slider:
            list.Boolean("Enabled", true)
                .Text("Tooltip", "")
                .Boolean("Transparent", true)
                .Boolean("Visible", true)
                .Integer("Value", row.value)
                .Integer("MinimumValue", row.minimum)
                .Integer("MaximumValue", row.maximum)
                .Integer("LineStep", 1)
                .Boolean("AllowLiveScrolling", true)
                .Integer("PageStep", row.pageStep)
                .Integer("TickMarkStyle", row.tickMarkStyle);
            break;
        case Kind::CheckBox:
            list.Text("Caption", row.text)
                .Boolean("Enabled", true)
                .Text("Tooltip", "")
                .Boolean("Transparent", true)
                .Boolean("Visible", true)
                .Boolean("Bold", false)
                .Boolean("Italic", false);
            SystemFont(list);
            list.Boolean("Underline", false)
                .Integer("VisualState", 0)
                .Boolean("Value", false)
                .Text("DataField", "")
                .Text("DataSource", "");
            break;
        case Kind::PushButton:
            list.Integer("MacButtonStyle", 0)
                .Boolean("Cancel", aboutButton)
                .Text("Caption", row.text)
                .Boolean("Default", false)
                .Boolean("Enabled", true)
                .Text("Tooltip", "")
                .Boolean("Transparent", !aboutButton)
                .Boolean("Visible", true);
            SystemFont(list);
            NoStyle(list, "Bold", "Italic", "Underline");
            break;
    }
    list.Text("InitialParent", row.parent);
    return list.Bytes();
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
    for (std::size_t i = 0; i < kFirstHalf; ++i) CreateControl(i);
}

void Window1::CreateControls1() {
    for (std::size_t i = kFirstHalf; i < Rows().size(); ++i) CreateControl(i);
}
