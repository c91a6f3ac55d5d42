#include "window/LayoutRuns.h"

namespace LayoutRuns {

// No control of these windows belongs to a control array.
constexpr std::int64_t kNoIndex = -2147483648LL;

void Common(gui::PropertyListWriter& list, std::string_view name, Geometry at, std::int64_t tabIndex,
            bool tabStop, bool lockedTopLeft) {
    list.Text("Name", name)
        .Integer("Index", kNoIndex)
        .Integer("Left", at.left)
        .Integer("Top", at.top)
        .Integer("Width", at.width)
        .Integer("Height", at.height)
        .Boolean("LockLeft", lockedTopLeft)
        .Boolean("LockTop", lockedTopLeft)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabIndex", tabIndex)
        .Integer("TabPanelIndex", 0);
    if (tabStop) list.Boolean("TabStop", true);
    list.Boolean("AllowAutoDeactivate", true);
}

void Rectangle(gui::PropertyListWriter& list) {
    list.Double("BorderThickness", 1.0)
        .Colour("BottomRightColor", gui::RGB(0, 0, 0))
        .Boolean("Enabled", true)
        .Colour("FillColor", gui::RGB(255, 255, 255))
        .Text("Tooltip", "")
        .Colour("TopLeftColor", gui::RGB(0, 0, 0))
        .Boolean("Transparent", true)
        .Boolean("Visible", true);
}

void Canvas(gui::PropertyListWriter& list) {
    list.Boolean("Enabled", true)
        .Text("Tooltip", "")
        .Boolean("AllowFocusRing", true)
        .Boolean("Visible", true)
        .Boolean("AllowFocus", false)
        .Boolean("AllowTabs", false)
        .Boolean("Transparent", true)
        .Boolean("DoubleBuffer", false)
        .Boolean("Transparent", true);
}

void Label(gui::PropertyListWriter& list, std::string_view text, const LabelStyle& style) {
    list.Boolean("Enabled", true)
        .Text("Tooltip", "")
        .Boolean("Multiline", style.multiline)
        .Boolean("Selectable", false)
        .Integer("TextAlignment", 0)
        .Colour("TextColor", style.textColor)
        .Boolean("Transparent", false)
        .Text("Value", text)
        .Boolean("Visible", true)
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Text("FontName", style.fontName)
        .Boolean("Underline", style.underline)
        .Single("FontSize", style.fontSize)
        .Byte("FontUnit", 0)
        .Text("DataSource", "")
        .Text("DataField", "");
}

}  // namespace LayoutRuns
