#include <gtest/gtest.h>

#include "model/Globals.h"
#include "support/DiagramState.h"
#include "support/ImageSurface.h"

namespace {

class DiagramPicture : public DiagramState {};

// Both frames and both objects with everything on, as a person would look at them: saved under the build
// folder, and checked at a few pixels that only come out right with the geometry of the worked examples.
TEST_F(DiagramPicture, BothFramesAndObjectsOnTheCanvas) {
    ShowObject(*Globals::myBlackThing, 1, true, true);
    ShowObject(*Globals::myRedThing, 0, true, true);
    ImageSurface image(636, 553);
    image.Paint([](gui::Graphics& g) {
        Globals::myBlackSys->Draw(g);
        Globals::myRedSys->Draw(g);
        Globals::myBlackThing->Draw(g);
        Globals::myRedThing->Draw(g);
    });
    ASSERT_TRUE(image.SavePng(TRAVIK_ARTIFACTS "/diagram-frames-objects.png"));

    const gui::Color black = gui::RGB(0, 0, 0), red = gui::RGB(255, 0, 0), white = gui::RGB(255, 255, 255);
    const gui::Color grey = gui::RGB(100, 100, 100), darkRed = gui::RGB(200, 0, 0);
    struct Probe {
        const char* what;
        int x, y;
        gui::Color expected;
    } probes[] = {
        {"black space axis", 560, 400, black},
        {"black space axis, second pen row", 560, 401, black},
        {"above the black space axis", 560, 398, white},
        {"black space tick at 3 m", 372, 397, black},
        {"red time axis", 300, 100, red},
        {"red time axis, second pen column", 301, 100, red},
        {"red time tick at 10 ns", 297, 328, red},
        {"black time axis at y = 100", 76, 100, black},
        {"red space axis at x = 500", 501, 251, red},
        {"black rod on the now line", 380, 342, grey},
        {"black shadow's foot line", 257, 420, grey},
        {"red trace at x = 185", 185, 20, darkRed},
        {"red shadow on our space axis", 330, 400, darkRed},
        {"empty canvas", 500, 520, white},
    };
    for (const auto& p : probes) {
        EXPECT_EQ(image.PixelAt(p.x, p.y), p.expected) << p.what << " at " << p.x << "," << p.y;
    }
}

}  // namespace
