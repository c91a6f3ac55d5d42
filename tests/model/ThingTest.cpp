#include <gtest/gtest.h>

#include "model/Globals.h"
#include "support/DiagramState.h"
#include "support/RecordingGraphics.h"

namespace {

using Lines = std::vector<std::string>;

struct ObjectCase {
    const char* name;
    bool red;
    std::int64_t position;
    Lines expected;
};

void PrintTo(const ObjectCase& c, std::ostream* os) {
    *os << c.name;
}

class ThingDraw : public DiagramState, public ::testing::WithParamInterface<ObjectCase> {};

// sinPhi 0.6, black is our frame, origin (300, 400), time 72, length 144, trace and shadow on: now line y =
// 342.
TEST_P(ThingDraw, RodTraceAndShadowOfTheWorkedExamples) {
    const ObjectCase& c = GetParam();
    Thing& thing = c.red ? *Globals::myRedThing : *Globals::myBlackThing;
    ShowObject(thing, c.position, true, true);
    RecordingGraphics g;
    thing.Draw(g);
    EXPECT_EQ(g.lines, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Thing, ThingDraw,
    ::testing::Values(
        ObjectCase{"BlackRestsInOurFramePosition1",
                   false,
                   1,
                   {"PenSize 2", "DrawingColor 100 100 100", "DrawLine 257 342 401 342", "PenSize 1",
                    "DrawLine -199 -458 1001 1142", "DrawLine 257 342 257 432", "DrawLine 349 273 349 363",
                    "DrawLine 349 273 257 342", "PenSize 2", "DrawLine 257 432 349 363"}},
        ObjectCase{"BlackRestsInOurFramePosition0",
                   false,
                   0,
                   {"PenSize 2", "DrawingColor 100 100 100", "DrawLine 113 342 257 342", "PenSize 1",
                    "DrawLine -487 -458 713 1142", "DrawLine 165 411 165 501", "DrawLine 257 342 257 432",
                    "DrawLine 257 342 165 411", "PenSize 2", "DrawLine 165 501 257 432"}},
        ObjectCase{"RedRestsInTheOtherFramePosition0",
                   true,
                   0,
                   {"PenSize 2", "DrawingColor 200 0 0", "DrawLine 185 428 300 342", "PenSize 1",
                    "DrawLine 185 0 185 553", "DrawLine 185 342 228 400", "DrawLine 300 342 343 400",
                    "DrawLine 300 342 185 342", "PenSize 2", "DrawLine 228 400 343 400"}},
        ObjectCase{"RedRestsInTheOtherFramePosition1",
                   true,
                   1,
                   {"PenSize 2", "DrawingColor 200 0 0", "DrawLine 300 342 415 256", "PenSize 1",
                    "DrawLine 300 0 300 553", "DrawLine 415 0 415 553", "DrawLine 300 342 343 400",
                    "DrawLine 415 342 458 400", "DrawLine 415 342 300 342", "PenSize 2",
                    "DrawLine 343 400 458 400"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Shadows of the black object at rest in our frame, at speeds, times and lengths where rounding a product
// twice moves a pixel: the far end rounds L cosPhi cosPhi and L cosPhi v once each, and a foot rounds its
// whole height above the now line once. Worked out apart from the code, with the same doubles in the same
// order.
struct ShadowCase {
    const char* name;
    double sinPhi;
    std::int64_t time;
    std::int64_t length;
    std::int64_t position;
    Lines expected;  // rod, the three thin shadow lines, the shadow
};

void PrintTo(const ShadowCase& c, std::ostream* os) {
    *os << c.name;
}

class ShadowRounding : public DiagramState, public ::testing::WithParamInterface<ShadowCase> {};

TEST_P(ShadowRounding, EachProductIsRoundedOnce) {
    const ShadowCase& c = GetParam();
    Tilt(c.sinPhi, 0);
    Globals::theTime = c.time;
    ShowObject(*Globals::myBlackThing, c.position, false, true);
    Globals::myBlackThing->length = c.length;
    RecordingGraphics g;
    Globals::myBlackThing->Draw(g);
    EXPECT_EQ(LinesStartingWith(g.lines, "DrawLine"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Thing, ShadowRounding,
    ::testing::Values(
        // L cosPhi cosPhi is 87.36 where R(L cosPhi) cosPhi is 87.76; the far foot lies 48.24 below the now
        // line where R(68.68) - R(20.44) is 49.
        ShadowCase{"Speed0_3Time72Length96Position1",
                   0.3,
                   72,
                   96,
                   1,
                   {"DrawLine 278 331 374 331", "DrawLine 278 331 278 407", "DrawLine 365 304 365 379",
                    "DrawLine 365 304 278 331", "DrawLine 278 407 365 379"}},
        // Before time 0: the near end's foot lies 104.83 above where R(-95.39) - R(9.43) makes it 104.
        ShadowCase{"Speed0_3TimeMinus100Length96Position0",
                   0.3,
                   -100,
                   96,
                   0,
                   {"DrawLine 234 495 330 495", "DrawLine 243 522 243 418", "DrawLine 330 495 330 390",
                    "DrawLine 330 495 243 522", "DrawLine 243 418 330 390"}},
        // L cosPhi cosPhi is the tie 52.5, away from zero 53, where R(L cosPhi) cosPhi is 52.25; L cosPhi v
        // is 59.53 where R(L cosPhi) v is 59.25.
        ShadowCase{"Speed0_75Time72Length120Position0",
                   0.75,
                   72,
                   120,
                   0,
                   {"DrawLine 126 352 246 352", "DrawLine 193 412 193 521", "DrawLine 246 352 246 461",
                    "DrawLine 246 352 193 412", "DrawLine 193 521 246 461"}},
        // L cosPhi cosPhi is 60.48 where R(L cosPhi) cosPhi is 60.6; the feet lie 120.53 and 40.53 below
        // where the products rounded apart make 120 and 40.
        ShadowCase{"Speed0_8Time72Length168Position1",
                   0.8,
                   72,
                   168,
                   1,
                   {"DrawLine 242 357 410 357", "DrawLine 242 357 242 478", "DrawLine 302 276 302 398",
                    "DrawLine 302 276 242 357", "DrawLine 242 478 302 398"}},
        // A negative speed: the far foot lies 20.78 below where R(62.35) - R(41.57) is 20.
        ShadowCase{"SpeedMinus0_5Time72Length144Position0",
                   -0.5,
                   72,
                   144,
                   0,
                   {"DrawLine 192 338 336 338", "DrawLine 228 276 228 359", "DrawLine 336 338 336 421",
                    "DrawLine 336 338 228 276", "DrawLine 228 359 336 421"}}),
    [](const auto& info) { return std::string(info.param.name); });

class ThingCases : public DiagramState {};

TEST_F(ThingCases, InvisibleDrawsNothingAndKeepsTheSettings) {
    for (Thing* thing : {Globals::myBlackThing.get(), Globals::myRedThing.get()}) {
        ShowObject(*thing, 1, true, true);
        thing->isVisible = false;
        RecordingGraphics g;
        g.PenSize(5);
        g.DrawingColor(gui::RGB(1, 2, 3));
        g.lines.clear();
        thing->Draw(g);
        EXPECT_TRUE(g.lines.empty());
        EXPECT_EQ(g.PenSize(), 5);
        EXPECT_EQ(g.DrawingColor(), gui::RGB(1, 2, 3));
    }
}

TEST_F(ThingCases, PenLeftAtTwoOnlyAfterAShadow) {
    for (Thing* thing : {Globals::myBlackThing.get(), Globals::myRedThing.get()}) {
        for (const bool trace : {false, true}) {
            for (const bool shadow : {false, true}) {
                ShowObject(*thing, 0, trace, shadow);
                RecordingGraphics g;
                thing->Draw(g);
                EXPECT_EQ(g.PenSize(), shadow ? 2 : 1);
                EXPECT_EQ(g.DrawingColor(), thing->cl);
                EXPECT_EQ(LinesStartingWith(g.lines, "DrawLine").size(),
                          1u + (trace ? 1u : 0u) + (shadow ? 4u : 0u));
            }
        }
    }
}

TEST_F(ThingCases, AtTimeZeroTheNearEndIsTheOrigin) {
    Globals::theTime = 0;
    ShowObject(*Globals::myBlackThing, 1, false, false);
    ShowObject(*Globals::myRedThing, 0, false, false);
    RecordingGraphics g;
    Globals::myBlackThing->Draw(g);
    Globals::myRedThing->Draw(g);
    EXPECT_EQ(LinesStartingWith(g.lines, "DrawLine"),
              (Lines{"DrawLine 300 400 444 400", "DrawLine 185 486 300 400"}));
}

TEST_F(ThingCases, WithRedAsOurFrameTheCasesSwap) {
    Tilt(-0.6, 1);
    ShowObject(*Globals::myRedThing, 0, true, false);
    ShowObject(*Globals::myBlackThing, 1, true, false);
    RecordingGraphics red;
    Globals::myRedThing->Draw(red);
    // Our frame's time axis now leans right: the near end is at x = 300 + 43, the trace parallel to it.
    EXPECT_EQ(LinesStartingWith(red.lines, "DrawLine"),
              (Lines{"DrawLine 199 342 343 342", "DrawLine 799 -458 -401 1142"}));
    RecordingGraphics black;
    Globals::myBlackThing->Draw(black);
    // The black rod lies along the other frame's space axis, rising to the left; both ends get world lines.
    EXPECT_EQ(LinesStartingWith(black.lines, "DrawLine"),
              (Lines{"DrawLine 300 342 415 428", "DrawLine 300 0 300 553", "DrawLine 415 0 415 553"}));
}

TEST_F(ThingCases, SpeedsAtTheExtremes) {
    for (const double s : {0.9999999999999999, -0.9999999999999999, 1e-300, 0x1p-58}) {
        for (const std::int64_t our : {0, 1}) {
            Tilt(s, our);
            for (const std::int64_t t : {-500, 0, 500}) {
                Globals::theTime = t;
                for (Thing* thing : {Globals::myBlackThing.get(), Globals::myRedThing.get()}) {
                    for (const std::int64_t position : {0, 1}) {
                        ShowObject(*thing, position, true, true);
                        thing->length = 288;
                        RecordingGraphics g;
                        ASSERT_NO_THROW(thing->Draw(g)) << s << " " << our << " " << t;
                        EXPECT_EQ(LinesStartingWith(g.lines, "DrawLine").size(),
                                  position == 1 && thing->index != our ? 7u : 6u);
                    }
                }
            }
        }
    }
}

}  // namespace
