#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gui/Controls.h"
#include "gui/Errors.h"

namespace gui::internal {
struct ImplAccess;
}  // namespace gui::internal

namespace gui {

class MenuBar;

// A top-level window of the program. A subclass lays itself out and creates its controls in the
// construction events; the runtime holds every open window and finds it by class name.
class Window : public std::enable_shared_from_this<Window> {
  public:
    // Where a window first appears, as its layout's DefaultLocation code says: where the system puts it,
    // centred over the window the user is working in, or centred on the main screen.
    enum class Locations : std::int64_t { Default = 0, ParentWindow = 1, MainScreen = 2 };

    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Builds the window: raises Layout, CreateControls and AddMenuHandlers, then counts the window as the
    // open window of its class and raises Open; a window laid out as visible is shown after that. When a
    // step fails, the window is not left open and the error passes on.
    void Constructor();

    // A new control of class C belonging to this window.
    template <class C>
    C& New() {
        auto control = std::make_unique<C>(*this);
        C& ref = *control;
        Adopt(std::move(control));
        return ref;
    }
    void AddControl(const std::string& name, RectControl& control);
    // The control registered under `name`: the same one at every call. Throws NilObjectError when there is
    // none.
    RectControl& ControlByName(std::string_view name) const;
    // As ControlByName, converted to its class; throws TypeMismatchError when it has another.
    template <class C>
    C& ControlByName(std::string_view name) const {
        auto* control = dynamic_cast<C*>(&ControlByName(name));
        if (!control) ThrowTypeMismatch(name);
        return *control;
    }
    // Every registered control, in the order of registration.
    std::vector<RectControl*> Controls() const;

    // Binds a menu item's name to a handler run when the item is chosen.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    bool HasMenuHandler(std::string_view itemName) const;
    // Runs the handler bound to the item; false when there is none.
    bool RunMenuHandler(std::string_view itemName);

    // Asks for a repaint of the whole window; the paint comes later, never inside this call.
    void Refresh(bool eraseBackground = true);
    // Shows the window and brings it to the front.
    void Show();
    // Closes the window as its close button does.
    void Close();

    std::string Title() const;

    // The open window of a class, or null.
    static Window* GetImplicitWindow(std::string_view className);
    // Every open window, in the order they opened.
    static std::vector<Window*> OpenWindows();

    // What the runtime holds behind the class; its definition and `impl()` are for gui/ alone.
    struct Impl;

  private:
    friend struct internal::ImplAccess;
    Impl& impl() const { return *impl_; }

  protected:
    explicit Window(std::string className);

    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window& window) { (void)window; }
    virtual void Event_Open() {}

  private:
    friend void SetProperties(Window& window, std::string_view list);
    void Adopt(std::unique_ptr<RectControl> control);
    [[noreturn]] static void ThrowTypeMismatch(std::string_view name);

    std::unique_ptr<Impl> impl_;
};

// The implicit instance of a window class: the open window of that class, or a new one built (and, as its
// layout says, shown) when none is open. The runtime holds a window while it is open.
template <class W, class... Args>
W& ImplicitWindow(std::string_view className, Args&&... args) {
    if (Window* open = Window::GetImplicitWindow(className)) return dynamic_cast<W&>(*open);
    // A window that fails to build is let go here.
    auto window = std::make_shared<W>(std::forward<Args>(args)...);
    window->Constructor();
    return *window;
}

// Applies the window's own property list (size, title, title-bar buttons, placement, visibility).
void SetProperties(Window& window, std::string_view list);

// A program class that the runtime knows by name, with the window or application events it handles. Only
// the first registration of a class counts.
void RegisterClass(std::string_view className, std::vector<std::string> handledEvents);
// Whether the registered class handles the named event; `programClass` asks about a class of the program.
bool RuntimeIsEventHandled(const void* object, std::string_view className, std::string_view eventName,
                           bool programClass);

// A handler bound to an object's member function, as an event takes it.
template <class W, class R, class... Args>
auto Delegate(W* target, R (W::*method)(Args...)) {
    return [target, method](Args... args) -> R { return (target->*method)(std::forward<Args>(args)...); };
}

}  // namespace gui
