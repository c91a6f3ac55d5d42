#include "model/KoordSys.h"

#include <cmath>
#include <optional>

#include "gui/Graphics.h"
#include "gui/Numbers.h"
#include "model/Globals.h"

using gui::Round;
using gui::Str;

namespace {

constexpr std::int64_t kAxisReach = 1000;
constexpr std::int64_t kTicksPerSide = 10;
constexpr std::int64_t kTickHalf = 3;

// base + R(quotient) + 2, or base - R(quotient) + 2, for the "Time" caption; nothing when that is no whole
// number within the 64-bit range (an axis so close to vertical that it meets the edge far off the canvas).
std::optional<std::int64_t> CaptionHeight(std::int64_t base, bool subtract, double quotient) {
    const auto rounded = gui::RoundChecked(quotient);
    if (!rounded) return std::nullopt;
    const auto sum = subtract ? gui::SubtractChecked(base, *rounded) : gui::AddChecked(base, *rounded);
    if (!sum) return std::nullopt;
    return gui::AddChecked(*sum, 2);
}

}  // namespace

void KoordSys::Draw(gui::Graphics& g) {
    using namespace Globals;

    const double s = sinPhiTime;
    const double cT = std::sqrt(1 - std::pow(s, 2));
    const double tT = s / cT;

    g.PenSize(2);
    g.DrawingColor(cl);
    g.FontName("Arial");
    g.FontSize(10);

    {
        const std::int64_t a = Round(kAxisReach * s);
        const std::int64_t b = Round(kAxisReach * cT);
        g.DrawLine(Nx - a, Ny + b, Nx + a, Ny - b);
    }
    if (sinPhiTime == 0) {
        for (std::int64_t i = -kTicksPerSide; i <= kTicksPerSide; ++i) {
            if (i == 0) continue;
            const std::int64_t y = Ny + PixelsPerUnit * i;
            g.DrawLine(Nx - kTickHalf, y, Nx + kTickHalf, y);
            g.DrawString(Str(-i * y_val) + y_units + " ", Nx + 6, y);
        }
    }
    {
        std::int64_t x = Nx + Round(Ny * tT) + 3;
        std::int64_t y = 8;
        // An untilted axis forms no quotient: its caption stays at the top edge.
        if (x > gw - 30) {
            x = gw - 30;
            if (tT != 0) y = CaptionHeight(Ny, true, static_cast<double>(gw - Nx) / tT).value_or(8);
            if (y < 8) y = 8;
        }
        if (x < 2) {
            x = 2;
            if (tT != 0) y = CaptionHeight(Ny, false, static_cast<double>(Nx) / tT).value_or(8);
            if (y < 8) y = 8;
        }
        g.DrawString("Time", x, y);
    }

    const double r = sinPhiSpace;
    const double cS = std::sqrt(1 - std::pow(r, 2));
    const double tS = r / cS;

    {
        const std::int64_t a = Round(kAxisReach * cS);
        const std::int64_t b = Round(kAxisReach * r);
        g.DrawLine(Nx - a, Ny - b, Nx + a, Ny + b);
    }
    if (sinPhiSpace == 0) {
        for (std::int64_t j = -kTicksPerSide; j <= kTicksPerSide; ++j) {
            if (j == 0) continue;
            const std::int64_t x = Nx + PixelsPerUnit * j;
            g.DrawLine(x, Ny - kTickHalf, x, Ny + kTickHalf);
            g.DrawString(Str(j * x_Val) + x_units + " ", x, Ny + 14);
        }
    }
    {
        std::int64_t x = gw - 30;
        std::int64_t y = Ny + Round(static_cast<double>(gw - Nx) * tS) - 6;
        if (y > gh - 1) {
            y = gh - 1;
            x = Nx + Round(static_cast<double>(gh - Ny) / tS);
            if (x > gw - 32) x = gw - 32;
        }
        if (y < 8) {
            y = 8;
            x = Nx - Round(static_cast<double>(Ny) / tS);
            if (x > gw - 30) x = gw - 30;
        }
        g.DrawString("Space", x, y);
    }
}
