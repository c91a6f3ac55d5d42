#include <gtest/gtest.h>

#include <cmath>

#include "model/Globals.h"
#include "support/DiagramState.h"
#include "support/RecordingGraphics.h"

namespace {

using Lines = std::vector<std::string>;

class KoordSysDraw : public DiagramState {
  protected:
    static Lines Draw(KoordSys& frame) {
        RecordingGraphics g;
        frame.Draw(g);
        return g.lines;
    }
    static std::string Caption(const Lines& lines, const std::string& caption) {
        const auto found = LinesStartingWith(lines, "DrawString \"" + caption + "\"");
        return found.size() == 1 ? found.front() : "";
    }
};

TEST_F(KoordSysDraw, BlackFrameOfTheInitialState) {
    const Lines lines = Draw(*Globals::myBlackSys);
    const Lines start{"PenSize 2",
                      "DrawingColor 0 0 0",
                      "FontName Arial",
                      "FontSize 10",
                      "DrawLine 900 1200 -300 -400",
                      "DrawString \"Time\" 3 8",
                      "DrawLine -700 400 1300 400",
                      "DrawLine -420 397 -420 403",
                      "DrawString \"-30 m \" -420 414"};
    ASSERT_GE(lines.size(), start.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + start.size()), start);
    EXPECT_TRUE(ContainsInOrder(
        lines, {"DrawLine 228 397 228 403", "DrawString \"-3 m \" 228 414", "DrawLine 372 397 372 403",
                "DrawString \"3 m \" 372 414", "DrawLine 1020 397 1020 403", "DrawString \"30 m \" 1020 414",
                "DrawString \"Space\" 606 394"}));
    EXPECT_EQ(lines.back(), "DrawString \"Space\" 606 394");
    EXPECT_EQ(LinesStartingWith(lines, "DrawLine").size(), 22u) << "two axes and 20 space ticks";
    EXPECT_EQ(LinesStartingWith(lines, "DrawString").size(), 22u) << "20 labels and two captions";
}

TEST_F(KoordSysDraw, RedFrameOfTheInitialState) {
    const Lines lines = Draw(*Globals::myRedSys);
    const Lines start{"PenSize 2",
                      "DrawingColor 255 0 0",
                      "FontName Arial",
                      "FontSize 10",
                      "DrawLine 300 1400 300 -600",
                      "DrawLine 297 -320 303 -320",
                      "DrawString \"100 ns \" 306 -320"};
    ASSERT_GE(lines.size(), start.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + start.size()), start);
    EXPECT_TRUE(ContainsInOrder(lines, {"DrawLine 297 328 303 328", "DrawString \"10 ns \" 306 328",
                                        "DrawLine 297 472 303 472", "DrawString \"-10 ns \" 306 472",
                                        "DrawString \"-100 ns \" 306 1120", "DrawString \"Time\" 303 8",
                                        "DrawLine -500 1000 1100 -200", "DrawString \"Space\" 606 142"}));
    EXPECT_EQ(lines.back(), "DrawString \"Space\" 606 142");
    EXPECT_EQ(LinesStartingWith(lines, "DrawLine").size(), 22u);
}

TEST_F(KoordSysDraw, UntiltedFramesBothTickBothAxes) {
    Tilt(0, 0);
    for (KoordSys* frame : {Globals::myBlackSys.get(), Globals::myRedSys.get()}) {
        const Lines lines = Draw(*frame);
        EXPECT_EQ(LinesStartingWith(lines, "DrawLine").size(), 42u);
        EXPECT_EQ(LinesStartingWith(lines, "DrawString").size(), 42u);
        EXPECT_TRUE(ContainsInOrder(lines, {"DrawLine 300 1400 300 -600", "DrawString \"10 ns \" 306 328",
                                            "DrawString \"Time\" 303 8", "DrawLine -700 400 1300 400",
                                            "DrawString \"3 m \" 372 414", "DrawString \"Space\" 606 394"}));
    }
    // A sign-flipped zero counts as untilted.
    Globals::myBlackSys->sinPhiTime = -0.0;
    EXPECT_EQ(LinesStartingWith(Draw(*Globals::myBlackSys), "DrawLine").size(), 42u);
}

