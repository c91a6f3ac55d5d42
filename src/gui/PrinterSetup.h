#pragma once

#include <cstdint>
#include <memory>

namespace gui::internal {
struct ImplAccess;
}  // namespace gui::internal

namespace gui {

class Graphics;
class Window;

// The page setup used for printing: the one the user last confirmed, or the printer's default.
class PrinterSetup {
  public:
    PrinterSetup();
    ~PrinterSetup();
    PrinterSetup(const PrinterSetup&) = delete;
    PrinterSetup& operator=(const PrinterSetup&) = delete;

    // Shows the system's page-setup dialog; true when the user confirms, and the setup then keeps it.
    bool PageSetupDialog(Window* parent = nullptr);

    // What the runtime holds behind the class; its definition and `impl()` are for gui/ alone.
    struct Impl;

  private:
    friend struct internal::ImplAccess;
    Impl& impl() const { return *impl_; }

  private:
    std::unique_ptr<Impl> impl_;
};

// Shows the system's print dialog, with `setup` or with the default setup when it is null. Gives the
// printer's drawing surface, or null when the user cancels. The surface draws in screen pixels, 96 to the
// inch, and shows only the drawing's area from (0, 0) to (width, height) that fits on the page; letting go
// of it completes the one-page print job. A printer that cannot start the job is an error; a job that fails
// as it ends (a full disk, a printer that refuses it) goes to the runtime's unhandled-error handling, as an
// error escaping a handler does.
std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup* setup, Window* parent, std::int64_t width,
                                            std::int64_t height);

}  // namespace gui
