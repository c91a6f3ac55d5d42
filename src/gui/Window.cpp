#include "gui/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMetaObject>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <algorithm>
#include <climits>
#include <map>
#include <set>

#include "gui/PropertyList.h"
#include "gui/TestHooks.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/Events.h"
#include "gui/internal/ImplAccess.h"
#include "gui/internal/QtColor.h"
#include "gui/internal/Runtime.h"

namespace gui {

namespace {

// The open windows, in the order they opened; the runtime holds them until they are closed.
std::vector<std::shared_ptr<Window>>& OpenList() {
    static std::vector<std::shared_ptr<Window>> windows;
    return windows;
}

// Windows closed by the user, destroyed once their close event has returned.
std::vector<std::shared_ptr<Window>>& ClosedList() {
    static std::vector<std::shared_ptr<Window>> windows;
    return windows;
}

std::map<std::string, std::set<std::string>, std::less<>>& ClassRegistry() {
    static std::map<std::string, std::set<std::string>, std::less<>> classes;
    return classes;
}

// A window size from a layout, within what a screen can hold.
int ClampSize(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, 100000));
}

// Takes `window` off the list of open windows; null when it was not on it.
std::shared_ptr<Window> TakeFromOpenList(Window& window) {
    auto& open = OpenList();
    const auto found =
        std::find_if(open.begin(), open.end(), [&](const auto& w) { return w.get() == &window; });
    if (found == open.end()) return nullptr;
    std::shared_ptr<Window> taken = std::move(*found);
    open.erase(found);
    return taken;
}

void Unregister(Window& window) {
    std::shared_ptr<Window> closed = TakeFromOpenList(window);
    if (!closed) return;
    ClosedList().push_back(std::move(closed));
    QMetaObject::invokeMethod(
        qApp, [] { ClosedList().clear(); }, Qt::QueuedConnection);
}

// The scrolling view a window's content sits in on a screen too small for the window.
class ContentView final : public QScrollArea {
  protected:
    // Tab scrolls the whole control it reaches into view; Qt's own scroll area shows only a field's text
    // cursor.
    bool focusNextPrevChild(bool next) override {
        if (!QWidget::focusNextPrevChild(next)) return false;
        QWidget* focus = focusWidget();
        if (focus && widget()->isAncestorOf(focus)) {
            const QRect r(focus->mapTo(widget(), QPoint(0, 0)), focus->size());
            const int margin = 50;
            ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + margin, r.height() / 2 + margin);
        }
        return true;
    }
};

// A window manager's frame is known only once a window is on screen: that of another of our windows on
// screen, or else a generous guess at a title bar and borders.
QMargins FrameAround(const QWidget& w) {
    for (Window* open : Window::OpenWindows()) {
        const QWidget& other = *internal::ImplOf(*open).window;
        if (&other == &w || !other.isVisible()) continue;
        const QRect inner = other.geometry();
        const QRect outer = other.frameGeometry();
        if (inner != outer) {
            return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom()};
        }
    }
    return {8, 40, 8, 8};
}

// A fixed window larger than the room its screen has shows its content, at its own size, in a scrolling
// view as large as the room allows. A window the room holds stays exactly as laid out.
void FitIntoRoom(Window::Impl& d, QSize room) {
    QMainWindow& w = *d.window;
    if (d.resizeable || (w.width() <= room.width() && w.height() <= room.height())) return;
    const QSize content = d.content->size();
    const QSize around = w.size() - content;
    const QSize space = (room - around).expandedTo(QSize(0, 0));
    auto* view = new ContentView;
    view->setFrameShape(QFrame::NoFrame);
    // Tab walks the controls as laid out, scrolling each into view, and stops at no view in between.
    view->setFocusPolicy(Qt::NoFocus);
    view->setWidget(w.takeCentralWidget());
    w.setCentralWidget(view);
    // A scroll bar takes room from the other direction, which may then need one too.
    const int bar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    bool across = content.width() > space.width();
    bool down = content.height() > space.height();
    down = down || (across && content.height() > space.height() - bar);
    across = across || (down && content.width() > space.width() - bar);
    w.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    w.setFixedSize(QSize(std::min(space.width(), content.width() + (down ? bar : 0)),
                         std::min(space.height(), content.height() + (across ? bar : 0))) +
                   around);
}

