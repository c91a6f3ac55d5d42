#pragma once

// Points where a test can stand in for a person or for the desktop. The program never sets them; unset, the
// runtime does what it does for a user.

#include <functional>
#include <string>

namespace gui::hooks {

// Receives an unhandled error's text in place of the message box.
extern std::function<void(const std::string&)> unhandledError;
// Receives the address in place of the system's handler.
extern std::function<void(const std::string&)> showURL;
// Receives Quit's exit code in place of ending the event loop.
extern std::function<void(int)> quit;
// Told of each start-up and shut-down step of the runtime by name: as it begins, or, for the
// registration of the application object, once it is registered.
extern std::function<void(const char* step)> runtimeStep;
// Told of each control by name as its window registers it.
extern std::function<void(const std::string& name)> controlAdded;

}  // namespace gui::hooks
