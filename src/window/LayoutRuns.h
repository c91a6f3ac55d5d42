#pragma once

#include <cstdint>
#include <string_view>

#include "gui/Color.h"
#include "gui/PropertyList.h"

// The runs of entries that the windows' control lists share, in list order.
namespace LayoutRuns {

struct Geometry {
    std::int64_t left;
    std::int64_t top;
    std::int64_t width;
    std::int64_t height;
};

// Every list begins with this run; a rectangle has no TabStop entry.
void Common(gui::PropertyListWriter& list, std::string_view name, Geometry at, std::int64_t tabIndex,
            bool tabStop = true, bool lockedTopLeft = false);

// White fill and a black border of thickness 1.
void Rectangle(gui::PropertyListWriter& list);

// A canvas that takes no focus and is not double-buffered.
void Canvas(gui::PropertyListWriter& list);

struct LabelStyle {
    std::string_view fontName = "System";
    float fontSize = 0;
    bool multiline = false;
    gui::Color textColor = gui::RGB(0, 0, 0);
    bool underline = false;
};

void Label(gui::PropertyListWriter& list, std::string_view text, const LabelStyle& style = {});

}  // namespace LayoutRuns
