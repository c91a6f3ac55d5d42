#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gui {

// Nearest whole number, ties away from zero. Empty when x is NaN, infinite or its rounded value lies
// outside the 64-bit range: such a value is never cast.
std::optional<std::int64_t> RoundChecked(double x);

// As RoundChecked, for values that are known to be roundable; throws std::range_error otherwise.
std::int64_t Round(double x);

// Whole-number sums whose overflow must be seen rather than wrapped.
std::optional<std::int64_t> AddChecked(std::int64_t a, std::int64_t b);
std::optional<std::int64_t> SubtractChecked(std::int64_t a, std::int64_t b);

// The digits of n, with "-" when negative.
std::string Str(std::int64_t n);
inline std::string Str(int n) {
    return Str(static_cast<std::int64_t>(n));
}

// The shortest text of at most 15 significant digits, plain decimals for ordinary magnitudes, never "-0".
// A number strictly between -1 and 1 whose 15 digits would read back as -1 or 1, and a finite number whose
// 15 digits would read back as infinity, is written exactly instead.
std::string Str(double x);

// Optional blanks, then the longest prefix that is a decimal number; anything else reads as 0.
// A decimal number beyond the double range reads as plus or minus infinity.
double Val(std::string_view text);

// A pattern such as "-##.00": as many decimals as zeros after the point, rounded half away from zero on
// the exact value, at least one whole digit, and "-" only when the text shown is not zero.
std::string Format(double value, std::string_view pattern);

}  // namespace gui
