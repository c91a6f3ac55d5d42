#pragma once

#include <cstdint>
#include <string>

#include "gui/Color.h"

namespace gui {

// A two-dimensional drawing surface in whole pixels, x to the right and y downward.
// The four settings stay in force until they are set again and can be read back.
class Graphics {
  public:
    virtual ~Graphics() = default;

    virtual void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) = 0;
    // The outline of the ellipse inscribed in the box (x, y, width, height).
    virtual void DrawOval(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) = 0;
    virtual void FillRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) = 0;
    // (x, y) is the start of the text's baseline. A wrap width above 0 breaks the text into lines of
    // at most that width; condense then shortens a line that still does not fit.
    virtual void DrawString(const std::string& text, std::int64_t x, std::int64_t y,
                            std::int64_t wrapWidth = 0, bool condense = false) = 0;

    virtual void DrawingColor(Color color) { drawingColor_ = color; }
    virtual void PenSize(std::int64_t size) { penSize_ = size; }
    virtual void FontName(const std::string& name) { fontName_ = name; }
    virtual void FontSize(double size) { fontSize_ = size; }

    Color DrawingColor() const { return drawingColor_; }
    std::int64_t PenSize() const { return penSize_; }
    const std::string& FontName() const { return fontName_; }
    double FontSize() const { return fontSize_; }

  protected:
    Graphics() = default;

  private:
    Color drawingColor_{};
    std::int64_t penSize_ = 1;
    std::string fontName_ = "System";
    double fontSize_ = 0;
};

}  // namespace gui
