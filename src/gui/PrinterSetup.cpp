#include "gui/PrinterSetup.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <stdexcept>
#include <string>

#include "gui/Graphics.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/ImplAccess.h"
#include "gui/internal/PainterGraphics.h"
#include "gui/internal/PrintHooks.h"

namespace gui {

namespace hooks {
std::function<bool(QPageLayout&)> pageSetupDialog;
std::function<bool(QPrinter&, bool)> printDialog;
}  // namespace hooks

namespace {

// Diagram pixels are screen pixels: 96 to the inch on paper too.
constexpr double kDiagramPixelsPerInch = 96;

QWidget* ParentWidget(Window* parent) {
    return parent ? WidgetOf(*parent) : nullptr;
}

// The printer and its painter on the page, scaled to diagram pixels and clipped to the part of the
// drawing's area that fits on the page.
struct PrinterPage {
    PrinterPage(std::unique_ptr<QPrinter> ownedPrinter, QPrinter& printer, const QRectF& area)
        : owned(std::move(ownedPrinter)), painter(&printer) {
        // Qt only warns when a job cannot start; drawing on would end as if the page had been printed.
        if (!painter.isActive()) throw std::runtime_error(CannotStart(printer));
        const double scale = printer.resolution() / kDiagramPixelsPerInch;
        painter.scale(scale, scale);
        const QRectF page = printer.pageRect(QPrinter::DevicePixel);
        bounds = QRectF(0, 0, page.width() / scale, page.height() / scale).intersected(area);
        painter.setClipRect(bounds);
    }

    static std::string CannotStart(const QPrinter& printer) {
        if (printer.outputFormat() == QPrinter::PdfFormat)
            return "cannot print into the file \"" + printer.outputFileName().toStdString() + "\"";
        return "the printer \"" + printer.printerName().toStdString() + "\" cannot start the print job";
    }

    std::unique_ptr<QPrinter> owned;
    QPainter painter;
    QRectF bounds;
};

// The printer's drawing surface. Letting go of it ends the painter, and with it the one-page job.
class PrinterGraphics final : private PrinterPage, public PainterGraphics {
  public:
    PrinterGraphics(std::unique_ptr<QPrinter> owned, QPrinter& printer, const QRectF& area)
        : PrinterPage(std::move(owned), printer, area), PainterGraphics(painter, bounds) {}
};

}  // namespace

// The printer is made when first needed: making one loads the print-support plugin and the system's
// printing libraries, which a program that never prints should not pay for at start-up.
struct PrinterSetup::Impl {
    QPrinter& Printer() {
        if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return *printer;
    }

    std::unique_ptr<QPrinter> printer;
};

PrinterSetup::PrinterSetup() : impl_(std::make_unique<Impl>()) {}
PrinterSetup::~PrinterSetup() = default;

bool PrinterSetup::PageSetupDialog(Window* parent) {
    QPrinter& printer = impl_->Printer();
    if (hooks::pageSetupDialog) {
        QPageLayout layout = printer.pageLayout();
        if (!hooks::pageSetupDialog(layout)) return false;
        printer.setPageLayout(layout);
        return true;
    }
    QPageSetupDialog dialog(&printer, ParentWidget(parent));
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup* setup, Window* parent, std::int64_t width,
                                            std::int64_t height) {
    std::unique_ptr<QPrinter> owned;
    QPrinter* printer = nullptr;
    if (setup) {
        printer = &internal::ImplOf(*setup).Printer();
    } else {
        owned = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer = owned.get();
    }
    bool confirmed = false;
    if (hooks::printDialog) {
        confirmed = hooks::printDialog(*printer, setup != nullptr);
    } else {
        QPrintDialog dialog(printer, ParentWidget(parent));
        confirmed = dialog.exec() == QDialog::Accepted;
    }
    if (!confirmed) return nullptr;
    const QRectF area(0, 0, static_cast<double>(width), static_cast<double>(height));
    return std::make_unique<PrinterGraphics>(std::move(owned), *printer, area);
}

}  // namespace gui
