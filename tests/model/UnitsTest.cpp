#include <gtest/gtest.h>

#include "model/Globals.h"

namespace {

TEST(Globals, DefaultsBeforeTheMainWindowOpens) {
    using namespace Globals;
    Nx = 1;
    myBlackSys = std::make_shared<KoordSys>();
    x_units = "junk";
    inProjectingMode = true;
    SetDefaults();
    EXPECT_EQ(Nx, 300);
    EXPECT_EQ(Ny, 400);
    EXPECT_EQ(sinPhi, 0.6);
    EXPECT_EQ(stUnits, 3);
    EXPECT_EQ(theTime, 72);
    EXPECT_EQ(ourSystem, 0);
    EXPECT_EQ(gw, 0);
    EXPECT_EQ(gh, 0);
    EXPECT_EQ(Mx, 0);
    EXPECT_EQ(My, 0);
    EXPECT_EQ(x_Val, 0);
    EXPECT_EQ(y_val, 0);
    EXPECT_EQ(x_units, "");
    EXPECT_EQ(y_units, "");
    EXPECT_EQ(myBlackSys, nullptr);
    EXPECT_EQ(myRedSys, nullptr);
    EXPECT_EQ(myBlackThing, nullptr);
    EXPECT_EQ(myRedThing, nullptr);
    EXPECT_EQ(myPrinterSetup, nullptr);
    EXPECT_FALSE(inKoordDragMode);
    EXPECT_FALSE(inProjectingMode);
    EXPECT_FALSE(speedEditFlag);
    EXPECT_FALSE(printerSetupDone);
}

TEST(calcUnits, EveryRowOfTheUnitsTable) {
    struct Row {
        std::int64_t step;
        std::int64_t xVal;
        const char* xUnits;
        std::int64_t yVal;
        const char* yUnits;
    } rows[] = {
        {0, 3, " mm", 10, " ps"},    {1, 3, " cm", 100, " ps"},  {2, 30, " cm", 1, " ns"},
        {3, 3, " m", 10, " ns"},     {4, 30, " m", 100, " ns"},  {5, 300, " m", 1, " us"},
        {6, 3, " km", 10, " us"},    {7, 30, " km", 100, " us"}, {8, 300, " km", 1, " ms"},
        {9, 3000, " km", 10, " ms"},
    };
    Globals::SetDefaults();
    for (const auto& row : rows) {
        Globals::stUnits = row.step;
        Globals::calcUnits();
        EXPECT_EQ(Globals::x_Val, row.xVal) << row.step;
        EXPECT_EQ(Globals::x_units, row.xUnits) << row.step;
        EXPECT_EQ(Globals::y_val, row.yVal) << row.step;
        EXPECT_EQ(Globals::y_units, row.yUnits) << row.step;
    }
}

TEST(calcUnits, StepOutsideTheTableChangesNothing) {
    Globals::SetDefaults();
    for (const std::int64_t step : {-1, 10}) {
        Globals::stUnits = step;
        Globals::calcUnits();
        EXPECT_EQ(Globals::x_Val, 0) << "a first call leaves the defaults";
        EXPECT_EQ(Globals::x_units, "");
        EXPECT_EQ(Globals::y_val, 0);
        EXPECT_EQ(Globals::y_units, "");
    }
    Globals::stUnits = 7;
    Globals::calcUnits();
    for (const std::int64_t step : {-1, 10, 1000}) {
        Globals::stUnits = step;
        Globals::calcUnits();
        EXPECT_EQ(Globals::x_Val, 30) << step;
        EXPECT_EQ(Globals::x_units, " km") << step;
        EXPECT_EQ(Globals::y_val, 100) << step;
        EXPECT_EQ(Globals::y_units, " us") << step;
    }
    Globals::SetDefaults();
}

}  // namespace
