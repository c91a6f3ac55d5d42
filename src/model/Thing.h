#pragma once

#include <cstdint>

#include "gui/Color.h"

namespace gui {
class Graphics;
}

// A rod at rest in one of the two frames, drawn at our frame's current time, with its world lines (trace)
// and its length as the other frame measures it (shadow).
class Thing {
  public:
    virtual ~Thing() = default;

    virtual void Draw(gui::Graphics& g);

    std::int64_t length = 144;  // pixels in its own frame
    std::int64_t position = 2;  // 0: left of its frame's time axis, 1: right of it
    bool isVisible = false;
    bool hasShadow = false;
    bool hasTrace = false;
    gui::Color cl = gui::RGB(0, 0, 0);
    std::int64_t index = 0;  // the frame it rests in: 0 black, 1 red
};
