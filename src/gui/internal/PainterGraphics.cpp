#include "gui/internal/PainterGraphics.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <cmath>

namespace gui {

namespace {

// Room around the visible area: a line clipped to it still ends beyond the edge, under any pen.
constexpr double kClipMargin = 16;
// Texts whose anchor lies further out than this cannot reach the visible area.
constexpr double kTextReach = 100000;

double ToDouble(std::int64_t v) {
    return static_cast<double>(v);
}

}  // namespace

QColor ToQColor(Color color) {
    return QColor(color.red, color.green, color.blue);
}

PainterGraphics::PainterGraphics(QPainter& painter, const QRectF& bounds)
    : painter_(painter), bounds_(bounds) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrush(Qt::NoBrush);
    ApplyPen();
    ApplyFont();
}

void PainterGraphics::DrawingColor(Color color) {
    Graphics::DrawingColor(color);
    ApplyPen();
}

void PainterGraphics::PenSize(std::int64_t size) {
    Graphics::PenSize(size);
    ApplyPen();
}

void PainterGraphics::FontName(const std::string& name) {
    Graphics::FontName(name);
    ApplyFont();
}

void PainterGraphics::FontSize(double size) {
    Graphics::FontSize(size);
    ApplyFont();
}

void PainterGraphics::ApplyPen() {
    const double width = static_cast<double>(std::clamp<std::int64_t>(PenSize(), 1, 1000));
    QPen pen(ToQColor(DrawingColor()), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter_.setPen(pen);
    const double margin = kClipMargin + width;
    clip_ = ClipBox{bounds_.left() - margin, bounds_.top() - margin, bounds_.right() + margin,
                    bounds_.bottom() + margin};
}

void PainterGraphics::ApplyFont() {
    QFont font = QGuiApplication::font();
    if (FontName() != "System" && !FontName().empty()) font.setFamily(QString::fromStdString(FontName()));
    // Sizes are points at the screen's 96 pixels per inch, so a text has the same size in diagram pixels
    // on every surface, a scaled printer page included.
    if (FontSize() > 0 && FontSize() < 10000) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(FontSize() * 96.0 / 72.0))));
    }
    painter_.setFont(font);
}

double PainterGraphics::PenOffset() const {
    return painter_.pen().widthF() / 2;
}

void PainterGraphics::DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    // A pen covers the pixels right of and below the given coordinates, as a whole-pixel surface expects.
    const double o = PenOffset();
    const auto clipped =
        ClipLine(LineF{ToDouble(x1) + o, ToDouble(y1) + o, ToDouble(x2) + o, ToDouble(y2) + o}, clip_);
    if (!clipped) return;
    painter_.drawLine(QLineF(clipped->x1, clipped->y1, clipped->x2, clipped->y2));
}

void PainterGraphics::DrawOval(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    const QRectF box(ToDouble(x), ToDouble(y), ToDouble(width), ToDouble(height));
    if (width <= 0 || height <= 0 ||
        !box.intersects(bounds_.adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin))) {
        return;
    }
    // Ellipses far larger than the surface are drawn pixels off and slowly; none of the diagram's are.
    if (box.width() > 1e6 || box.height() > 1e6) return;
    const double o = PenOffset();
    painter_.drawEllipse(box.adjusted(o, o, -o, -o));
}

void PainterGraphics::FillRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0) return;
    const QRectF box =
        QRectF(ToDouble(x), ToDouble(y), ToDouble(width), ToDouble(height))
            .intersected(bounds_.adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin));
    if (box.isEmpty()) return;
    painter_.fillRect(box, ToQColor(DrawingColor()));
}

void PainterGraphics::DrawString(const std::string& text, std::int64_t x, std::int64_t y,
                                 std::int64_t wrapWidth, bool condense) {
    const double px = ToDouble(x);
    const double py = ToDouble(y);
    if (px < bounds_.left() - kTextReach || px > bounds_.right() + kTextReach ||
        py < bounds_.top() - kTextReach || py > bounds_.bottom() + kTextReach) {
        return;
    }
    const QString qtext = QString::fromStdString(text);
    if (wrapWidth <= 0 || wrapWidth > static_cast<std::int64_t>(kTextReach)) {
        painter_.drawText(QPointF(px, py), qtext);
        return;
    }
    const QFontMetricsF metrics(painter_.font());
    const double width = ToDouble(wrapWidth);
    if (condense) {
        painter_.drawText(QPointF(px, py), metrics.elidedText(qtext, Qt::ElideRight, width));
        return;
    }
    const QRectF area(px, py - metrics.ascent(), width, kTextReach);
    painter_.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, qtext);
}

}  // namespace gui
