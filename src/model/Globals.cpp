#include "model/Globals.h"

#include <array>

namespace Globals {

std::int64_t gh;
std::int64_t gw;
bool inKoordDragMode;
bool inProjectingMode;
std::int64_t Mx;
std::int64_t My;
std::shared_ptr<KoordSys> myBlackSys;
std::shared_ptr<Thing> myBlackThing;
std::shared_ptr<gui::PrinterSetup> myPrinterSetup;
std::shared_ptr<KoordSys> myRedSys;
std::shared_ptr<Thing> myRedThing;
std::int64_t Nx;
std::int64_t Ny;
std::int64_t ourSystem;
bool printerSetupDone;
double sinPhi;
bool speedEditFlag;
std::int64_t stUnits;
std::int64_t theTime;
std::string x_units;
std::int64_t x_Val;
std::string y_units;
std::int64_t y_val;

void SetDefaults() {
    gh = 0;
    gw = 0;
    inKoordDragMode = false;
    inProjectingMode = false;
    Mx = 0;
    My = 0;
    myBlackSys = nullptr;
    myBlackThing = nullptr;
    myPrinterSetup = nullptr;
    myRedSys = nullptr;
    myRedThing = nullptr;
    Nx = 300;
    Ny = 400;
    ourSystem = 0;
    printerSetupDone = false;
    sinPhi = 0.6;
    speedEditFlag = false;
    stUnits = 3;
    theTime = 72;
    x_units.clear();
    x_Val = 0;
    y_units.clear();
    y_val = 0;
}

namespace {

struct UnitsRow {
    std::int64_t xVal;
    const char* xUnits;
    std::int64_t yVal;
    const char* yUnits;
};

// In every row the distance is what light travels in the time, so a tick of space and a tick of time
// describe the same light travel.
constexpr std::array<UnitsRow, 10> kUnits{{
    {3, " mm", 10, " ps"},
    {3, " cm", 100, " ps"},
    {30, " cm", 1, " ns"},
    {3, " m", 10, " ns"},
    {30, " m", 100, " ns"},
    {300, " m", 1, " us"},
    {3, " km", 10, " us"},
    {30, " km", 100, " us"},
    {300, " km", 1, " ms"},
    {3000, " km", 10, " ms"},
}};

}  // namespace

void calcUnits() {
    if (stUnits < 0 || stUnits >= static_cast<std::int64_t>(kUnits.size())) return;
    const UnitsRow& row = kUnits[static_cast<std::size_t>(stUnits)];
    x_Val = row.xVal;
    x_units = row.xUnits;
    y_val = row.yVal;
    y_units = row.yUnits;
}

}  // namespace Globals
