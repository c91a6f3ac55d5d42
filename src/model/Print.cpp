// The whole diagram, drawn the same way on the canvas and on paper. The drawing reads the main window's
// object and light-cone controls at every call: that is this file's one reach up into the window.
#include <cmath>

#include "gui/Graphics.h"
#include "gui/Numbers.h"
#include "model/Globals.h"
#include "window/Window1.h"

namespace Globals {

namespace {

constexpr std::int64_t kUnitCircles = 10;
constexpr gui::Color kCircleColour = gui::RGB(220, 220, 220);
constexpr gui::Color kLightConeColour = gui::RGB(80, 80, 222);
constexpr std::int64_t kLightConeReach = 600;
constexpr double kHalfPi = 1.5707963267948966;

void NilCheck(const void* object, const char* name) {
    if (!object)
        throw gui::NilObjectError(std::string(name) + " does not exist before the main window opens");
}

}  // namespace

void Print(gui::Graphics& g) {
    const double s = sinPhi;
    NilCheck(myBlackSys.get(), "myBlackSys");
    NilCheck(myRedSys.get(), "myRedSys");
    if (ourSystem == 0) {
        myBlackSys->sinPhiTime = -s;
        myBlackSys->sinPhiSpace = 0;
        myRedSys->sinPhiTime = 0;
        myRedSys->sinPhiSpace = -s;
    } else {
        myBlackSys->sinPhiTime = 0;
        myBlackSys->sinPhiSpace = -s;
        myRedSys->sinPhiTime = -s;
        myRedSys->sinPhiSpace = 0;
    }

    NilCheck(myBlackThing.get(), "myBlackThing");
    NilCheck(myRedThing.get(), "myRedThing");
    myBlackThing->isVisible = Window1().CheckBox1().Value();
    myBlackThing->hasTrace = Window1().CheckBox2().Value();
    myBlackThing->hasShadow = Window1().CheckBox3().Value();
    myBlackThing->length = Window1().BlackLengthSlider().Value() * PixelsPerLengthStep;
    myBlackThing->position = Window1().BlackPosSlider().Value();
    myRedThing->isVisible = Window1().CheckBox4().Value();
    myRedThing->hasTrace = Window1().CheckBox6().Value();
    myRedThing->hasShadow = Window1().CheckBox5().Value();
    myRedThing->length = Window1().RedLengthSlider().Value() * PixelsPerLengthStep;
    myRedThing->position = Window1().RedPosSlider().Value();

    g.DrawingColor(kCircleColour);
    for (std::int64_t k = 1; k <= kUnitCircles; ++k) {
        g.DrawOval(Nx - PixelsPerUnit * k, Ny - PixelsPerUnit * k, 2 * PixelsPerUnit * k,
                   2 * PixelsPerUnit * k);
    }

    if (Window1().CheckBox7().Value()) {
        // Half way between our space axis and our time axis, which leans by asin(s) from the vertical.
        const double b = (kHalfPi + std::asin(s)) / 2;
        g.DrawingColor(kLightConeColour);
        g.PenSize(1);
        const std::int64_t d = gui::Round(kLightConeReach * std::tan(b));
        g.DrawLine(Nx, Ny, Nx + kLightConeReach, Ny - d);
        g.DrawLine(Nx, Ny, Nx - kLightConeReach, Ny + d);
        g.DrawLine(Nx, Ny, Nx + d, Ny + kLightConeReach);
        g.DrawLine(Nx, Ny, Nx - d, Ny - kLightConeReach);
    }

    myBlackSys->Draw(g);
    myRedSys->Draw(g);
    myBlackThing->Draw(g);
    myRedThing->Draw(g);
}

}  // namespace Globals
