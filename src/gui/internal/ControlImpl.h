#pragma once

// Only for gui/: what a control and a window hold behind their public classes.

#include <QCursor>
#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/Controls.h"
#include "gui/Window.h"

class QShortcut;

namespace gui {

struct RectControl::Impl {
    Impl(Window& owner, QWidget* widget) : owner(owner), widget(widget) {}
    virtual ~Impl() = default;

    Window& owner;
    QPointer<QWidget> widget;  // owned by its Qt parent inside the window
    std::string name;
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t tabIndex = 0;
    bool visible = true;
    bool enabled = true;
    RectControl* parent = nullptr;
    gui::MouseCursor cursor = gui::MouseCursor::StandardPointer;
};

class WindowWidget;

struct Window::Impl {
    // Declared first so that they are destroyed last, after the widgets that call into them.
    std::vector<std::unique_ptr<RectControl>> owned;
    std::map<std::string, RectControl*, std::less<>> byName;
    std::vector<RectControl*> registered;
    std::map<std::string, std::function<bool()>, std::less<>> menuHandlers;

    std::string className;
    std::unique_ptr<WindowWidget> window;
    QWidget* content = nullptr;
    QShortcut* cancelShortcut = nullptr;

    bool open = false;
    bool visible = true;
    bool menuBarVisible = false;
    bool resizeable = true;
    bool shownOnce = false;
    Window::Locations location = Window::Locations::Default;
};

// The top-level Qt window: a menu bar over a fixed content area in which the controls are placed. On a screen
// too small for it, the content area sits in a scrolling view.
class WindowWidget final : public QMainWindow {
  public:
    explicit WindowWidget(Window& owner);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Window& owner_;
};

// The Qt widget of a control, for gui/ and its tests.
QWidget* WidgetOf(const RectControl& control);
// The widget of a control of a known kind.
template <class W>
W& WidgetAs(const RectControl& control) {
    return static_cast<W&>(*WidgetOf(control));
}
QMainWindow* WidgetOf(const Window& window);

// The parent widget a control goes into: its container's widget, or the window's content area.
QWidget* ContainerWidget(const RectControl& control);

// Makes `button` the window's cancel button: Escape presses it.
void SetCancelButton(Window& window, PushButton& button);

QCursor ToQCursor(MouseCursor cursor);

// The window-wide menu bar shown in every window whose layout asks for it (set by the application).
void InstallMenuBar(Window& window);

}  // namespace gui

namespace gui {
// Lets go of the menu bars' shared actions, before the menu items they run go.
void ReleaseMenuActions();
}  // namespace gui
