// What drawing the diagram costs: both frames and both objects with everything on, into a 636 x 553
// picture through the QPainter surface and into the recording surface.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "model/Globals.h"
#include "support/ImageSurface.h"
#include "support/RecordingGraphics.h"

namespace {

void SetUpDiagram() {
    using namespace Globals;
    SetDefaults();
    CreateDiagramObjects();
    gw = 636;
    gh = 553;
    myBlackThing->position = 1;
    myRedThing->position = 0;
    for (Thing* thing : {myBlackThing.get(), myRedThing.get()}) {
        thing->isVisible = thing->hasTrace = thing->hasShadow = true;
    }
}

void DrawFramesAndObjects(gui::Graphics& g) {
    Globals::myBlackSys->Draw(g);
    Globals::myRedSys->Draw(g);
    Globals::myBlackThing->Draw(g);
    Globals::myRedThing->Draw(g);
}

void BM_FramesAndObjectsOnImage(benchmark::State& state) {
    SetUpDiagram();
    ImageSurface image(636, 553);
    for (auto _ : state) {
        image.Paint([](gui::Graphics& g) {
            g.DrawingColor(gui::RGB(255, 255, 255));
            g.FillRect(0, 0, 636, 553);
            DrawFramesAndObjects(g);
        });
    }
}
BENCHMARK(BM_FramesAndObjectsOnImage)->Unit(benchmark::kMicrosecond);

void BM_FramesAndObjectsRecorded(benchmark::State& state) {
    SetUpDiagram();
    for (auto _ : state) {
        RecordingGraphics g;
        DrawFramesAndObjects(g);
        benchmark::DoNotOptimize(g.lines.data());
    }
}
BENCHMARK(BM_FramesAndObjectsRecorded)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
