#include "window/Window2.h"

#include "gui/Picture.h"
#include "gui/PropertyList.h"
#include "gui/Runtime.h"

namespace {

using gui::RGB;

constexpr gui::Color kWhite = RGB(255, 255, 255);
constexpr gui::Color kBlack = RGB(0, 0, 0);
constexpr gui::Color kLinkBlue = RGB(0, 64, 128);

// The run every control of the about window starts with.
gui::PropertyListWriter CommonRun(std::string_view name, std::int64_t left, std::int64_t top,
                                  std::int64_t width, std::int64_t height, std::int64_t tabIndex,
                                  bool tabStop = true) {
    gui::PropertyListWriter list;
    list.Text("Name", name)
        .Integer("Index", -2147483648LL)
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabIndex", tabIndex)
        .Integer("TabPanelIndex", 0);
    if (tabStop) list.Boolean("TabStop", true);
    list.Boolean("AllowAutoDeactivate", true);
    return list;
}

std::string LabelList(std::string_view name, std::int64_t left, std::int64_t top, std::int64_t width,
                      std::int64_t height, std::int64_t tabIndex, std::string_view text, bool multiline,
                      gui::Color colour, bool underline) {
    gui::PropertyListWriter list = CommonRun(name, left, top, width, height, tabIndex);
    list.Boolean("Enabled", true)
        .Text("Tooltip", "")
        .Boolean("Multiline", multiline)
        .Boolean("Selectable", false)
        .Integer("TextAlignment", 0)
        .Colour("TextColor", colour)
        .Boolean("Transparent", false)
        .Text("Value", text)
        .Boolean("Visible", true)
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Text("FontName", "Arial")
        .Boolean("Underline", underline)
        .Single("FontSize", 12)
        .Byte("FontUnit", 0)
        .Text("DataSource", "")
        .Text("DataField", "")
        .Text("InitialParent", "Rectangle1");
    return list.Bytes();
}

}  // namespace

const std::string Window2::kAboutText =
    "Windows  64 bit  version 1.6\r\nbuilt with C++ and Qt 6, Feb 2020\r\n\r\norvik tabrusk";

class Window2& Window2() {
    if (gui::Window* open = gui::Window::GetImplicitWindow(Window2::kClassName)) {
        return dynamic_cast<class Window2&>(*open);
    }
    auto window = std::make_shared<class Window2>(Window2::Key{});
    window->Constructor();
    return *window;
}

std::shared_ptr<gui::Picture> Pemo2020() {
    // A load that finds nothing leaves the cache empty, so the next about window tries again.
    static std::shared_ptr<gui::Picture> cache;
    if (!cache) cache = gui::Picture::FromResource("Pemo2020.jpg");
    return cache;
}

Window2::Window2(Key) : gui::Window(std::string(kClassName)) {
    static const bool registered = [] {
        gui::RegisterClass(kClassName, {"Layout", "CreateControls"});
        return true;
    }();
    (void)registered;
}

bool Window2::IsEventImplemented(std::string_view eventName) const {
    return gui::RuntimeIsEventHandled(this, kClassName, eventName, true);
}

std::string Window2PropertyList() {
    gui::PropertyListWriter list;
    list.Integer("Width", 545)
        .Integer("Height", 328)
        .Integer("MinimumWidth", 64)
        .Integer("MinimumHeight", 64)
        .Integer("MaximumWidth", 32000)
        .Integer("MaximumHeight", 32000)
        .Integer("Type", 0)
        .Text("Title", "about Travik")
        .Boolean("HasCloseButton", true)
        .Boolean("HasMaximizeButton", false)
        .Boolean("HasMinimizeButton", false)
        .Boolean("HasFullScreenButton", false)
        .Boolean("Resizeable", false)
        .Boolean("Composite", false)
        .Integer("MacProcID", 0)
        .Boolean("FullScreen", false)
        .Integer("DefaultLocation", 1)
        .Boolean("Visible", true)
        .Boolean("HasBackgroundColor", false)
        .Colour("BackgroundColor", kWhite)
        .Boolean("MenuBarVisible", true)
        .Boolean("LiveResize", true);
    return list.Bytes();
}

