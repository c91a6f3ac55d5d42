// What one full paint of the diagram canvas costs with everything switched on and an event pressed: the
// white fill, the whole diagram and the projection with its readouts, through the QPainter surface.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <cstdlib>

#include "gui/ImageSurface.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/Runtime.h"
#include "model/Globals.h"
#include "window/Window1.h"

namespace {

class Window1& EverythingOn() {
    static class Window1* window = [] {
        Globals::SetDefaults();
        class Window1& w = Window1();
        for (gui::CheckBox* box : {&w.CheckBox1(), &w.CheckBox2(), &w.CheckBox3(), &w.CheckBox4(), &w.CheckBox5(),
                                   &w.CheckBox6(), &w.CheckBox7()}) {
            box->Value(true);
        }
        QTest::mousePress(gui::WidgetOf(w.Canvas1()), Qt::LeftButton, Qt::NoModifier, QPoint(228, 256));
        return &w;
    }();
    return *window;
}

// The paint handler drawing into a 636 x 553 picture.
void BM_CanvasPaintOnImage(benchmark::State& state) {
    class Window1& w = EverythingOn();
    gui::ImageSurface image(636, 553);
    for (auto _ : state) {
        image.Paint([&](gui::Graphics& g) { w.Canvas1_Paint(w.Canvas1(), g, {}); });
    }
}
BENCHMARK(BM_CanvasPaintOnImage)->Unit(benchmark::kMicrosecond);

// The canvas widget painted by Qt through its own paint event, into a fresh pixmap each time.
void BM_CanvasWidgetPaint(benchmark::State& state) {
    class Window1& w = EverythingOn();
    QWidget* canvas = gui::WidgetOf(w.Canvas1());
    for (auto _ : state) benchmark::DoNotOptimize(canvas->grab());
}
BENCHMARK(BM_CanvasWidgetPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gui::internal::DestroyAllWindows();
    Globals::SetDefaults();
    return 0;
}
