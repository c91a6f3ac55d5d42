#include <QImage>

#include "support/MainWindowFixture.h"

namespace {

class WholeDiagram : public MainWindowFixture {
  protected:
    std::vector<std::string> Printed() {
        RecordingGraphics g;
        Globals::Print(g);
        return g.lines;
    }
    // The unit circles' colour and their ten boxes around the origin at (300, 400).
    static std::vector<std::string> UnitCircles() {
        std::vector<std::string> lines{"DrawingColor 220 220 220"};
        for (int k = 1; k <= 10; ++k) {
            const int r = 72 * k;
            lines.push_back("DrawOval " + std::to_string(300 - r) + " " + std::to_string(400 - r) + " " +
                            std::to_string(2 * r) + " " + std::to_string(2 * r));
        }
        return lines;
    }
};

TEST_F(WholeDiagram, FrameTiltsFollowTheFrameWeThinkWith) {
    Printed();
    EXPECT_EQ(Globals::myBlackSys->sinPhiTime, -0.6);
    EXPECT_EQ(Globals::myBlackSys->sinPhiSpace, 0);
    EXPECT_EQ(Globals::myRedSys->sinPhiTime, 0);
    EXPECT_EQ(Globals::myRedSys->sinPhiSpace, -0.6);
    Globals::ourSystem = 1;
    Printed();
    EXPECT_EQ(Globals::myBlackSys->sinPhiTime, 0);
    EXPECT_EQ(Globals::myBlackSys->sinPhiSpace, -0.6);
    EXPECT_EQ(Globals::myRedSys->sinPhiTime, -0.6);
    EXPECT_EQ(Globals::myRedSys->sinPhiSpace, 0);
    // At rest, a sign-flipped zero counts as untilted: all four axes get their ticks.
    Globals::ourSystem = 0;
    Globals::sinPhi = 0;
    EXPECT_EQ(LinesStartingWith(Printed(), "DrawLine").size(), 2 * 42u);
}

TEST_F(WholeDiagram, UnitCirclesThenFramesAndNothingBetweenWithTheConeOff) {
    const auto lines = Printed();
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 11), UnitCircles());
    EXPECT_EQ(lines[10], "DrawOval -420 -320 1440 1440");
    EXPECT_EQ(lines[11], "PenSize 2") << "the black frame's own settings follow the circles directly";
}

TEST_F(WholeDiagram, LightConeDistances) {
    window->CheckBox7().Value(true);
    struct Case {
        double sinPhi;
        std::int64_t d;
    } cases[] = {{0, 600}, {0.6, 1200}, {-0.6, 300}, {0.95, 3747}, {-0.95, 96}};
    for (const auto& c : cases) {
        Globals::sinPhi = c.sinPhi;
        const auto lines = Printed();
        const std::string d = std::to_string(c.d);
        const std::string negD = std::to_string(-c.d);
        EXPECT_TRUE(
            ContainsInOrder(lines, {"DrawOval -420 -320 1440 1440", "DrawingColor 80 80 222", "PenSize 1",
                                    "DrawLine 300 400 900 " + std::to_string(400 - c.d),
                                    "DrawLine 300 400 -300 " + std::to_string(400 + c.d),
                                    "DrawLine 300 400 " + std::to_string(300 + c.d) + " 1000",
                                    "DrawLine 300 400 " + std::to_string(300 - c.d) + " -200", "PenSize 2"}))
            << "sinPhi " << c.sinPhi;
    }
}