struct CaptionCase {
    const char* name;
    double sinPhi;
    std::int64_t Nx;
    std::int64_t Ny;
    bool blackFrame;
    const char* caption;
    const char* expected;
};

void PrintTo(const CaptionCase& c, std::ostream* os) {
    *os << c.name;
}

class Captions : public KoordSysDraw, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(Captions, StandWhereTheAxisLeavesTheCanvas) {
    const CaptionCase& c = GetParam();
    Tilt(c.sinPhi, 0);
    Globals::Nx = c.Nx;
    Globals::Ny = c.Ny;
    const Lines lines = Draw(c.blackFrame ? *Globals::myBlackSys : *Globals::myRedSys);
    EXPECT_EQ(Caption(lines, c.caption), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    KoordSys, Captions,
    ::testing::Values(
        CaptionCase{"UntiltedTimeAxisNearTheRightEdge", 0.6, 610, 400, false, "Time",
                    "DrawString \"Time\" 606 8"},
        CaptionCase{"OurTimeAxisLeavesByTheLeftEdge", 0.6, 25, 400, true, "Time",
                    "DrawString \"Time\" 2 369"},
        CaptionCase{"SlightTiltBelowTheCanvas", 0.01, 610, 400, true, "Time", "DrawString \"Time\" 606 3002"},
        CaptionCase{"QuotientOverflowsTheSum", 0x1p-58, 604, 400, true, "Time", "DrawString \"Time\" 606 8"},
        CaptionCase{"QuotientBeyondTheRange", -0x1p-58, 604, 400, true, "Time", "DrawString \"Time\" 606 8"},
        CaptionCase{"TinyTiltAtTheTop", 1e-300, 300, 400, true, "Time", "DrawString \"Time\" 303 8"},
        CaptionCase{"TinyTiltNearTheRightEdge", 1e-300, 610, 400, true, "Time", "DrawString \"Time\" 606 8"},
        CaptionCase{"SpaceAxisLeavesByTheBottom", -0.6, 300, 400, false, "Space",
                    "DrawString \"Space\" 504 552"},
        CaptionCase{"SpaceAxisLeavesByTheTop", 0.6, 25, 400, false, "Space", "DrawString \"Space\" 558 8"},
        // Each row below is held by one clamp: without it the caption would stand at the value noted.
        CaptionCase{"TimeAtTheRightEdgeHeldBelowTheTop", -0.6, 300, 410, true, "Time",
                    "DrawString \"Time\" 606 8"},  // y -36
        CaptionCase{"TimeAtTheLeftEdgeHeldBelowTheTop", 0.6, 297, 400, true, "Time",
                    "DrawString \"Time\" 2 8"},  // y 6
        CaptionCase{"SpaceOnTheBottomLineHeldFromTheRightEdge", -0.6, 410, 400, false, "Space",
                    "DrawString \"Space\" 604 552"},  // x 614
        CaptionCase{"SpaceOnTheTopLineHeldFromTheRightEdge", 0.6, 300, 240, false, "Space",
                    "DrawString \"Space\" 606 8"}),  // x 620
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KoordSysDraw, SpeedsAtTheExtremesDrawBothFrames) {
    for (const double s : {0.9999999999999999, -0.9999999999999999, 1e-300, -1e-300, 0x1p-58}) {
        for (const std::int64_t our : {0, 1}) {
            Tilt(s, our);
            for (const std::int64_t nx : {21, 300, 604, 615}) {
                Globals::Nx = nx;
                for (KoordSys* frame : {Globals::myBlackSys.get(), Globals::myRedSys.get()}) {
                    Lines lines;
                    ASSERT_NO_THROW(lines = Draw(*frame)) << s << " " << our << " " << nx;
                    EXPECT_FALSE(Caption(lines, "Time").empty());
                    EXPECT_FALSE(Caption(lines, "Space").empty());
                }
            }
        }
    }
}

}  // namespace
