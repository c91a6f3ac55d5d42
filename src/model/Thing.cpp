#include "model/Thing.h"

#include <cmath>

#include "gui/Graphics.h"
#include "gui/Numbers.h"
#include "model/Globals.h"

using gui::Round;

namespace {

constexpr std::int64_t kTraceReach = 1000;

struct Point {
    std::int64_t x;
    std::int64_t y;
};

// The three thin lines from the shadow's ends to their feet and between the ends, then the shadow itself.
void DrawShadow(gui::Graphics& g, Point left, Point leftFoot, Point right, Point rightFoot) {
    g.DrawLine(left.x, left.y, leftFoot.x, leftFoot.y);
    g.DrawLine(right.x, right.y, rightFoot.x, rightFoot.y);
    g.DrawLine(right.x, right.y, left.x, left.y);
    g.PenSize(2);
    g.DrawLine(leftFoot.x, leftFoot.y, rightFoot.x, rightFoot.y);
}

}  // namespace

void Thing::Draw(gui::Graphics& g) {
    using namespace Globals;

    if (!isVisible) return;

    const double v = sinPhi;
    const double cosPhi = std::sqrt(1 - std::pow(v, 2));
    const double tanPhi = v / cosPhi;
    const std::int64_t T = theTime;
    const std::int64_t L = length;
    g.PenSize(2);
    g.DrawingColor(cl);

    // The now line: our frame's events at time T.
    const std::int64_t yT = Ny - Round(T * cosPhi);

    if (index == ourSystem) {
        // At rest in our frame: the near end lies on our time axis at time T.
        const std::int64_t xo = Nx - Round(T * v);
        if (position == 0) {
            g.DrawLine(xo - L, yT, xo, yT);
        } else {
            g.DrawLine(xo, yT, xo + L, yT);
        }
        g.PenSize(1);

        if (hasTrace) {
            const std::int64_t a = Round(-kTraceReach * v);
            const std::int64_t b = Round(kTraceReach * cosPhi);
            const std::int64_t xf = position == 0 ? xo - L : xo + L;
            g.DrawLine(xf + a, yT - b, xf - a, yT + b);
        }

        if (hasShadow) {
            const Point nearEnd{xo, yT};
            const Point p = position == 0
                                ? Point{xo - Round(L * cosPhi * cosPhi), yT + Round(L * cosPhi * v)}
                                : Point{xo + Round(L * cosPhi * cosPhi), yT - Round(L * cosPhi * v)};
            const Point left = position == 0 ? p : nearEnd;
            const Point right = position == 0 ? nearEnd : p;
            // The foot on the other frame's space axis, straight below or above.
            const auto foot = [&](std::int64_t x) {
                return Point{x, yT + Round(T * cosPhi - static_cast<double>(x - Nx) * tanPhi)};
            };
            DrawShadow(g, left, foot(left.x), right, foot(right.x));
        }
    }
    if (index != ourSystem) {
        // At rest in the other frame: the near end lies on its vertical time axis, on our now line.
        const Point nearEnd{Nx, yT};
        const Point farEnd = position == 0 ? Point{Nx - Round(L * cosPhi), yT + Round(L * v)}
                                           : Point{Nx + Round(L * cosPhi), yT - Round(L * v)};
        const Point rodLeft = position == 0 ? farEnd : nearEnd;
        const Point rodRight = position == 0 ? nearEnd : farEnd;
        g.DrawLine(rodLeft.x, rodLeft.y, rodRight.x, rodRight.y);
        g.PenSize(1);

        if (hasTrace) {
            g.DrawLine(rodLeft.x, 0, rodLeft.x, gh);
            if (position != 0) g.DrawLine(rodRight.x, 0, rodRight.x, gh);
        }

        if (hasShadow) {
            // Our frame measures the rod at time T: the stretch of the now line between the ends' world
            // lines.
            const Point left{rodLeft.x, yT};
            const Point right{rodRight.x, yT};
            const auto foot = [&](Point q) { return Point{q.x + Round(T * v), Ny}; };
            DrawShadow(g, left, foot(left), right, foot(right));
        }
    }
}
