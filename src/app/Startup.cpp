#include "app/Startup.h"

#include <exception>
#include <memory>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "gui/Application.h"
#include "model/Globals.h"
#include "window/Window1.h"

namespace Startup {

int Run(int argc, char** argv) {
    gui::RuntimeInit(argc, argv);
    Globals::SetDefaults();
    Main();
    gui::RuntimePerformFinalizers();
    // The module's own finalisers: the diagram objects go before the GUI layer does.
    Globals::SetDefaults();
    return gui::RuntimeExit();
}

void Main() {
    try {
        EarlyStartup();
        gui::RunFrameworkInitialization(LateStartup);
        gui::RuntimeRun();
    } catch (...) {
        // An error in any step ends start-up here: the rest of the steps, the event loop included, do not
        // run.
        gui::UnhandledException(std::current_exception());
    }
}

void EarlyStartup() {
    NewAppInstance();
}

void NewAppInstance() {
    auto app = std::make_shared<App>();
    app->x_SetVersionData(1, 0, 0, 0, 0, "", "", "");
    // The menu bar is in place before the application object is registered and before any window exists.
    app->MenuBar(MenuBar1());
    gui::RuntimeRegisterAppObject(std::move(app));
}

void LateStartup() {
    MakeDefaultView();
}

void MakeDefaultView() {
    Window1();
}

}  // namespace Startup
