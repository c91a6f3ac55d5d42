// Any text read as a number, and the number written, formatted and rounded, each against an oracle of its
// own: Val against the C library's strtod, Str against reading its text back, Format against the exact
// decimal expansion of the double, RoundChecked against llround.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "gui/Numbers.h"

namespace {

void Check(bool holds, const char* rule, double x, const std::string& detail) {
    if (holds) return;
    std::fprintf(stderr, "%s: %a (%.17g): %s\n", rule, x, x, detail.c_str());
    std::abort();
}

bool SameDouble(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

// A whole number in base 10^9 digits, least significant first: enough to write a double exactly.
class BigNumber {
  public:
    explicit BigNumber(std::uint64_t n) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(n % kBase));
            n /= kBase;
        } while (n != 0);
    }

    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry != 0; carry /= kBase) limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
    }

    // Multiplies by base^count, a few factors at a time.
    void MultiplyByPower(std::uint32_t base, std::uint32_t chunk, int chunkExponent, int count) {
        for (; count >= chunkExponent; count -= chunkExponent) Multiply(chunk);
        for (; count > 0; --count) Multiply(base);
    }

    std::string Digits() const {
        std::string digits = std::to_string(limbs_.back());
        for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
            const std::string part = std::to_string(*limb);
            digits += std::string(9 - part.size(), '0') + part;
        }
        return digits;
    }

  private:
    static constexpr std::uint32_t kBase = 1'000'000'000;
    std::vector<std::uint32_t> limbs_;
};

// Every decimal digit of a finite |x|: the whole part, then `fractionDigits` digits after the point.
struct ExactDecimal {
    std::string digits;
    std::size_t fractionDigits = 0;
};

ExactDecimal Exact(double x) {
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(x), &exponent);
    // |x| = m * 2^e with a whole m below 2^53.
    BigNumber n(static_cast<std::uint64_t>(std::ldexp(mantissa, 53)));
    const int e = exponent - 53;
    ExactDecimal exact;
    if (e >= 0) {
        n.MultiplyByPower(2, 1u << 30, 30, e);
        exact.digits = n.Digits();
    } else {
        // m / 2^k = m * 5^k / 10^k
        n.MultiplyByPower(5, 1'220'703'125u, 13, -e);
        exact.fractionDigits = static_cast<std::size_t>(-e);
        exact.digits = n.Digits();
        if (exact.digits.size() <= exact.fractionDigits) {
            exact.digits.insert(0, exact.fractionDigits + 1 - exact.digits.size(), '0');
        }
    }
    return exact;
}

// What Format must give: the exact value cut after `decimals` digits, one more in the last digit when the
// part cut off is half a unit of that digit or more (ties away from zero), at least one whole digit, and
// "-" only before a text that is not all zeros.
std::string ExpectedFormat(double x, ExactDecimal exact, std::size_t decimals, bool showMinus) {
    if (exact.fractionDigits < decimals) {
        exact.digits.append(decimals - exact.fractionDigits, '0');
        exact.fractionDigits = decimals;
    }
    const std::size_t kept = exact.digits.size() - exact.fractionDigits + decimals;
    std::string digits = exact.digits.substr(0, kept);
    const std::string_view cut = std::string_view(exact.digits).substr(kept);
    const bool tie = !cut.empty() && cut[0] == '5' && cut.find_first_not_of('0', 1) == std::string_view::npos;
    const bool aboveHalf = !cut.empty() && (cut[0] > '5' || (cut[0] == '5' && !tie));
    if (aboveHalf || tie) {
        std::size_t i = digits.size();
        for (; i > 0 && digits[i - 1] == '9'; --i) digits[i - 1] = '0';
        if (i == 0) {
            digits.insert(0, "1");
        } else {
            ++digits[i - 1];
        }
    }
    std::string whole = digits.substr(0, digits.size() - decimals);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    std::string text = whole;
    if (decimals > 0) text += "." + digits.substr(digits.size() - decimals);
    if (showMinus && x < 0 && digits.find_first_not_of('0') != std::string::npos) text.insert(0, "-");
    return text;
}

