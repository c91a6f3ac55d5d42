#pragma once

#include <string>

namespace gui {
class RectControl;
}

// What a control's drawing shows, read back from the drawing itself: the control is drawn into a recording
// device and the characters that land inside its text room are collected, left to right.
struct ShownText {
    std::string text;
    // Every character drawn lies inside the room (nothing scrolled or clipped away).
    bool whole = false;
    double pixelSize = 0;
    int stretch = 100;
    // The longest text run the drawing handed to the text engine, in characters.
    long long longestRun = 0;
    // All the characters the drawing handed to the text engine, every run together.
    long long handed = 0;
};
ShownText Shown(const gui::RectControl& control);
