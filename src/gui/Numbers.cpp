#include "gui/Numbers.h"

#include <array>
#include <charconv>
#include <cmath>
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

std::optional<std::int64_t> AddChecked(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) return std::nullopt;
    return sum;
}

std::optional<std::int64_t> SubtractChecked(std::int64_t a, std::int64_t b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) return std::nullopt;
    return difference;
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
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
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

    // Below 2^-27 every shown digit is 0; above it, 80 fraction digits are the exact binary value.
    const double magnitude = std::fabs(value);
    std::string whole = "0";
    std::string fraction(decimals + 1, '0');
    if (magnitude >= 0x1p-27) {
        std::array<char, 420> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::fixed, 80);
        const std::string_view exact(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
        const auto point = exact.find('.');
        whole = std::string(exact.substr(0, point));
        fraction = std::string(exact.substr(point + 1, decimals + 1));
    }

    // Round half away from zero: the digit after the last shown one decides, whatever follows it.
    std::string digits = whole + fraction.substr(0, decimals);
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