void CheckFormat(double x) {
    struct Pattern {
        const char* text;
        std::size_t decimals;
        bool showMinus;
    } patterns[] = {
        {"-##.00", 2, true}, {"-###.00", 2, true}, {"-#", 0, true},
        {"-#.0", 1, true},   {"##.000", 3, false}, {"-#.0000000000", 10, true},
    };
    if (!std::isfinite(x)) {
        for (const auto& p : patterns)
            Check(gui::Format(x, p.text) == gui::Str(x), "Format of no number", x, p.text);
        return;
    }
    const ExactDecimal exact = Exact(x);
    for (const auto& p : patterns) {
        const std::string text = gui::Format(x, p.text);
        const std::string expected = ExpectedFormat(x, exact, p.decimals, p.showMinus);
        Check(text == expected, "Format", x, std::string(p.text) + " gives " + text + ", not " + expected);
    }
}

void CheckStr(double x) {
    const std::string text = gui::Str(x);
    if (std::isnan(x)) return Check(text == "nan", "Str of NaN", x, text);
    if (std::isinf(x)) return Check(text == (x < 0 ? "-inf" : "inf"), "Str of infinity", x, text);
    if (x == 0) return Check(text == "0", "Str of zero", x, text);
    const double back = gui::Val(text);
    Check((std::fabs(x) < 1) == (std::fabs(back) < 1), "Str crosses 1 or -1", x, text);
    const std::size_t digitsEnd = std::min(text.find('e'), text.size());
    std::size_t significant = 0;
    bool leading = true;
    for (std::size_t i = 0; i < digitsEnd; ++i) {
        if (text[i] < '0' || text[i] > '9') continue;
        leading = leading && text[i] == '0';
        if (!leading) ++significant;
    }
    if (significant > 15) {
        Check(back == x, "Str beyond 15 digits is not exact", x, text);
    } else {
        // Half a unit in the 15th digit, plus the reading's own rounding (absolute among subnormals).
        Check(std::fabs(back - x) <= std::fabs(x) * 5.2e-15 + 0x1p-1074, "Str keeps 15 digits", x, text);
    }
}

void CheckRound(double x) {
    // Where llround has a result: finite, and the rounded value inside the 64-bit range. Every double at
    // these magnitudes is whole, so the bounds apply to x itself.
    const bool defined = std::isfinite(x) && x >= -0x1p63 && x < 0x1p63;
    const auto rounded = gui::RoundChecked(x);
    Check(rounded.has_value() == defined, "RoundChecked refuses or takes", x, defined ? "refused" : "taken");
    if (!defined) {
        bool threw = false;
        try {
            (void)gui::Round(x);
        } catch (const std::range_error&) {
            threw = true;
        }
        return Check(threw, "Round of an unroundable value", x, "no error");
    }
    const long long expected = std::llround(x);
    Check(*rounded == expected, "RoundChecked", x,
          std::to_string(*rounded) + ", not " + std::to_string(expected));
    Check(gui::Round(x) == expected, "Round", x, std::to_string(gui::Round(x)));
}

void CheckVal(std::string_view text) {
    // Val reads what strtod reads of the text's beginning in the decimal alphabet: strtod alone would also
    // take "inf", "nan", hexadecimal and other blanks.
    const std::size_t end = std::min(text.find_first_not_of(" \t0123456789.+-eE"), text.size());
    const std::string decimal(text.substr(0, end));
    const double expected = std::strtod(decimal.c_str(), nullptr);
    const double value = gui::Val(text);
    Check(SameDouble(value, expected), "Val", value,
          "strtod reads " + decimal + " as " + std::to_string(expected));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // strtod follows the locale; the oracle is the "C" one, as Val is.
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckVal(text);
    std::vector<double> values{gui::Val(text)};
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        values.push_back(raw);
    }
    for (const double x : values) {
        CheckStr(x);
        CheckFormat(x);
        CheckRound(x);
    }
    return 0;
}
