#include <QColor>
#include <QImage>
#include <set>
#include <string>

#include "support/MainWindowFixture.h"

namespace {

class CanvasInteraction : public MainWindowFixture {
  protected:
    std::vector<std::string> Readouts() const {
        std::vector<std::string> texts;
        for (gui::TextField* f :
             {&window->EditField10(), &window->EditField11(), &window->EditField12(), &window->EditField13(),
              &window->EditField6(), &window->EditField7(), &window->EditField8(), &window->EditField9()}) {
            texts.push_back(f->Text());
        }
        return texts;
    }
    static std::vector<std::string> ProjectionLines(const std::vector<std::string>& paint) {
        // The projection follows the diagram: everything after the last object's drawing.
        const auto start = std::find(paint.rbegin(), paint.rend(), "PenSize 1");
        return std::vector<std::string>(start.base() - 1, paint.end());
    }
};

TEST_F(CanvasInteraction, WorkedExampleWithBlackAsOurFrame) {
    Press(228, 256);
    EXPECT_TRUE(Globals::inProjectingMode);
    EXPECT_EQ(Globals::Mx, 228);
    EXPECT_EQ(Globals::My, 256);
    EXPECT_EQ(CanvasPaints(), 1);
    const auto paint = NextPaint();
    EXPECT_EQ(Readouts(), (std::vector<std::string>{"25.00 ns", "1.50 m", "27.50 ns", "-3.75 m", "25.00 ns",
                                                    "1.50 m", "27.50 ns", "-3.75 m"}));
    EXPECT_EQ(ProjectionLines(paint),
              (std::vector<std::string>{"PenSize 1", "DrawingColor 0 0 0", "DrawLine 228 256 336 400",
                                        "DrawLine 228 256 192 256", "DrawingColor 255 0 0",
                                        "DrawLine 228 256 300 202", "DrawLine 228 256 228 454"}));
}

TEST_F(CanvasInteraction, WorkedExampleWithRedAsOurFrame) {
    Click(window->RadioButton2());
    ASSERT_EQ(Globals::ourSystem, 1);
    ASSERT_EQ(Globals::sinPhi, -0.6);
    Press(228, 256);
    const auto paint = NextPaint();
    EXPECT_EQ(Readouts(), (std::vector<std::string>{"12.50 ns", "-3.75 m", "25.00 ns", "-7.50 m", "12.50 ns",
                                                    "-3.75 m", "25.00 ns", "-7.50 m"}));
    EXPECT_EQ(ProjectionLines(paint),
              (std::vector<std::string>{"PenSize 1", "DrawingColor 255 0 0", "DrawLine 228 256 408 256",
                                        "DrawLine 228 256 120 400", "DrawingColor 0 0 0",
                                        "DrawLine 228 256 228 346", "DrawLine 228 256 300 310"}));
}

struct NearOrigin {
    const char* name;
    int dx, dy;
    bool drags;
};

void PrintTo(const NearOrigin& c, std::ostream* os) {
    *os << c.name;
}

class PressNearOrigin : public CanvasInteraction, public ::testing::WithParamInterface<NearOrigin> {};

TEST_P(PressNearOrigin, PressesNearTheOriginDragItElsewhereMarkAnEvent) {
    const NearOrigin& c = GetParam();
    Press(300 + c.dx, 400 + c.dy);
    EXPECT_EQ(Globals::inKoordDragMode, c.drags);
    EXPECT_EQ(Globals::inProjectingMode, !c.drags);
    EXPECT_EQ(CanvasPaints(), c.drags ? 0 : 1) << "only a pressed event asks for a repaint";
    Release(300 + c.dx, 400 + c.dy);
}

INSTANTIATE_TEST_SUITE_P(CanvasInteraction, PressNearOrigin,
                         ::testing::Values(NearOrigin{"SevenRightSevenUp", 7, -7, true},
                                           NearOrigin{"SevenLeftSevenDown", -7, 7, true},
                                           NearOrigin{"OnTheOrigin", 0, 0, true},
                                           NearOrigin{"EightRight", 8, 0, false},
                                           NearOrigin{"EightUp", 0, -8, false},
                                           NearOrigin{"EightLeftEightUp", -8, -8, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CanvasInteraction, CursorIsTheOpenHandOverTheOriginSquare) {
    for (int dx = -9; dx <= 9; ++dx) {
        for (const int dy : {-8, -7, 0, 7, 8}) {
            Hover(300 + dx, 400 + dy);
            const bool near = std::abs(dx) < 8 && std::abs(dy) < 8;
            EXPECT_EQ(window->Canvas1().MouseCursor(),
                      near ? gui::MouseCursor::HandOpen : gui::MouseCursor::StandardPointer)
                << dx << "," << dy;
        }
    }
    EXPECT_EQ(CanvasWidget()->cursor().shape(), Qt::ArrowCursor);
    Hover(300, 400);
    EXPECT_EQ(CanvasWidget()->cursor().shape(), Qt::OpenHandCursor);
}

struct DragTarget {
    const char* name;
    int x, y;
    bool accepted;
};

void PrintTo(const DragTarget& c, std::ostream* os) {
    *os << c.name;
}

class OriginDrag : public CanvasInteraction, public ::testing::WithParamInterface<DragTarget> {};

TEST_P(OriginDrag, OriginDragStaysStrictlyInsideTheBounds) {
    const DragTarget& c = GetParam();
    Press(300, 400);
    Drag(c.x, c.y);
    EXPECT_EQ(Globals::Nx, c.accepted ? c.x : 300);
    EXPECT_EQ(Globals::Ny, c.accepted ? c.y : 400);
    EXPECT_EQ(CanvasPaints(), c.accepted ? 1 : 0);
    Release(c.x, c.y);
}

// The origin stays more than 20 pixels inside every edge of the 636 x 553 canvas.
INSTANTIATE_TEST_SUITE_P(
    CanvasInteraction, OriginDrag,
    ::testing::Values(DragTarget{"LeftAt21", 21, 300, true}, DragTarget{"LeftAt20", 20, 300, false},
                      DragTarget{"RightAt615", 615, 300, true}, DragTarget{"RightAt616", 616, 300, false},
                      DragTarget{"TopAt21", 300, 21, true}, DragTarget{"TopAt20", 300, 20, false},
                      DragTarget{"BottomAt532", 300, 532, true}, DragTarget{"BottomAt533", 300, 533, false},
                      DragTarget{"FarOutside", -50, 900, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CanvasInteraction, FastDragPastAnEdgeLeavesTheLastAcceptedPoint) {
    Press(305, 395);
    Drag(303, 396);
    EXPECT_EQ(Globals::Nx, 303) << "the origin goes to the mouse point itself";
    Drag(100, 300);
    Drag(-40, 300);
    Drag(-400, 1000);
    EXPECT_EQ(Globals::Nx, 100);
    EXPECT_EQ(Globals::Ny, 300);
    ForgetPaints();
    Release(-400, 1000);
    EXPECT_FALSE(Globals::inKoordDragMode);
    EXPECT_EQ(CanvasPaints(), 0) << "the end of a drag asks for no repaint";
}

TEST_F(CanvasInteraction, ProjectingModeIgnoresDragsAndReleaseRepaintsKeepingTheReadouts) {
    EXPECT_EQ(Readouts(), std::vector<std::string>(8, ""));
    Press(228, 256);
    NextPaint();
    const auto readouts = Readouts();
    ForgetPaints();
    Drag(400, 100);
    EXPECT_EQ(Globals::Mx, 228);
    EXPECT_EQ(Globals::My, 256);
    EXPECT_EQ(Globals::Nx, 300);
    EXPECT_EQ(CanvasPaints(), 0);
    Release(400, 100);
    EXPECT_FALSE(Globals::inProjectingMode);
    EXPECT_EQ(CanvasPaints(), 1);
    const auto afterRelease = NextPaint();
    EXPECT_EQ(afterRelease.back(), "DrawString \"Space\" 606 142") << "no projection lines after the release";
    EXPECT_EQ(Readouts(), readouts);
    // Later changes leave the readouts as they are, until the next press.
    window->SpeedSlider().Value(20);
    window->UnitSlider().Value(5);
    Click(window->RadioButton2());
    NextPaint();
    EXPECT_EQ(Readouts(), readouts);
}

// At rest, with red as our frame, an event pressed on an axis projects onto itself: a line of no length
// marks the event's own pixel, and nothing beside it. Each row is the three by three pixels around the
// event, as the screen shows them at any device pixel ratio: w white, r red, k black.
struct EventOnAxis {
    const char* name;
    int x, y;
    const char* pixels[3];
};

void PrintTo(const EventOnAxis& c, std::ostream* os) {
    *os << c.name;
}

class PressOnAnAxis : public CanvasInteraction, public ::testing::WithParamInterface<EventOnAxis> {};

TEST_P(PressOnAnAxis, TheEventMarksItsOwnPixelAndNothingBeside) {
    const EventOnAxis& c = GetParam();
    window->SpeedSlider().Value(20);
    Click(window->RadioButton2());
    Press(c.x, c.y);
    const QImage shot = CanvasOnScreen();
    const int ratio = static_cast<int>(shot.devicePixelRatio());
    for (int row = 0; row < 3; ++row) {
        std::string seen;
        for (int column = 0; column < 3; ++column) {
            // A pixel of the diagram is the same colour in every device pixel it covers.
            std::set<char> colours;
            for (int dy = 0; dy < ratio; ++dy) {
                for (int dx = 0; dx < ratio; ++dx) {
                    const QColor p =
                        shot.pixelColor((c.x + column - 1) * ratio + dx, (c.y + row - 1) * ratio + dy);
                    colours.insert(p == Qt::white ? 'w' : p == Qt::red ? 'r' : p == Qt::black ? 'k' : '?');
                }
            }
            seen += colours.size() == 1 ? *colours.begin() : '?';
        }
        EXPECT_EQ(seen, c.pixels[row]) << "row " << row << ", ratio " << ratio;
    }
    Release(c.x, c.y);
}

INSTANTIATE_TEST_SUITE_P(CanvasInteraction, PressOnAnAxis,
                         ::testing::Values(EventOnAxis{"SpaceAxis", 250, 400, {"www", "rkk", "rrr"}},
                                           EventOnAxis{"TimeAxis", 300, 340, {"wrr", "wkr", "wkr"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CanvasInteraction, TextTypedIntoAReadoutIsReplacedAtTheNextProjection) {
    window->EditField10().Text("typed by a student");
    Press(228, 256);
    NextPaint();
    EXPECT_EQ(window->EditField10().Text(), "25.00 ns");
}

}  // namespace
