// The program's own start-up, as main() runs it, ended at its first paint.
#include "FirstPaintProbe.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
    // The runtime takes this application object for its own, as it does a test's.
    const bench::ProbedApplication app(argc, argv);
    return Startup::Run(1, argv);
}
