#include "gui/Clip.h"

#include <cmath>

namespace gui {

std::optional<LineF> ClipLine(const LineF& line, const ClipBox& box) {
    if (!std::isfinite(line.x1) || !std::isfinite(line.y1) || !std::isfinite(line.x2) ||
        !std::isfinite(line.y2)) {
        return std::nullopt;
    }
    // Liang-Barsky: the segment is p(t) = p1 + t * (p2 - p1), 0 <= t <= 1.
    const double dx = line.x2 - line.x1;
    const double dy = line.y2 - line.y1;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.x1 - box.left, box.right - line.x1, line.y1 - box.top, box.bottom - line.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return std::nullopt;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return std::nullopt;
            if (t < t1) t1 = t;
        }
    }
    LineF clipped{line.x1 + t0 * dx, line.y1 + t0 * dy, line.x1 + t1 * dx, line.y1 + t1 * dy};
    // Keep exact endpoints where the segment was not cut.
    if (t0 == 0) {
        clipped.x1 = line.x1;
        clipped.y1 = line.y1;
    }
    if (t1 == 1) {
        clipped.x2 = line.x2;
        clipped.y2 = line.y2;
    }
    return clipped;
}

}  // namespace gui