void PlaceOnFirstShow(Window::Impl& d) {
    if (d.shownOnce) return;
    d.shownOnce = true;
    QWidget& w = *d.window;
    w.adjustSize();
    QRect area;
    if (d.location == Window::Locations::ParentWindow) {
        // Over the window the user is working in.
        QWidget* parent = QApplication::activeWindow();
        if (!parent || parent == &w) {
            for (Window* open : Window::OpenWindows()) {
                QWidget* other = internal::ImplOf(*open).window.get();
                if (other != &w && other->isVisible()) {
                    parent = other;
                    break;
                }
            }
        }
        if (parent && parent != &w) area = parent->frameGeometry();
    }
    if (d.location == Window::Locations::MainScreen ||
        (d.location == Window::Locations::ParentWindow && area.isNull())) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
    }
    QScreen* screen = area.isNull() ? w.screen() : QGuiApplication::screenAt(area.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QMargins frame = FrameAround(w);
    FitIntoRoom(d, room.size().shrunkBy(frame));
    if (!area.isNull()) {
        QRect centred = w.frameGeometry();
        centred.moveCenter(area.center());
        // Centred as far as the frame is known, and kept with all of its frame on the screen.
        const QSize outer = w.size().grownBy(frame);
        const int left = std::min(std::max(centred.left(), area.left()), room.right() + 1 - outer.width());
        const int top = std::min(std::max(centred.top(), area.top()), room.bottom() + 1 - outer.height());
        w.move(std::max(left, room.left()), std::max(top, room.top()));
    }
}

}  // namespace

WindowWidget::WindowWidget(Window& owner) : owner_(owner) {}

void WindowWidget::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    internal::ImplOf(owner_).open = false;
    Unregister(owner_);
    internal::WindowClosed(owner_);
}

QMainWindow* WidgetOf(const Window& window) {
    return internal::ImplOf(window).window.get();
}

namespace internal {

void DestroyAllWindows() {
    // Closing may start more closing (the default view closes the rest): take the list first.
    auto open = std::move(OpenList());
    OpenList().clear();
    for (const auto& w : open) internal::ImplOf(*w).open = false;
    for (const auto& w : open) internal::ImplOf(*w).window->hide();
    open.clear();
    ClosedList().clear();
}

}  // namespace internal

void SetCancelButton(Window& window, PushButton& button) {
    Window::Impl& d = internal::ImplOf(window);
    if (!d.cancelShortcut) d.cancelShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), d.window.get());
    QObject::disconnect(d.cancelShortcut, nullptr, nullptr, nullptr);
    // One shortcut for the window: two shortcuts for one key would cancel each other.
    QObject::connect(d.cancelShortcut, &QShortcut::activated, d.cancelShortcut,
                     [widget = QPointer<QWidget>(WidgetOf(button))] {
                         if (auto* b = qobject_cast<QPushButton*>(widget.data()); b && b->isEnabled())
                             b->click();
                     });
}

Window::Window(std::string className) : impl_(std::make_unique<Impl>()) {
    impl_->className = std::move(className);
    impl_->window = std::make_unique<WindowWidget>(*this);
    impl_->content = new QWidget(impl_->window.get());
    impl_->window->setCentralWidget(impl_->content);
    impl_->window->setAttribute(Qt::WA_DeleteOnClose, false);
}

Window::~Window() = default;

void Window::Constructor() {
    Layout();
    CreateControls();
    AddMenuHandlers(*this);

    // The window counts as open before Open runs, so that code inside Open finds this window.
    impl_->open = true;
    OpenList().push_back(shared_from_this());
    try {
        Event_Open();
    } catch (...) {
        impl_->open = false;
        TakeFromOpenList(*this);
        throw;
    }
    if (impl_->visible) Show();
}

void Window::Adopt(std::unique_ptr<RectControl> control) {
    impl_->owned.push_back(std::move(control));
}

void Window::ThrowTypeMismatch(std::string_view name) {
    throw TypeMismatchError("control \"" + std::string(name) + "\" is not of the class asked for");
}

void Window::AddControl(const std::string& name, RectControl& control) {
    if (impl_->byName.count(name)) throw std::invalid_argument("a second control named \"" + name + "\"");
    impl_->byName[name] = &control;
    impl_->registered.push_back(&control);
    if (hooks::controlAdded) hooks::controlAdded(name);
}

RectControl& Window::ControlByName(std::string_view name) const {
    const auto found = impl_->byName.find(name);
    if (found == impl_->byName.end()) {
        throw NilObjectError("window " + impl_->className + " has no control \"" + std::string(name) + "\"");
    }
    return *found->second;
}

