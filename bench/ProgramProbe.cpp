// The program's own start-up, as main() runs it, ended at its first paint.
#include "FirstPaintProbe.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
    const long long start = bench::StartFromArguments(argc, argv);
    int qtArgc = 1;
    // The runtime takes this application object for its own, as it does a test's.
    QApplication app(qtArgc, argv);
    bench::FirstPaintProbe probe(start);
    app.installEventFilter(&probe);
    return Startup::Run(1, argv);
}
