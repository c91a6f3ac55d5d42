// What the canvas costs: one full paint with everything switched on and an event pressed (the white fill,
// the whole diagram and the projection with its readouts), through the window and into a picture, in the
// default state and in the worst reachable one; and one step of the time slider as the user makes it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <ctime>

#include "gui/ImageSurface.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/Runtime.h"
#include "model/Globals.h"
#include "window/Window1.h"

namespace {

// Counts the paints a widget receives.
class PaintCounter final : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

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

// The default speed (v/c 0.6), or v/c 0, where all four axes carry their tick labels: the most text the
// diagram ever draws.
class Window1& InState(bool worst) {
    class Window1& w = EverythingOn();
    w.SpeedSlider().Value(worst ? 20 : 31);
    QApplication::processEvents();
    return w;
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The paint handler drawing into a 636 x 553 picture.
void BM_CanvasPaintOnImage(benchmark::State& state, bool worst) {
    class Window1& w = InState(worst);
    gui::ImageSurface image(636, 553);
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

// One step of the time slider: its handler, the refresh it asks for and every paint that follows, in CPU
// time of the GUI thread.
void BM_TimeSliderStep(benchmark::State& state) {
    class Window1& w = InState(false);
    PaintCounter counter;
    gui::WidgetOf(w.Canvas1())->installEventFilter(&counter);
    std::int64_t step = 1;
    for (auto _ : state) {
        const double start = ThreadCpuSeconds();
        const int before = counter.paints;
        if (w.TimeSlider().Value() >= 1000) step = -1;
        if (w.TimeSlider().Value() <= 0) step = 1;
        w.TimeSlider().Value(w.TimeSlider().Value() + step);
        for (int i = 0; i < 10 && counter.paints == before; ++i) QApplication::processEvents();
        QApplication::processEvents();
        state.SetIterationTime(ThreadCpuSeconds() - start);
        if (counter.paints == before) state.SkipWithError("the step caused no paint of the canvas");
    }
    gui::WidgetOf(w.Canvas1())->removeEventFilter(&counter);
}
BENCHMARK(BM_TimeSliderStep)->UseManualTime()->Unit(benchmark::kMicrosecond);

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
