#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/KoordSys.h"
#include "model/Thing.h"

namespace gui {
class Graphics;
class PrinterSetup;
}  // namespace gui

// The whole state of the diagram, shared by the drawing and the main window's handlers, read and written
// by name. Nothing of it is saved: every run starts from SetDefaults().
namespace Globals {

// One unit tick on every axis and the radius step of the unit circles.
inline constexpr std::int64_t PixelsPerUnit = 72;
// Object length per step of a length slider.
inline constexpr std::int64_t PixelsPerLengthStep = 24;

extern std::int64_t gh;
extern std::int64_t gw;
extern bool inKoordDragMode;
extern bool inProjectingMode;
extern std::int64_t Mx;
extern std::int64_t My;
extern std::shared_ptr<KoordSys> myBlackSys;
extern std::shared_ptr<Thing> myBlackThing;
extern std::shared_ptr<gui::PrinterSetup> myPrinterSetup;
extern std::shared_ptr<KoordSys> myRedSys;
extern std::shared_ptr<Thing> myRedThing;
extern std::int64_t Nx;
extern std::int64_t Ny;
extern std::int64_t ourSystem;
extern bool printerSetupDone;
extern double sinPhi;
extern bool speedEditFlag;
extern std::int64_t stUnits;
extern std::int64_t theTime;
extern std::string x_units;
extern std::int64_t x_Val;
extern std::string y_units;
extern std::int64_t y_val;

// The module's initialisers: the values every run starts from, before any window exists.
void SetDefaults();

// Creates the diagram objects and the printer setup, computes the units and reads the canvas size.
void InitGlobals();

// All of InitGlobals but the canvas size, in its order: both frames, the units from stUnits, both mouse modes
// cleared, a new printer setup, both objects, each object with its creation values. Tests and benchmarks
// that draw without a window start from here.
void CreateDiagramObjects();

// Sets x_Val, x_units, y_val and y_units from the units table row stUnits; a step outside 0..9 changes
// nothing.
void calcUnits();

// Draws the whole diagram on g.
void Print(gui::Graphics& g);

}  // namespace Globals
