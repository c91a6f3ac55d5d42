// Printing one page to a PDF file through the File menu's command, the print dialog answered at once. The
// first print of the process, which loads the printing support, is timed on its own and printed first.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <chrono>
#include <cstdio>

#include "gui/internal/PrintHooks.h"
#include "gui/internal/Runtime.h"
#include "model/Globals.h"
#include "window/Window1.h"

namespace {

void PrintOnePage() {
    Window1().FilePrint_Action();
}

void BM_PrintOnePageToPdf(benchmark::State& state) {
    for (auto _ : state) PrintOnePage();
}
BENCHMARK(BM_PrintOnePageToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const QString pdf = QDir::temp().filePath(QStringLiteral("travik-print-bench.pdf"));
    gui::hooks::printDialog = [&](QPrinter& printer, bool) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    Globals::SetDefaults();
    Window1();
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    PrintOnePage();
    const std::chrono::duration<double, std::milli> first = std::chrono::steady_clock::now() - start;
    std::printf("first print in the process: %.2f ms\n", first.count());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gui::hooks::printDialog = nullptr;
    gui::internal::DestroyAllWindows();
    Globals::SetDefaults();
    QFile::remove(pdf);
    return 0;
}
