// What the canvas costs: one full paint with everything switched on and an event pressed (the white fill,
// the whole diagram and the projection with its readouts), through the window and into a picture, in the
// default state and in the worst reachable one; and one step of the time slider as the user makes it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

#include "Platform.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/Runtime.h"
#include "model/Globals.h"
#include "support/ImageSurface.h"
#include "support/PaintCounter.h"
#include "window/Window1.h"

namespace {

class Window1& EverythingOn() {
    static class Window1* window = [] {
        Globals::SetDefaults();
        class Window1& w = Window1();
        for (gui::CheckBox* box : {&w.CheckBox1(), &w.CheckBox2(), &w.CheckBox3(), &w.CheckBox4(),
                                   &w.CheckBox5(), &w.CheckBox6(), &w.CheckBox7()}) {
            box->Value(true);
        }
        QTest::mousePress(gui::WidgetOf(w.Canvas1()), Qt::LeftButton, Qt::NoModifier, QPoint(228, 256));
        QApplication::processEvents();
        return &w;
    }();
    return *window;
}

// The speed the program starts with (the slider at 32, v/c 0.6), or v/c 0, where all four axes carry their
// tick labels: the most text the diagram ever draws. The slider's 32 / 20 - 1 is one bit above the start's
// 0.6, which draws the same diagram.
class Window1& InState(bool worst) {
    class Window1& w = EverythingOn();
    w.SpeedSlider().Value(worst ? 20 : 32);
    QApplication::processEvents();
    return w;
}

// The paint handler drawing into a 636 x 553 picture.
void BM_CanvasPaintOnImage(benchmark::State& state, bool worst) {
    class Window1& w = InState(worst);
    ImageSurface image(636, 553);
    for (auto _ : state) {
        image.Paint([&](gui::Graphics& g) { w.Canvas1_Paint(w.Canvas1(), g, {}); });
    }
}
BENCHMARK_CAPTURE(BM_CanvasPaintOnImage, default, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CanvasPaintOnImage, worst_v0, true)->Unit(benchmark::kMicrosecond);

// The shown canvas repainted by Qt through the window's backing store, as an update paints it.
void BM_CanvasRepaintInWindow(benchmark::State& state, bool worst) {
    class Window1& w = InState(worst);
    QWidget* canvas = gui::WidgetOf(w.Canvas1());
    for (auto _ : state) canvas->repaint();
}
BENCHMARK_CAPTURE(BM_CanvasRepaintInWindow, default, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CanvasRepaintInWindow, worst_v0, true)->Unit(benchmark::kMicrosecond);

// One step of the time slider as the user makes it, up to and including every paint it causes: moves the
// slider one notch (turning at its ends) and runs the event loop until the canvas has painted and settled.
// Returns whether the canvas painted.
bool TimeSliderStep(class Window1& w, const PaintCounter& counter) {
    static std::int64_t step = 1;
    QWidget* canvas = gui::WidgetOf(w.Canvas1());
    const int before = counter.Of(canvas);
    if (w.TimeSlider().Value() >= 1000) step = -1;
    if (w.TimeSlider().Value() <= 0) step = 1;
    w.TimeSlider().Value(w.TimeSlider().Value() + step);
    for (int i = 0; i < 10 && counter.Of(canvas) == before; ++i) QApplication::processEvents();
    QApplication::processEvents();
    return counter.Of(canvas) != before;
}

// One step of the time slider: its handler, the refresh it asks for and every paint it causes, in CPU
// time of the GUI thread.
void BM_TimeSliderStep(benchmark::State& state) {
    class Window1& w = InState(false);
    PaintCounter counter;
    gui::WidgetOf(w.Canvas1())->installEventFilter(&counter);
    for (auto _ : state) {
        const double start = bench::ThreadCpuSeconds();
        const bool painted = TimeSliderStep(w, counter);
        state.SetIterationTime(bench::ThreadCpuSeconds() - start);
        if (!painted) state.SkipWithError("the step caused no paint of the canvas");
    }
    gui::WidgetOf(w.Canvas1())->removeEventFilter(&counter);
}
BENCHMARK(BM_TimeSliderStep)->UseManualTime()->Unit(benchmark::kMicrosecond);

// For counting instructions: `canvas_bench --repeat WHAT N` does WHAT (image, image_v0, window, window_v0
// or step) N times inside Repeated(), after setting up outside it, so that
//     valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*Repeated*' canvas_bench --repeat step
//     100
// counts only the work itself.
BENCH_NOINLINE void Repeated(const std::function<void()>& what, long times) {
    for (long i = 0; i < times; ++i) what();
}

int Repeat(const std::string& what, long times) {
    const bool worst = what.ends_with("_v0");
    class Window1& w = InState(worst);
    if (what.starts_with("image")) {
        ImageSurface image(636, 553);
        Repeated([&] { image.Paint([&](gui::Graphics& g) { w.Canvas1_Paint(w.Canvas1(), g, {}); }); }, times);
    } else if (what.starts_with("window")) {
        QWidget* canvas = gui::WidgetOf(w.Canvas1());
        Repeated([&] { canvas->repaint(); }, times);
    } else if (what == "step") {
        PaintCounter counter;
        gui::WidgetOf(w.Canvas1())->installEventFilter(&counter);
        // The first steps settle what the first change of time leaves to do once.
        for (int i = 0; i < 3; ++i) TimeSliderStep(w, counter);
        Repeated([&] { TimeSliderStep(w, counter); }, times);
        gui::WidgetOf(w.Canvas1())->removeEventFilter(&counter);
    } else {
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // A screen that holds the main window, as a desktop's does: the offscreen platform's own is smaller.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", TRAVIK_WIDE_SCREEN_PLATFORM);
    QApplication app(argc, argv);
    int status = 0;
    if (argc == 4 && std::string_view(argv[1]) == "--repeat") {
        status = Repeat(argv[2], std::atol(argv[3]));
    } else {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    gui::internal::DestroyAllWindows();
    Globals::SetDefaults();
    return status;
}