TEST_F(WholeDiagram, ObjectsTakeTheirControls) {
    window->CheckBox1().Value(true);
    window->CheckBox4().Value(true);
    for (const auto& [steps, pixels] : {std::pair{1, 24}, {6, 144}, {12, 288}}) {
        window->BlackLengthSlider().Value(steps);
        window->RedLengthSlider().Value(steps);
        Printed();
        EXPECT_EQ(Globals::myBlackThing->length, pixels);
        EXPECT_EQ(Globals::myRedThing->length, pixels);
    }
    window->BlackLengthSlider().Value(6);
    window->RedLengthSlider().Value(6);
    window->CheckBox2().Value(true);
    window->CheckBox3().Value(true);
    const auto lines = Printed();
    EXPECT_TRUE(Globals::myBlackThing->isVisible && Globals::myBlackThing->hasTrace &&
                Globals::myBlackThing->hasShadow);
    EXPECT_EQ(Globals::myBlackThing->position, 1);
    EXPECT_EQ(Globals::myRedThing->position, 0);
    EXPECT_TRUE(ContainsInOrder(
        lines, {"DrawingColor 100 100 100", "DrawLine 257 342 401 342", "DrawLine -199 -458 1001 1142",
                "DrawLine 257 432 349 363", "DrawingColor 200 0 0", "DrawLine 185 428 300 342"}));
    // The red group's middle box is the trace, the bottom one the shadow.
    window->CheckBox6().Value(true);
    Printed();
    EXPECT_TRUE(Globals::myRedThing->hasTrace);
    EXPECT_FALSE(Globals::myRedThing->hasShadow);
}

// With everything switched on, each part is drawn whole and in its place: circles, light cone, black frame,
// red frame, black object, red object, each frame and object exactly as its own Draw draws it alone.
TEST_F(WholeDiagram, FramesThenObjectsWithEverythingOn) {
    for (gui::CheckBox* box :
         {&window->CheckBox1(), &window->CheckBox2(), &window->CheckBox3(), &window->CheckBox4(),
          &window->CheckBox5(), &window->CheckBox6(), &window->CheckBox7()}) {
        box->Value(true);
    }
    const auto printed = Printed();

    std::vector<std::string> expected = UnitCircles();
    expected.insert(expected.end(), {"DrawingColor 80 80 222", "PenSize 1", "DrawLine 300 400 900 -800",
                                     "DrawLine 300 400 -300 1600", "DrawLine 300 400 1500 1000",
                                     "DrawLine 300 400 -900 -200"});
    const auto drawnAlone = [](auto& part) {
        RecordingGraphics g;
        part.Draw(g);
        EXPECT_FALSE(g.lines.empty());
        return g.lines;
    };
    for (const auto& part : {drawnAlone(*Globals::myBlackSys), drawnAlone(*Globals::myRedSys),
                             drawnAlone(*Globals::myBlackThing), drawnAlone(*Globals::myRedThing)}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    EXPECT_EQ(printed, expected);
}

TEST_F(WholeDiagram, TheCanvasPaintsExactlyWhatPrintDraws) {
    window->CheckBox1().Value(true);
    window->CheckBox3().Value(true);
    window->CheckBox4().Value(true);
    window->CheckBox7().Value(true);
    const auto paint = NextPaint();
    const auto printed = Printed();
    ASSERT_EQ(paint.size(), printed.size() + 2);
    EXPECT_EQ(paint[0], "DrawingColor 255 255 255");
    EXPECT_EQ(paint[1], "FillRect 0 0 636 553");
    EXPECT_EQ(std::vector<std::string>(paint.begin() + 2, paint.end()), printed);

    // And on screen, pixel for pixel as a drawing from scratch at the screen's device pixel ratio.
    const QImage onScreen = CanvasOnScreen();
    ASSERT_EQ(onScreen.deviceIndependentSize(), QSizeF(636, 553));
    EXPECT_EQ(Differing(onScreen, FreshCanvas(onScreen.devicePixelRatio())), 0);
}

TEST_F(WholeDiagram, WithoutTheDiagramObjectsPrintIsAnErrorNotACrash) {
    Globals::myRedThing = nullptr;
    RecordingGraphics g;
    EXPECT_THROW(Globals::Print(g), gui::NilObjectError);
}

}  // namespace
