#include "window/LayoutRuns.h"

#include "gui/PropertyList.h"

namespace LayoutRuns {

namespace {

using gui::PropertyListWriter;

// No control of these windows belongs to a control array.
constexpr std::int64_t kNoIndex = -2147483648LL;

constexpr gui::Color kWhite = gui::RGB(255, 255, 255);
constexpr gui::Color kBlack = gui::RGB(0, 0, 0);

// Every control list begins with this run.
void Common(PropertyListWriter& list, const Place& place, bool tabStop, bool lockedTopLeft = false) {
    list.Text("Name", place.name)
        .Integer("Index", kNoIndex)
        .Integer("Left", place.at.left)
        .Integer("Top", place.at.top)
        .Integer("Width", place.at.width)
        .Integer("Height", place.at.height)
        .Boolean("LockLeft", lockedTopLeft)
        .Boolean("LockTop", lockedTopLeft)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabIndex", place.tabIndex)
        .Integer("TabPanelIndex", 0);
    if (tabStop) list.Boolean("TabStop", true);
    list.Boolean("AllowAutoDeactivate", true);
}

// Every control list ends with its container.
std::string WithParent(PropertyListWriter& list, const Place& place) {
    list.Text("InitialParent", place.parent);
    return list.Bytes();
}

void EnabledAndVisible(PropertyListWriter& list, bool transparent) {
    list.Boolean("Enabled", true)
        .Text("Tooltip", "")
        .Boolean("Transparent", transparent)
        .Boolean("Visible", true);
}

void SystemFont(PropertyListWriter& list) {
    list.Text("FontName", "System").Single("FontSize", 0).Byte("FontUnit", 0);
}

void NotBoldItalicOrUnderlined(PropertyListWriter& list) {
    list.Boolean("Bold", false).Boolean("Italic", false).Boolean("Underline", false);
}

// The font run of group boxes and labels, whose order differs from the other controls'.
void Font(PropertyListWriter& list, std::string_view name, float size, bool underline) {
    list.Boolean("Bold", false)
        .Boolean("Italic", false)
        .Text("FontName", name)
        .Boolean("Underline", underline)
        .Single("FontSize", size)
        .Byte("FontUnit", 0);
}

}  // namespace

std::string Window(const WindowFrame& frame) {
    PropertyListWriter list;
    list.Integer("Width", frame.width)
        .Integer("Height", frame.height)
        .Integer("MinimumWidth", 64)
        .Integer("MinimumHeight", 64)
        .Integer("MaximumWidth", 32000)
        .Integer("MaximumHeight", 32000)
        .Integer("Type", 0)
        .Text("Title", frame.title)
        .Boolean("HasCloseButton", true)
        .Boolean("HasMaximizeButton", false)
        .Boolean("HasMinimizeButton", frame.hasMinimizeButton)
        .Boolean("HasFullScreenButton", false)
        .Boolean("Resizeable", false)
        .Boolean("Composite", false)
        .Integer("MacProcID", 0)
        .Boolean("FullScreen", false)
        .Integer("DefaultLocation", static_cast<std::int64_t>(frame.location))
        .Boolean("Visible", true)
        .Boolean("HasBackgroundColor", false)
        .Colour("BackgroundColor", kWhite)
        .Boolean("MenuBarVisible", true)
        .Boolean("LiveResize", true);
    return list.Bytes();
}

std::string Rectangle(const Place& place) {
    PropertyListWriter list;
    Common(list, place, false);
    list.Double("BorderThickness", 1.0)
        .Colour("BottomRightColor", kBlack)
        .Boolean("Enabled", true)
        .Colour("FillColor", kWhite)
        .Text("Tooltip", "")
        .Colour("TopLeftColor", kBlack)
        .Boolean("Transparent", true)
        .Boolean("Visible", true);
    return WithParent(list, place);
}

std::string Canvas(const Place& place) {
    PropertyListWriter list;
    Common(list, place, true);
    list.Boolean("Enabled", true)
        .Text("Tooltip", "")
        .Boolean("AllowFocusRing", true)
        .Boolean("Visible", true)
        .Boolean("AllowFocus", false)
        .Boolean("AllowTabs", false)
        .Boolean("Transparent", true)
        .Boolean("DoubleBuffer", false)
        .Boolean("Transparent", true);
    return WithParent(list, place);
}

std::string GroupBox(const Place& place, std::string_view caption) {
    PropertyListWriter list;
    Common(list, place, true);
    list.Text("Caption", caption);
    EnabledAndVisible(list, true);
    Font(list, "System", 0, false);
    return WithParent(list, place);
}

std::string RadioButton(const Place& place, std::string_view caption, bool selected) {
    PropertyListWriter list;
    Common(list, place, true);
    list.Text("Caption", caption);
    EnabledAndVisible(list, true);
    SystemFont(list);
    NotBoldItalicOrUnderlined(list);
    list.Boolean("Value", selected);
    return WithParent(list, place);
}

std::string TextField(const Place& place, std::string_view text, const TextFieldStyle& style) {
    PropertyListWriter list;
    Common(list, place, true);
    list.Colour("BackgroundColor", style.background)
        .Boolean("HasBorder", style.hasBorder)
        .Boolean("Enabled", true)
        .Text("Format", "")
        .Text("Tooltip", "")
        .Boolean("Password", false)
        .Colour("TextColor", kBlack)
        .Boolean("Transparent", true)
        .Boolean("AllowFocusRing", style.hasBorder)
        .Boolean("Visible", true);
    SystemFont(list);
    NotBoldItalicOrUnderlined(list);
    list.Text("Hint", "")
        .Text("Value", text)
        .Boolean("AllowTabs", false)
        .Integer("TextAlignment", style.textAlignment)
        .Boolean("AllowSpellChecking", false)
        .Integer("MaximumCharactersAllowed", 0)
        .Text("ValidationMask", "")
        .Boolean("ReadOnly", style.readOnly)
        .Text("DataSource", "")
        .Text("DataField", "");
    return WithParent(list, place);
}

std::string Label(const Place& place, std::string_view text, const LabelStyle& style) {
    PropertyListWriter list;
    Common(list, place, true);
    list.Boolean("Enabled", true)
        .Text("Tooltip", "")
        .Boolean("Multiline", style.multiline)
        .Boolean("Selectable", false)
        .Integer("TextAlignment", 0)
        .Colour("TextColor", style.textColor)
        .Boolean("Transparent", false)
        .Text("Value", text)
        .Boolean("Visible", true);
    Font(list, style.fontName, style.fontSize, style.underline);
    list.Text("DataSource", "").Text("DataField", "");
    return WithParent(list, place);
}

std::string Slider(const Place& place, const SliderRange& range) {
    PropertyListWriter list;
    Common(list, place, true);
    EnabledAndVisible(list, true);
    list.Integer("Value", range.value)
        .Integer("MinimumValue", range.minimum)
        .Integer("MaximumValue", range.maximum)
        .Integer("LineStep", 1)
        .Boolean("AllowLiveScrolling", true)
        .Integer("PageStep", range.pageStep)
        .Integer("TickMarkStyle", range.tickMarkStyle);
    return WithParent(list, place);
}

std::string CheckBox(const Place& place, std::string_view caption) {
    PropertyListWriter list;
    Common(list, place, true);
    list.Text("Caption", caption);
    EnabledAndVisible(list, true);
    list.Boolean("Bold", false).Boolean("Italic", false);
    SystemFont(list);
    list.Boolean("Underline", false)
        .Integer("VisualState", 0)
        .Boolean("Value", false)
        .Text("DataField", "")
        .Text("DataSource", "");
    return WithParent(list, place);
}

std::string PushButton(const Place& place, std::string_view caption, const PushButtonStyle& style) {
    PropertyListWriter list;
    Common(list, place, true, style.lockedTopLeft);
    list.Integer("MacButtonStyle", 0)
        .Boolean("Cancel", style.cancel)
        .Text("Caption", caption)
        .Boolean("Default", false);
    EnabledAndVisible(list, style.transparent);
    SystemFont(list);
    NotBoldItalicOrUnderlined(list);
    return WithParent(list, place);
}

}  // namespace LayoutRuns
