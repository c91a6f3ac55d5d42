#include "window/Window2.h"

#include "gui/Picture.h"
#include "gui/Runtime.h"
#include "window/LayoutRuns.h"

namespace {

using gui::RGB;

constexpr gui::Color kLinkBlue = RGB(0, 64, 128);

}  // namespace

const std::string Window2::kAboutText =
    "Windows  64 bit  version 1.6\r\nC++/Qt 6, Feb 2020\r\n\r\norvik tabrusk";

class Window2& Window2() {
    return gui::ImplicitWindow<class Window2>(Window2::kClassName, Window2::Key{});
}

std::shared_ptr<gui::Picture> Pemo2020() {
    // A load that finds nothing leaves the cache empty, so the next about window tries again.
    static std::shared_ptr<gui::Picture> cache;
    if (!cache) cache = gui::Picture::FromResource("Pemo2020.jpg");
    return cache;
}

Window2::Window2(Key) : gui::Window(std::string(kClassName)) {
    // The runtime keeps the first registration of a class and ignores later ones.
    gui::RegisterClass(kClassName, {"Layout", "CreateControls"});
}

bool Window2::IsEventImplemented(std::string_view eventName) const {
    return gui::RuntimeIsEventHandled(this, kClassName, eventName, true);
}

std::string Window2PropertyList() {
    return LayoutRuns::Window({.width = 545,
                               .height = 328,
                               .title = "about Travik",
                               .hasMinimizeButton = false,
                               .location = gui::Window::Locations::ParentWindow});
}

std::string Window2ControlPropertyList(std::string_view controlName) {
    if (controlName == "Rectangle1") return LayoutRuns::Rectangle({"Rectangle1", {43, 36, 203, 251}, 0, ""});
    if (controlName == "StaticText1") {
        return LayoutRuns::Label({"StaticText1", {55, 43, 162, 83}, 0, "Rectangle1"}, Window2::kAboutText,
                                 {.fontName = "Arial", .fontSize = 12, .multiline = true});
    }
    if (controlName == "StaticText2") {
        return LayoutRuns::Label(
            {"StaticText2", {55, 228, 87, 27}, 1, "Rectangle1"}, Window2::kWebHost,
            {.fontName = "Arial", .fontSize = 12, .textColor = kLinkBlue, .underline = true});
    }
    if (controlName == "Canvas1") return LayoutRuns::Canvas({"Canvas1", {304, 36, 194, 251}, 1, ""});
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
