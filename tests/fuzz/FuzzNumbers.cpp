// Any text read as a number, written back, formatted and rounded: nothing may crash or misbehave, and what
// Str writes must read back within its 15 digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gui/Numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double v = gui::Val(text);
    if (std::isnan(v)) std::abort();
    const std::string written = gui::Str(v);
    const double back = gui::Val(written);
    if (std::isfinite(v) && v != 0 && std::fabs(back - v) > std::fabs(v) * 1e-14) std::abort();
    (void)gui::Format(v, "-##.00");
    (void)gui::Format(v * 1e-300, "-###.00");
    (void)gui::RoundChecked(v);
    return 0;
}
