#include "gui/PrinterSetup.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/Graphics.h"
#include "gui/internal/ControlImpl.h"
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

// The printer and its painter on the page, scaled to diagram pixels and clipped to the page.
struct PrinterPage {
    PrinterPage(std::unique_ptr<QPrinter> ownedPrinter, QPrinter& printer)
        : owned(std::move(ownedPrinter)), painter(&printer) {
        const double scale = printer.resolution() / kDiagramPixelsPerInch;
        painter.scale(scale, scale);
        const QRectF page = printer.pageRect(QPrinter::DevicePixel);
        bounds = QRectF(0, 0, page.width() / scale, page.height() / scale);
        painter.setClipRect(bounds);
    }

    std::unique_ptr<QPrinter> owned;
    QPainter painter;
    QRectF bounds;
};

// The printer's drawing surface. Letting go of it ends the painter, and with it the one-page job.
class PrinterGraphics final : private PrinterPage, public PainterGraphics {
  public:
    PrinterGraphics(std::unique_ptr<QPrinter> owned, QPrinter& printer)
        : PrinterPage(std::move(owned), printer), PainterGraphics(painter, bounds) {}
};

}  // namespace

struct PrinterSetup::Impl {
    QPrinter printer{QPrinter::HighResolution};
};

PrinterSetup::PrinterSetup() : impl_(std::make_unique<Impl>()) {}
PrinterSetup::~PrinterSetup() = default;

bool PrinterSetup::PageSetupDialog(Window* parent) {
    if (hooks::pageSetupDialog) {
        QPageLayout layout = impl_->printer.pageLayout();
        if (!hooks::pageSetupDialog(layout)) return false;
        impl_->printer.setPageLayout(layout);
        return true;
    }
    QPageSetupDialog dialog(&impl_->printer, ParentWidget(parent));
    return dialog.exec() == QDialog::Accepted;
}

std::string PrinterSetup::Settings() const {
    const QPageLayout layout = impl_->printer.pageLayout();
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    return layout.pageSize().name().toStdString() + ", " +
           (layout.orientation() == QPageLayout::Landscape ? "landscape" : "portrait") + ", margins " +
           QString::number(m.left()).toStdString() + " " + QString::number(m.top()).toStdString() + " " +
           QString::number(m.right()).toStdString() + " " + QString::number(m.bottom()).toStdString() + " mm";
}

std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup* setup, Window* parent) {
    std::unique_ptr<QPrinter> owned;
    QPrinter* printer = nullptr;
    if (setup) {
        printer = &setup->impl().printer;
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
    return std::make_unique<PrinterGraphics>(std::move(owned), *printer);
}

}  // namespace gui
