#include "gui/PrinterSetup.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>

#include "gui/Graphics.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/Events.h"
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
// drawing's area that fits on the page. Letting go of it ends the job; a job that fails then is reported by
// the runtime as a handler's error is, since nothing may throw out of a destructor.
//
// Qt's PDF writer ignores its file's write errors and ends the job as if the page were written: a full disk
// leaves a cut file and no word of it. So a job into a file writes into a temporary file, which must hold a
// whole PDF, and the page is then copied into the chosen file with every write checked. The chosen file is
// opened as the job starts, as Qt would open it, so a file that cannot be written stops the job at once.
struct PrinterPage {
    PrinterPage(std::unique_ptr<QPrinter> ownedPrinter, QPrinter& printer, const QRectF& area)
        : owned(std::move(ownedPrinter)), printer(printer), uncaughtAtStart(std::uncaught_exceptions()) {
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
            chosen.setFileName(printer.outputFileName());
            spoolFolder.emplace();
            if (!spoolFolder->isValid())
                throw std::runtime_error(CannotPrintInto(chosen.fileName(), spoolFolder->errorString()));
            if (!chosen.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw std::runtime_error(CannotPrintInto(chosen.fileName(), chosen.errorString()));
            printer.setOutputFileName(spoolFolder->filePath(QStringLiteral("page.pdf")));
        }
        const bool started = painter.begin(&printer);
        if (!started) RestoreFileName();
        // Qt only warns when a job cannot start; drawing on would end as if the page had been printed.
        if (!started) throw std::runtime_error(CannotStart());
        const double scale = printer.resolution() / kDiagramPixelsPerInch;
        painter.scale(scale, scale);
        const QRectF page = printer.pageRect(QPrinter::DevicePixel);
        bounds = QRectF(0, 0, page.width() / scale, page.height() / scale).intersected(area);
        painter.setClipRect(bounds);
    }

    ~PrinterPage() {
        try {
            End();
        } catch (...) {
            // An error on its way out of the drawing is the one to report; the job's end follows from it.
            if (std::uncaught_exceptions() == uncaughtAtStart)
                internal::ReportFromEvent(std::current_exception());
        }
    }

    PrinterPage(const PrinterPage&) = delete;
    PrinterPage& operator=(const PrinterPage&) = delete;

    void End() {
        const bool ended = painter.end();
        RestoreFileName();
        if (!ended || printer.printerState() == QPrinter::Error) {
            if (spoolFolder) throw std::runtime_error(CannotPrintInto(chosen.fileName(), QString()));
            throw std::runtime_error("the printer \"" + printer.printerName().toStdString() +
                                     "\" cannot finish the print job");
        }
        if (!spoolFolder) return;
        QFile spool(spoolFolder->filePath(QStringLiteral("page.pdf")));
        if (!spool.open(QIODevice::ReadOnly))
            throw std::runtime_error(CannotPrintInto(chosen.fileName(), spool.errorString()));
        const QByteArray pdf = spool.readAll();
        // A whole PDF ends with its end-of-file marker, which the writer writes last.
        if (!pdf.trimmed().endsWith("%%EOF")) {
            throw std::runtime_error(CannotPrintInto(
                chosen.fileName(),
                QStringLiteral("the page could not be written whole into the temporary folder \"%1\"")
                    .arg(QFileInfo(spoolFolder->path()).path())));
        }
        if (chosen.write(pdf) != pdf.size() || !chosen.flush())
            throw std::runtime_error(CannotPrintInto(chosen.fileName(), chosen.errorString()));
        chosen.close();
        if (chosen.error() != QFileDevice::NoError)
            throw std::runtime_error(CannotPrintInto(chosen.fileName(), chosen.errorString()));
    }

    // The printer keeps the file the user chose for the next print dialog.
    void RestoreFileName() {
        if (spoolFolder) printer.setOutputFileName(chosen.fileName());
    }

    std::string CannotStart() const {
        if (printer.outputFormat() == QPrinter::PdfFormat)
            return CannotPrintInto(printer.outputFileName(), QString());
        return "the printer \"" + printer.printerName().toStdString() + "\" cannot start the print job";
    }

    static std::string CannotPrintInto(const QString& file, const QString& reason) {
        std::string text = "cannot print into the file \"" + file.toStdString() + "\"";
        if (!reason.isEmpty()) text += ": " + reason.toStdString();
        return text;
    }

    std::unique_ptr<QPrinter> owned;
    QPrinter& printer;
    int uncaughtAtStart;
    QFile chosen;
    std::optional<QTemporaryDir> spoolFolder;
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
