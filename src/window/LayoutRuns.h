#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gui/Color.h"
#include "gui/Window.h"

// The property lists of the windows and of their controls, one writer per class, each list in the order the
// runtime reads it.
namespace LayoutRuns {

// A window's own list. Every window of the program has a fixed size, a close button, no maximise button and
// the menu bar.
struct WindowFrame {
    std::int64_t width;
    std::int64_t height;
    std::string_view title;
    bool hasMinimizeButton;
    gui::Window::Locations location;
};

std::string Window(const WindowFrame& frame);

struct Geometry {
    std::int64_t left;
    std::int64_t top;
    std::int64_t width;
    std::int64_t height;
};

// Where a control sits: its box in window coordinates, its place in its container's tab order, and its
// container ("" for the window itself).
struct Place {
    std::string_view name;
    Geometry at;
    std::int64_t tabIndex;
    std::string_view parent;
};

// White fill and a black border of thickness 1; a rectangle takes no tab stop.
std::string Rectangle(const Place& place);

// A canvas that takes no focus and is not double-buffered.
std::string Canvas(const Place& place);

std::string GroupBox(const Place& place, std::string_view caption);

std::string RadioButton(const Place& place, std::string_view caption, bool selected);

struct TextFieldStyle {
    gui::Color background;
    bool hasBorder;  // a field with a border also shows the focus ring
    std::int64_t textAlignment;
    bool readOnly;
};

std::string TextField(const Place& place, std::string_view text, const TextFieldStyle& style);

struct LabelStyle {
    std::string_view fontName = "System";
    float fontSize = 0;
    bool multiline = false;
    gui::Color textColor = gui::RGB(0, 0, 0);
    bool underline = false;
};

std::string Label(const Place& place, std::string_view text, const LabelStyle& style = {});

struct SliderRange {
    std::int64_t minimum;
    std::int64_t maximum;
    std::int64_t value;
    std::int64_t pageStep;
    std::int64_t tickMarkStyle;
};

std::string Slider(const Place& place, const SliderRange& range);

std::string CheckBox(const Place& place, std::string_view caption);

struct PushButtonStyle {
    bool cancel = false;
    bool transparent = true;
    bool lockedTopLeft = false;
};

std::string PushButton(const Place& place, std::string_view caption, const PushButtonStyle& style = {});

}  // namespace LayoutRuns
