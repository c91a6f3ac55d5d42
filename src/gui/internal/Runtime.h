#pragma once

// Only for gui/: the runtime's own rules about windows.

namespace gui {
class Window;
}

namespace gui::internal {

// Told when the user has closed a window; closing the program's default view ends the program.
void WindowClosed(Window& window);

// The window that start-up opened as the program's default view, if any.
void SetDefaultView(Window* window);

// Closes and destroys every window, before the application object and Qt go.
void DestroyAllWindows();

}  // namespace gui::internal