std::vector<RectControl*> Window::Controls() const {
    return impl_->registered;
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    impl_->menuHandlers[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(std::string_view itemName) const {
    return impl_->menuHandlers.find(itemName) != impl_->menuHandlers.end();
}

bool Window::RunMenuHandler(std::string_view itemName) {
    const auto found = impl_->menuHandlers.find(itemName);
    if (found == impl_->menuHandlers.end() || !found->second) return false;
    found->second();
    return true;
}

void Window::Refresh(bool) {
    // What only a refresh can bring to the screen is what the canvases draw from the program's state: Qt
    // repaints every other control whose own state changed.
    for (const RectControl* control : impl_->registered) {
        if (dynamic_cast<const Canvas*>(control) && internal::ImplOf(*control).widget)
            internal::ImplOf(*control).widget->update();
    }
}

void Window::Show() {
    QMainWindow& w = *impl_->window;
    PlaceOnFirstShow(*impl_);
    w.show();
    w.raise();
    w.activateWindow();
}

void Window::Close() {
    impl_->window->close();
}

std::string Window::Title() const {
    return impl_->window->windowTitle().toStdString();
}

Window* Window::GetImplicitWindow(std::string_view className) {
    for (const auto& w : OpenList()) {
        if (w->impl_->open && w->impl_->className == className) return w.get();
    }
    return nullptr;
}

std::vector<Window*> Window::OpenWindows() {
    std::vector<Window*> windows;
    for (const auto& w : OpenList()) windows.push_back(w.get());
    return windows;
}

void SetProperties(Window& window, std::string_view list) {
    using T = PropertyType;
    static const PropertyTable table{{"Width", T::Integer},
                                     {"Height", T::Integer},
                                     {"MinimumWidth", T::Integer},
                                     {"MinimumHeight", T::Integer},
                                     {"MaximumWidth", T::Integer},
                                     {"MaximumHeight", T::Integer},
                                     {"Type", T::Integer},
                                     {"Title", T::Text},
                                     {"HasCloseButton", T::Boolean},
                                     {"HasMaximizeButton", T::Boolean},
                                     {"HasMinimizeButton", T::Boolean},
                                     {"HasFullScreenButton", T::Boolean},
                                     {"Resizeable", T::Boolean},
                                     {"Composite", T::Boolean},
                                     {"MacProcId", T::Integer},
                                     {"FullScreen", T::Boolean},
                                     {"DefaultLocation", T::Integer},
                                     {"Visible", T::Boolean},
                                     {"HasBackgroundColor", T::Boolean},
                                     {"BackgroundColor", T::Colour},
                                     {"MenuBarVisible", T::Boolean},
                                     {"LiveResize", T::Boolean}};
    const PropertyValues values = PropertyValues::Read(list, table);

    Window::Impl& d = internal::ImplOf(window);
    QMainWindow& w = *d.window;
    w.setWindowTitle(
        QString::fromStdString(values.Get<std::string>("Title").value_or(w.windowTitle().toStdString())));

    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (values.Get<bool>("HasCloseButton").value_or(true)) flags |= Qt::WindowCloseButtonHint;
    if (values.Get<bool>("HasMinimizeButton").value_or(true)) flags |= Qt::WindowMinimizeButtonHint;
    const bool resizeable = values.Get<bool>("Resizeable").value_or(true);
    if (values.Get<bool>("HasMaximizeButton").value_or(true) && resizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    if (values.Get<bool>("HasFullScreenButton").value_or(false) && resizeable)
        flags |= Qt::WindowFullscreenButtonHint;
    w.setWindowFlags(flags);

    const int width = ClampSize(values.Get<std::int64_t>("Width").value_or(d.content->width()));
    const int height = ClampSize(values.Get<std::int64_t>("Height").value_or(d.content->height()));
    if (resizeable) {
        d.content->setMinimumSize(ClampSize(values.Get<std::int64_t>("MinimumWidth").value_or(0)),
                                  ClampSize(values.Get<std::int64_t>("MinimumHeight").value_or(0)));
        d.content->setMaximumSize(
            ClampSize(values.Get<std::int64_t>("MaximumWidth").value_or(QWIDGETSIZE_MAX)),
            ClampSize(values.Get<std::int64_t>("MaximumHeight").value_or(QWIDGETSIZE_MAX)));
        d.content->resize(width, height);
    } else {
        // The content area keeps its size, and the window its size around the content and the menu bar.
        d.content->setFixedSize(width, height);
        w.layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    d.resizeable = resizeable;
    if (values.Get<bool>("HasBackgroundColor").value_or(false)) {
        QPalette palette = d.content->palette();
        const Color c = values.Get<Color>("BackgroundColor").value_or(RGB(255, 255, 255));
        palette.setColor(QPalette::Window, ToQColor(c));
        d.content->setPalette(palette);
        d.content->setAutoFillBackground(true);
    }
    d.location = static_cast<Window::Locations>(values.Get<std::int64_t>("DefaultLocation").value_or(0));
    d.visible = values.Get<bool>("Visible").value_or(true);
    d.menuBarVisible = values.Get<bool>("MenuBarVisible").value_or(false);
    if (d.menuBarVisible) InstallMenuBar(window);
    if (values.Get<bool>("FullScreen").value_or(false)) w.setWindowState(Qt::WindowFullScreen);
}

void RegisterClass(std::string_view className, std::vector<std::string> handledEvents) {
    auto& registry = ClassRegistry();
    if (registry.find(className) != registry.end()) return;
    registry.emplace(std::string(className),
                     std::set<std::string>(handledEvents.begin(), handledEvents.end()));
}

bool RuntimeIsEventHandled(const void* object, std::string_view className, std::string_view eventName,
                           bool programClass) {
    if (!object || !programClass) return false;
    const auto& registry = ClassRegistry();
    const auto found = registry.find(className);
    return found != registry.end() && found->second.count(std::string(eventName)) > 0;
}

}  // namespace gui
