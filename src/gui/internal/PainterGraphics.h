#pragma once

// Only for gui/ and its tests: the surface that paints through a QPainter.

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include "gui/Clip.h"
#include "gui/Graphics.h"

namespace gui {

class PainterGraphics : public Graphics {
  public:
    // `bounds` is the visible area in the painter's logical coordinates; lines are clipped to a box a little
    // larger than it before they reach the painter.
    PainterGraphics(QPainter& painter, const QRectF& bounds);

    void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) override;
    void DrawOval(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) override;
    void FillRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) override;
    void DrawString(const std::string& text, std::int64_t x, std::int64_t y, std::int64_t wrapWidth,
                    bool condense) override;

    using Graphics::DrawingColor;
    using Graphics::FontName;
    using Graphics::FontSize;
    using Graphics::PenSize;
    void DrawingColor(Color color) override;
    void PenSize(std::int64_t size) override;
    void FontName(const std::string& name) override;
    void FontSize(double size) override;

  private:
    void ApplyPen();
    void ApplyFont();
    double PenOffset() const;

    QPainter& painter_;
    QRectF bounds_;
    ClipBox clip_;
};

QColor ToQColor(Color color);

}  // namespace gui
