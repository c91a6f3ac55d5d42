#include "gui/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace gui;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Round, NearestWithTiesAwayFromZero) {
    struct Case {
        double x;
        std::int64_t expected;
    } cases[] = {
        {599.9999999999999, 600},
        {36.5, 37},
        {-10.5, -11},
        {0.49999999999999994, 0},
        {-0.5, -1},
        {2.5, 3},
        {57.6, 58},
        {-43.2, -43},
        {-458.25, -458},
        {0.0, 0},
        {-9223372036854775808.0, std::numeric_limits<std::int64_t>::min()},
        {9223372036854774784.0, 9223372036854774784},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Round(c.x), c.expected) << c.x;
        EXPECT_EQ(RoundChecked(c.x), c.expected) << c.x;
    }
}

TEST(Round, RefusesWhatNoWholeNumberHolds) {
    for (const double x : {kNaN, kInf, -kInf, 9223372036854775808.0, 1e300, -1e19}) {
        EXPECT_FALSE(RoundChecked(x).has_value()) << x;
        EXPECT_THROW(Round(x), std::range_error) << x;
    }
}

TEST(CheckedSums, SeeOverflow) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(AddChecked(400, 2), 402);
    EXPECT_EQ(AddChecked(kMax, 0), kMax);
    EXPECT_EQ(AddChecked(kMin, 0), kMin);
    EXPECT_EQ(AddChecked(kMin, kMax), -1);
    EXPECT_FALSE(AddChecked(kMax, 1).has_value());
    EXPECT_FALSE(AddChecked(kMin, -1).has_value());
    EXPECT_FALSE(AddChecked(-1, kMin).has_value());
    EXPECT_EQ(SubtractChecked(400, -2600), 3000);
    EXPECT_EQ(SubtractChecked(-1, kMin), kMax);
    EXPECT_EQ(SubtractChecked(kMin, 0), kMin);
    EXPECT_FALSE(SubtractChecked(400, kMin).has_value());
    EXPECT_FALSE(SubtractChecked(0, kMin).has_value());
    EXPECT_FALSE(SubtractChecked(kMin, 1).has_value());
    EXPECT_FALSE(SubtractChecked(kMax, -1).has_value());
}

