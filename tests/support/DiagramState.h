#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "model/Globals.h"

// The diagram state as the main window leaves it when it opens on its 636 x 553 canvas, without a window:
// defaults, units step 3, both frames and both objects with their creation values.
class DiagramState : public ::testing::Test {
  protected:
    void SetUp() override {
        using namespace Globals;
        SetDefaults();
        gw = 636;
        gh = 553;
        calcUnits();
        myBlackSys = std::make_shared<KoordSys>();
        myBlackSys->cl = gui::RGB(0, 0, 0);
        myRedSys = std::make_shared<KoordSys>();
        myRedSys->cl = gui::RGB(255, 0, 0);
        myBlackThing = std::make_shared<Thing>();
        myBlackThing->cl = gui::RGB(100, 100, 100);
        myBlackThing->index = 0;
        myRedThing = std::make_shared<Thing>();
        myRedThing->cl = gui::RGB(200, 0, 0);
        myRedThing->index = 1;
        Tilt(0.6, 0);
    }

    void TearDown() override { Globals::SetDefaults(); }

    // Our frame gets a horizontal space axis and a tilted time axis, the other a vertical time axis.
    static void Tilt(double sinPhi, std::int64_t ourSystem) {
        using namespace Globals;
        Globals::sinPhi = sinPhi;
        Globals::ourSystem = ourSystem;
        KoordSys& ours = ourSystem == 0 ? *myBlackSys : *myRedSys;
        KoordSys& other = ourSystem == 0 ? *myRedSys : *myBlackSys;
        ours.sinPhiTime = -sinPhi;
        ours.sinPhiSpace = 0;
        other.sinPhiTime = 0;
        other.sinPhiSpace = -sinPhi;
    }

    static void ShowObject(Thing& thing, std::int64_t position, bool trace, bool shadow) {
        thing.isVisible = true;
        thing.position = position;
        thing.length = 144;
        thing.hasTrace = trace;
        thing.hasShadow = shadow;
    }
};
