#include "app/App.h"

#include "gui/Window.h"

App::App() {
    static const bool registered = [] {
        gui::RegisterClass(kClassName, {});
        return true;
    }();
    (void)registered;
}

bool App::IsEventImplemented(std::string_view eventName) const {
    return gui::RuntimeIsEventHandled(this, kClassName, eventName, true);
}
