#pragma once

#include "gui/Color.h"

namespace gui {
class Graphics;
}

// One reference frame's pair of axes through the diagram origin, in the frame's colour.
class KoordSys {
  public:
    virtual ~KoordSys() = default;

    // Draws both axes, the ticks and labels of an untilted axis, and the "Time" and "Space" captions.
    virtual void Draw(gui::Graphics& g);

    double sinPhiTime = 0;  // sine of the time axis's tilt from the vertical; positive leans right at the top
    double sinPhiSpace =
        0;  // sine of the space axis's tilt from the horizontal; positive goes down at the right
    gui::Color cl = gui::RGB(0, 0, 0);
};
