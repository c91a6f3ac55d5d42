// Linked with the program's own main() into a test executable, so that its exit status can be checked from
// outside. Start-up fails at its framework step, unless EXIT_CODE_CHECK_QUIT_WITH asks the running program to
// quit at once with the code it gives. Unhandled errors go nowhere: no message box waits for a user.
#include <QCoreApplication>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <string_view>

#include "gui/Runtime.h"
#include "gui/TestHooks.h"

namespace {

void SetHooks() {
    gui::hooks::unhandledError = [](const std::string&) {};
    bool quits = false;
    const int code = qEnvironmentVariableIntValue("EXIT_CODE_CHECK_QUIT_WITH", &quits);
    gui::hooks::runtimeStep = [quits, code](const char* step) {
        const std::string_view s = step;
        if (!quits && s == "RunFrameworkInitialization")
            throw std::runtime_error("start-up fails for the test");
        if (quits && s == "RuntimeRun") QTimer::singleShot(0, [code] { gui::Quit(code); });
    };
}

}  // namespace

// Set as the runtime makes its Qt application: after every static object, the hooks among them, is made,
// and before the first start-up step.
Q_COREAPP_STARTUP_FUNCTION(SetHooks)
