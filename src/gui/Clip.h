#pragma once

#include <optional>

namespace gui {

struct ClipBox {
    double left;
    double top;
    double right;
    double bottom;
};

struct LineF {
    double x1;
    double y1;
    double x2;
    double y2;
};

// The part of the segment that lies inside the box, in double precision, or nothing when no part does.
// Endpoints of any finite size are handled, so a raster or PDF engine only ever sees values near the box.
std::optional<LineF> ClipLine(const LineF& line, const ClipBox& box);

}  // namespace gui
