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
