#pragma once

#include <cstdint>

namespace gui {

// An RGB colour. `alpha` 0 is opaque, as the layout's colour values have it.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;

    friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color RGB(int red, int green, int blue, int alpha = 0) {
    return Color{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                 static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(alpha)};
}

}  // namespace gui
