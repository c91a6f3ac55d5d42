// The diagram canvas: origin drag, the pressed event with its projection lines, and the readouts.
#include <cmath>
#include <cstdlib>

#include "gui/Graphics.h"
#include "gui/Numbers.h"
#include "model/Globals.h"
#include "window/Window1.h"

using gui::Round;

namespace {

// The origin hit square: offsets -7 to 7 on both axes.
constexpr double kOriginHit = 8;
// The origin stays more than this far inside every edge.
constexpr std::int64_t kDragMargin = 20;

bool NearOrigin(std::int64_t x, std::int64_t y) {
    return std::abs(static_cast<double>(x - Globals::Nx)) < kOriginHit &&
           std::abs(static_cast<double>(y - Globals::Ny)) < kOriginHit;
}

std::string TimeText(double q) {
    return gui::Format((static_cast<double>(Globals::y_val) * q) / Globals::PixelsPerUnit, "-##.00") +
           Globals::y_units;
}

std::string DistanceText(double q) {
    return gui::Format((static_cast<double>(Globals::x_Val) * q) / Globals::PixelsPerUnit, "-##.00") +
           Globals::x_units;
}

}  // namespace

bool Window1::Canvas1_MouseDown(gui::Canvas&, std::int64_t x, std::int64_t y) {
    using namespace Globals;
    if (NearOrigin(x, y)) {
        inKoordDragMode = true;
    } else {
        inProjectingMode = true;
        Mx = x;
        My = y;
        Canvas1().Refresh(true);
    }
    return true;
}

void Window1::Canvas1_MouseDrag(gui::Canvas&, std::int64_t x, std::int64_t y) {
    using namespace Globals;
    if (!inKoordDragMode) return;
    if (kDragMargin < x && x < gw - kDragMargin && kDragMargin < y && y < gh - kDragMargin) {
        Nx = x;
        Ny = y;
        Canvas1().Refresh(true);
    }
}

void Window1::Canvas1_MouseUp(gui::Canvas&, std::int64_t, std::int64_t) {
    using namespace Globals;
    inKoordDragMode = false;
    if (inProjectingMode) {
        inProjectingMode = false;
        Canvas1().Refresh(true);
    }
}

void Window1::Canvas1_MouseMove(gui::Canvas& control, std::int64_t x, std::int64_t y) {
    control.MouseCursor(NearOrigin(x, y) ? gui::System::Cursors::HandOpen
                                         : gui::System::Cursors::StandardPointer);
}

void Window1::Canvas1_Paint(gui::Canvas&, gui::Graphics& g, const std::vector<gui::Rect>&) {
    using namespace Globals;
    g.DrawingColor(gui::RGB(255, 255, 255));
    g.FillRect(0, 0, Canvas1().Width(), Canvas1().Height());
    Print(g);
    if (!inProjectingMode) return;

    const double cosPhi = std::sqrt(1 - std::pow(sinPhi, 2));
    const double tanPhi = sinPhi / cosPhi;
    const double dx = static_cast<double>(Mx - Nx);
    const double dy = static_cast<double>(Ny - My);
    const double tOur = dy / cosPhi;
    const double xOur = dx + dy * tanPhi;
    const double tOther = dy - dx * tanPhi;
    const double xOther = dx / cosPhi;

    const bool blackIsOurs = ourSystem == 0;
    EditField10().Text(TimeText(blackIsOurs ? tOur : tOther));
    EditField6().Text(EditField10().Text());
    EditField11().Text(DistanceText(blackIsOurs ? xOur : xOther));
    EditField7().Text(EditField11().Text());
    EditField12().Text(TimeText(blackIsOurs ? tOther : tOur));
    EditField8().Text(EditField12().Text());
    EditField13().Text(DistanceText(blackIsOurs ? xOther : xOur));
    EditField9().Text(EditField13().Text());

    const gui::Color black = gui::RGB(0, 0, 0);
    const gui::Color red = gui::RGB(255, 0, 0);
    g.PenSize(1);
    if (blackIsOurs) {
        g.DrawingColor(black);
        g.DrawLine(Mx, My, Nx + Round(xOur), Ny);
        g.DrawLine(Mx, My, Nx - Round((dy / cosPhi) * sinPhi), My);
        g.DrawingColor(red);
        g.DrawLine(Mx, My, Nx, Ny - Round(tOther));
        g.DrawLine(Mx, My, Mx, Ny - Round((dx / cosPhi) * sinPhi));
    } else {
        g.DrawingColor(red);
        g.DrawLine(Mx, My, Mx - Round(xOur), My);
        g.DrawLine(Mx, My, Nx + Round(xOur), Ny);
        g.DrawingColor(black);
        g.DrawLine(Mx, My, Mx, My + Round(tOther));
        g.DrawLine(Mx, My, Nx, Ny - Round(tOther));
    }
}