TEST(Str, WholeNumbers) {
    EXPECT_EQ(Str(std::int64_t{0}), "0");
    EXPECT_EQ(Str(std::int64_t{30}), "30");
    EXPECT_EQ(Str(std::int64_t{-10}), "-10");
    EXPECT_EQ(Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(Str, DoublesShowWhatAUserTyped) {
    struct Case {
        double x;
        const char* expected;
    } cases[] = {
        {32.0 / 20 - 1, "0.6"},  // 0.6000000000000001 in double arithmetic
        {1.0 / 20 - 1, "-0.95"},
        {39.0 / 20 - 1, "0.95"},
        {8.0 / 20 - 1, "-0.6"},
        {0.999, "0.999"},
        {0.5, "0.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {100.0, "100"},
        {1.0 / 3, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {0.0001, "0.0001"},
        {0.00001, "1e-05"},
        {1e-300, "1e-300"},
        {0.999999999999999, "0.999999999999999"},
        {0.9999999999999994, "0.999999999999999"},
        {1.0000000000000002, "1"},
        {-1.0, "-1"},
        {123456789012345678.0, "1.23456789012346e+17"},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(c.x), c.expected) << c.x;
}

// Fifteen digits would round these to 1 or -1, which the v/c field refuses: they are written exactly.
TEST(Str, ASpeedInsideTheLimitsIsNeverWrittenAsOne) {
    struct Case {
        double x;
        const char* expected;
    } cases[] = {
        {0.9999999999999999, "0.9999999999999999"},    // 1 - 2^-53
        {-0.9999999999999999, "-0.9999999999999999"},  // what "red" makes of it
        {0.9999999999999998, "0.9999999999999998"},
        {0.9999999999999996, "0.9999999999999996"},  // the smallest that 15 digits round up
        {-0.9999999999999996, "-0.9999999999999996"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Str(c.x), c.expected) << c.x;
        EXPECT_EQ(Val(Str(c.x)), c.x) << c.x;
    }
}

// Fifteen digits of the largest doubles lie beyond the double range: they are written exactly.
TEST(Str, TheLargestDoublesAreNeverWrittenAsInfinity) {
    constexpr double kMax = std::numeric_limits<double>::max();
    struct Case {
        double x;
        const char* expected;
    } cases[] = {
        {kMax, "1.7976931348623157e+308"},
        {-kMax, "-1.7976931348623157e+308"},
        {1.7976931348623151e308, "1.7976931348623151e+308"},  // the smallest that 15 digits round up
        {1.797693134862315e308, "1.79769313486231e+308"},     // the largest they round down
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Str(c.x), c.expected) << c.x;
        EXPECT_NE(std::fabs(Val(Str(c.x))), kInf) << c.x;
    }
}

TEST(Val, ReadsTheLongestDecimalPrefix) {
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        {"0.6", 0.6},  {"  0.6", 0.6},   {"\t3", 3},    {"0.6abc", 0.6}, {"-0.95", -0.95}, {"+0.5", 0.5},
        {".5", 0.5},   {"5.", 5},        {"2e3", 2000}, {"1e", 1},       {"1e+", 1},       {"1.5e-1x", 0.15},
        {"1,5", 1},    {"1 2", 1},       {"0x10", 0},   {".", 0},        {"-", 0},         {"", 0},
        {"abc", 0},    {"nan", 0},       {"inf", 0},    {"-inf", 0},     {"infinity", 0},  {"\xd9\xa1", 0},
        {"1e-400", 0}, {"0.999", 0.999},
    };
    for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Val, BeyondTheDoubleRangeIsInfinite) {
    EXPECT_EQ(Val("1e400"), kInf);
    EXPECT_EQ(Val("-1e400"), -kInf);
    EXPECT_EQ(Val("1" + std::string(10000, '0')), kInf);
    EXPECT_EQ(Val("0." + std::string(10000, '0') + "1"), 0.0);
    EXPECT_EQ(Val("0." + std::string(300, '0') + "1e600"), 1e299);
    EXPECT_EQ(Val("1e99999999999999999999"), kInf);
    EXPECT_TRUE(std::signbit(Val("-0")));
}

TEST(Val, ReadsBackWhatStrWrites) {
    for (const double x : {0.6, -0.95, 0.999, 0.5, 1e-300, -0.123456789012345})
        EXPECT_EQ(Val(Str(x)), x) << x;
}

TEST(Format, AsManyDecimalsAsThePatternAsks) {
    struct Case {
        double x;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {2.5, "-#", "3"},
        {-2.5, "-#", "-3"},
        {0.49999999999999994, "-#", "0"},
        {-2.5, "#", "3"},
        {0.0625, "-#.000", "0.063"},
        {6e-9, "-#.00000000", "0.00000001"},  // every digit of a small value counts
        {4.9e-9, "-#.00000000", "0.00000000"},
        {5e-324, "-#.0", "0.0"},
        {0.1, "-#.00000000000000000000000000000", "0.10000000000000000555111512313"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.x, c.pattern), c.expected) << c.x << " " << c.pattern;
    EXPECT_EQ(Format(0.125, "-#." + std::string(100, '0')), "0.125" + std::string(97, '0'));
}

TEST(Format, TwoDecimalsHalfAwayFromZeroOnTheExactValue) {
    struct Case {
        double x;
        const char* expected;
    } cases[] = {
        {25.0, "25.00"},
        {1.5, "1.50"},
        {27.5, "27.50"},
        {-3.75, "-3.75"},
        {10.0, "10.00"},
        {0.0, "0.00"},
        {-0.0, "0.00"},
        {-0.001, "0.00"},
        {-0.004999, "0.00"},
        {0.5, "0.50"},
        {-0.005, "-0.01"},
        {0.125, "0.13"},
        {-0.125, "-0.13"},
        {0.375, "0.38"},
        {2.675, "2.67"},
        {1.005, "1.00"},
        {123.456, "123.46"},
        {99.995, "100.00"},
        {99.9949, "99.99"},
        {-999.999, "-1000.00"},
        {1e12, "1000000000000.00"},
        {1e-300, "0.00"},
        {73.0 / 72 * 10, "10.14"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format(c.x, "-##.00"), c.expected) << c.x;
        EXPECT_EQ(Format(c.x, "-###.00"), c.expected) << c.x;
    }
}

}  // namespace
