#include "gui/PrinterSetup.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <optional>

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

// The printer's surface: a painter on the page, scaled to diagram pixels, ending the job when let go.
class PrinterGraphics final : public Graphics {
  public:
    explicit PrinterGraphics(std::unique_ptr<QPrinter> owned, QPrinter& printer)
        : owned_(std::move(owned)), painter_(&printer) {
        const double scale = printer.resolution() / kDiagramPixelsPerInch;
        painter_.scale(scale, scale);
        const QRectF page = printer.pageRect(QPrinter::DevicePixel);
        surface_.emplace(painter_, QRectF(0, 0, page.width() / scale, page.height() / scale));
        painter_.setClipRect(QRectF(0, 0, page.width() / scale, page.height() / scale));
    }
    ~PrinterGraphics() override {
        surface_.reset();
        painter_.end();
    }

    void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) override {
        surface_->DrawLine(x1, y1, x2, y2);
    }
    void DrawOval(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) override {
        surface_->DrawOval(x, y, w, h);
    }
    void FillRect(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) override {
        surface_->FillRect(x, y, w, h);
    }
    void DrawString(const std::string& text, std::int64_t x, std::int64_t y, std::int64_t wrap,
                    bool condense) override {
        surface_->DrawString(text, x, y, wrap, condense);
    }
    using Graphics::DrawingColor;
    using Graphics::FontName;
    using Graphics::FontSize;
    using Graphics::PenSize;
    void DrawingColor(Color color) override {
        Graphics::DrawingColor(color);
        surface_->DrawingColor(color);
    }
    void PenSize(std::int64_t size) override {
        Graphics::PenSize(size);
        surface_->PenSize(size);
    }
    void FontName(const std::string& name) override {
        Graphics::FontName(name);
        surface_->FontName(name);
    }
    void FontSize(double size) override {
        Graphics::FontSize(size);
        surface_->FontSize(size);
    }

  private:
    std::unique_ptr<QPrinter> owned_;
    QPainter painter_;
    std::optional<PainterGraphics> surface_;
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
