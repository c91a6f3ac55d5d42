#include "app/App.h"

#include "gui/Window.h"

App::App() {
    // The runtime keeps the first registration of a class and ignores later ones.
    gui::RegisterClass(kClassName, {});
}

bool App::IsEventImplemented(std::string_view eventName) const {
    return gui::RuntimeIsEventHandled(this, kClassName, eventName, true);
}
