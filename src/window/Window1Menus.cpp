// The main window's menu commands and its About button.
#include "gui/Errors.h"
#include "gui/Graphics.h"
#include "gui/PrinterSetup.h"
#include "model/Globals.h"
#include "window/Window1.h"
#include "window/Window2.h"

namespace {

void ShowAboutWindow() {
    Window2().Show();
}

}  // namespace

void Window1::AddMenuHandlers(gui::Window& window) {
    auto& w = dynamic_cast<class Window1&>(window);
    AddMenuHandler("aboutItem", gui::Delegate(&w, &Window1::aboutItem_Action));
    AddMenuHandler("FilePageSetup", gui::Delegate(&w, &Window1::FilePageSetup_Action));
    AddMenuHandler("FilePrint", gui::Delegate(&w, &Window1::FilePrint_Action));
}

void Window1::PushButton4_Action(gui::PushButton&) {
    ShowAboutWindow();
}

bool Window1::aboutItem_Action() {
    ShowAboutWindow();
    return false;
}

bool Window1::FilePageSetup_Action() {
    if (!Globals::myPrinterSetup)
        throw gui::NilObjectError("there is no printer setup before the main window opens");
    if (Globals::myPrinterSetup->PageSetupDialog(nullptr)) Globals::printerSetupDone = true;
    return false;
}

bool Window1::FilePrint_Action() {
    // The page shows the canvas's area, as the screen does. The surface is let go when this block ends,
    // which completes the print job; the runtime reports a job that fails then.
    const std::unique_ptr<gui::Graphics> g =
        gui::OpenPrinterDialog(Globals::printerSetupDone ? Globals::myPrinterSetup.get() : nullptr, nullptr,
                               Globals::gw, Globals::gh);
    if (g) Globals::Print(*g);
    return false;
}
