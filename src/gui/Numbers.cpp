#include "gui/Numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace gui {

namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The longest prefix of `text` (after `start`) that is a decimal number, without its sign.
struct DecimalPrefix {
    bool negative = false;
    std::string_view digits;  // mantissa and exponent, as from_chars reads them
    // Rough decimal magnitude of the first significant digit; decides overflow against underflow.
    long long magnitude = 0;
    bool nonzero = false;
};

std::optional<DecimalPrefix> ScanDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

    DecimalPrefix prefix;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        prefix.negative = text[i] == '-';
        ++i;
    }
    const std::size_t begin = i;

    long long wholeDigits = 0;   // significant digits before the point
    long long leadingZeros = 0;  // zeros after the point before the first significant digit
    std::size_t mantissaDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) {
        if (text[i] != '0' || prefix.nonzero) {
            prefix.nonzero = true;
            ++wholeDigits;
        }
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fractionDigits = 0;
        for (; j < text.size() && IsDigit(text[j]); ++j, ++fractionDigits) {
            if (!prefix.nonzero) {
                if (text[j] == '0') {
                    ++leadingZeros;
                } else {
                    prefix.nonzero = true;
                }
            }
        }
        // "5." and ".5" are numbers; a lone point is not.
        if (mantissaDigits + fractionDigits > 0) {
            mantissaDigits += fractionDigits;
            i = j;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;

    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            for (; j < text.size() && IsDigit(text[j]); ++j) {
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[j] - '0');
            }
            if (negativeExponent) exponent = -exponent;
            i = j;
        }
    }
    prefix.digits = text.substr(begin, i - begin);
    prefix.magnitude = (wholeDigits > 0 ? wholeDigits : -leadingZeros) + exponent;
    return prefix;
}

}  // namespace

std::optional<std::int64_t> RoundChecked(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    const double r = std::round(x);
    if (r < -kTwoTo63 || r >= kTwoTo63) return std::nullopt;
    return static_cast<std::int64_t>(r);
}

std::int64_t Round(double x) {
    if (const auto r = RoundChecked(x)) return *r;
    throw std::range_error("a number too large to round to a whole pixel: " + Str(x));
}

// Plain comparisons against the limits, before the operation: every compiler builds them, and signed
// overflow never happens.
std::optional<std::int64_t> AddChecked(std::int64_t a, std::int64_t b) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    if (b > 0 ? a > kMax - b : a < kMin - b) return std::nullopt;
    return a + b;
}

std::optional<std::int64_t> SubtractChecked(std::int64_t a, std::int64_t b) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    if (b < 0 ? a > kMax + b : a < kMin + b) return std::nullopt;
    return a - b;
}

std::string Str(std::int64_t n) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n);
    return std::string(buffer.data(), result.ptr);
}

std::string Str(double x) {
    if (x == 0) return "0";
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
    std::array<char, 32> buffer{};
    char* const end = buffer.data() + buffer.size();
    auto result = std::to_chars(buffer.data(), end, x, std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    // Fifteen digits round a speed such as 1 - 2^-53 to "1", a text the v/c field refuses, and the largest
    // doubles to a text beyond the double range. A number inside (-1, 1) is never written as a text that
    // reads back outside it, nor a finite number as one that reads back infinite: the shortest exact text is
    // used.
    const double back = std::fabs(Val(text));
    if ((std::fabs(x) < 1 && !(back < 1)) || std::isinf(back)) {
        result = std::to_chars(buffer.data(), end, x);
        text.assign(buffer.data(), result.ptr);
    }
    return text;
}

double Val(std::string_view text) {
    const auto prefix = ScanDecimal(text);
    if (!prefix) return 0;
    double value = 0;
    const auto result = std::from_chars(prefix->digits.data(), prefix->digits.data() + prefix->digits.size(),
                                        value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = prefix->nonzero && prefix->magnitude > 0 ? HUGE_VAL : 0.0;
    } else if (result.ec != std::errc{}) {
        value = 0;
    }
    return prefix->negative ? -value : value;
}

std::string Format(double value, std::string_view pattern) {
    const bool showMinus = !pattern.empty() && pattern.front() == '-';
    std::size_t decimals = 0;
    if (const auto point = pattern.find('.'); point != std::string_view::npos) {
        for (std::size_t i = point + 1; i < pattern.size() && pattern[i] == '0'; ++i) ++decimals;
    }
    if (!std::isfinite(value)) return Str(value);

    // A double is m * 2^(e - 53) with a 53-bit m, so 53 - e fraction digits hold its exact value; the
    // rounding below then sees every digit after the last shown one.
    const double magnitude = std::fabs(value);
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const std::size_t exactDigits = static_cast<std::size_t>(std::max(0, 53 - exponent));
    const std::size_t precision = std::max(exactDigits, decimals + 1);
    std::string buffer(precision + 320, '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, static_cast<int>(precision));
    const std::string_view exact(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto point = exact.find('.');
    const std::string whole(exact.substr(0, point));
    const std::string_view fraction = exact.substr(point + 1);

    // Round half away from zero: the digit after the last shown one decides, whatever follows it.
    std::string digits = whole + std::string(fraction.substr(0, decimals));
    if (fraction[decimals] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    const std::size_t wholeLength = digits.size() - decimals;
    std::string text = digits.substr(0, wholeLength);
    if (decimals > 0) text += "." + digits.substr(wholeLength);

    const bool shownZero = digits.find_first_not_of('0') == std::string::npos;
    if (showMinus && value < 0 && !shownZero) text.insert(text.begin(), '-');
    return text;
}

}  // namespace gui
