// The diagram objects come into being when the main window opens, and read the size of its canvas.
#include "gui/PrinterSetup.h"
#include "model/Globals.h"
#include "window/Window1.h"

namespace Globals {

void CreateDiagramObjects() {
    myBlackSys = std::make_shared<KoordSys>();
    myBlackSys->cl = gui::RGB(0, 0, 0);
    myBlackSys->sinPhiTime = -0.6;
    myBlackSys->sinPhiSpace = 0;

    myRedSys = std::make_shared<KoordSys>();
    myRedSys->cl = gui::RGB(255, 0, 0);
    myRedSys->sinPhiTime = 0;
    myRedSys->sinPhiSpace = -0.6;

    calcUnits();

    inProjectingMode = false;
    inKoordDragMode = false;

    myPrinterSetup = std::make_shared<gui::PrinterSetup>();

    myBlackThing = std::make_shared<Thing>();
    myBlackThing->index = 0;
    myBlackThing->cl = gui::RGB(100, 100, 100);
    myBlackThing->position = 2;
    myBlackThing->length = 144;
    myBlackThing->isVisible = false;
    myBlackThing->hasShadow = false;
    myBlackThing->hasTrace = false;

    myRedThing = std::make_shared<Thing>();
    myRedThing->index = 1;
    myRedThing->cl = gui::RGB(200, 0, 0);
    myRedThing->position = 0;
    myRedThing->length = 144;
    myRedThing->isVisible = false;
    myRedThing->hasShadow = false;
    myRedThing->hasTrace = false;
}

void InitGlobals() {
    CreateDiagramObjects();
    gw = Window1().Canvas1().Width();
    gh = Window1().Canvas1().Height();
}

}  // namespace Globals
