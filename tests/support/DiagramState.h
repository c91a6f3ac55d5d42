#pragma once

#include <gtest/gtest.h>

#include "model/Globals.h"

// The diagram state as the main window leaves it when it opens on its 636 x 553 canvas, without a window:
// defaults, units step 3, both frames and both objects with their creation values.
class DiagramState : public ::testing::Test {
  protected:
    void SetUp() override {
        Globals::SetDefaults();
        Globals::CreateDiagramObjects();
        Globals::gw = 636;
        Globals::gh = 553;
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