std::string Window2ControlPropertyList(std::string_view controlName) {
    if (controlName == "Rectangle1") {
        gui::PropertyListWriter list = CommonRun("Rectangle1", 43, 36, 203, 251, 0, false);
        list.Double("BorderThickness", 1.0)
            .Colour("BottomRightColor", kBlack)
            .Boolean("Enabled", true)
            .Colour("FillColor", kWhite)
            .Text("Tooltip", "")
            .Colour("TopLeftColor", kBlack)
            .Boolean("Transparent", true)
            .Boolean("Visible", true)
            .Text("InitialParent", "");
        return list.Bytes();
    }
    if (controlName == "StaticText1") {
        return LabelList("StaticText1", 55, 43, 162, 83, 0, Window2::kAboutText, true, kBlack, false);
    }
    if (controlName == "StaticText2") {
        return LabelList("StaticText2", 55, 228, 87, 27, 1, Window2::kWebHost, false, kLinkBlue, true);
    }
    if (controlName == "Canvas1") {
        gui::PropertyListWriter list = CommonRun("Canvas1", 304, 36, 194, 251, 1);
        list.Boolean("Enabled", true)
            .Text("Tooltip", "")
            .Boolean("AllowFocusRing", true)
            .Boolean("Visible", true)
            .Boolean("AllowFocus", false)
            .Boolean("AllowTabs", false)
            .Boolean("Transparent", true)
            .Boolean("DoubleBuffer", false)
            .Text("InitialParent", "");
        return list.Bytes();
    }
    throw gui::NilObjectError("no control \"" + std::string(controlName) + "\" in the about window's layout");
}

void Window2::Layout() {
    gui::SetProperties(*this, Window2PropertyList());
}

void Window2::CreateControls() {
    CreateControls0();
}

void Window2::CreateControls0() {
    AddControl("Rectangle1", New<gui::Rectangle>());
    gui::SetProperties(ControlByName<gui::Rectangle>("Rectangle1"), Window2ControlPropertyList("Rectangle1"));

    AddControl("StaticText1", New<gui::Label>());
    gui::SetProperties(ControlByName<gui::Label>("StaticText1"), Window2ControlPropertyList("StaticText1"));

    AddControl("StaticText2", New<gui::Label>());
    gui::SetProperties(ControlByName<gui::Label>("StaticText2"), Window2ControlPropertyList("StaticText2"));
    StaticText2().MouseEnter = gui::Delegate(this, &Window2::StaticText2_MouseEnter);
    StaticText2().MouseExit = gui::Delegate(this, &Window2::StaticText2_MouseExit);
    StaticText2().MouseDown = gui::Delegate(this, &Window2::StaticText2_MouseDown);
    StaticText2().MouseUp = gui::Delegate(this, &Window2::StaticText2_MouseUp);

    AddControl("Canvas1", New<gui::Canvas>());
    Canvas1().Backdrop(Pemo2020());
    gui::SetProperties(Canvas1(), Window2ControlPropertyList("Canvas1"));
    Canvas1().MouseEnter = gui::Delegate(this, &Window2::Canvas1_MouseEnter);
    Canvas1().MouseDown = gui::Delegate(this, &Window2::Canvas1_MouseDown);
    Canvas1().MouseExit = gui::Delegate(this, &Window2::Canvas1_MouseExit);
    Canvas1().MouseUp = gui::Delegate(this, &Window2::Canvas1_MouseUp);
}

gui::Rectangle& Window2::Rectangle1() const {
    return ControlByName<gui::Rectangle>("Rectangle1");
}
gui::Label& Window2::StaticText1() const {
    return ControlByName<gui::Label>("StaticText1");
}
gui::Label& Window2::StaticText2() const {
    return ControlByName<gui::Label>("StaticText2");
}
gui::Canvas& Window2::Canvas1() const {
    return ControlByName<gui::Canvas>("Canvas1");
}

// The two links show the pointing hand while the pointer is over them.
void Window2::StaticText2_MouseEnter(gui::Label& control) {
    control.MouseCursor(gui::System::Cursors::FingerPointer);
}
void Window2::StaticText2_MouseExit(gui::Label& control) {
    control.MouseCursor(gui::System::Cursors::StandardPointer);
}
void Window2::Canvas1_MouseEnter(gui::Canvas& control) {
    control.MouseCursor(gui::System::Cursors::FingerPointer);
}
void Window2::Canvas1_MouseExit(gui::Canvas& control) {
    control.MouseCursor(gui::System::Cursors::StandardPointer);
}

// A press is answered so that its release comes back here, wherever the pointer is by then.
bool Window2::StaticText2_MouseDown(gui::Label&, std::int64_t, std::int64_t) {
    return true;
}
bool Window2::Canvas1_MouseDown(gui::Canvas&, std::int64_t, std::int64_t) {
    return true;
}

void Window2::StaticText2_MouseUp(gui::Label&, std::int64_t, std::int64_t) {
    gui::ShowURL(std::string(kWebAddress));
}
void Window2::Canvas1_MouseUp(gui::Canvas&, std::int64_t, std::int64_t) {
    gui::ShowURL(std::string(kMailAddress));
}
