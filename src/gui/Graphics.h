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
    // (x, y) is the start of the text's baseline.
    virtual void DrawString(const std::string& text, std::int64_t x, std::int64_t y) = 0;

    void DrawingColor(Color color) {
        drawingColor_ = color;
        SettingChanged(Setting::DrawingColor);
    }
    void PenSize(std::int64_t size) {
        penSize_ = size;
        SettingChanged(Setting::PenSize);
    }
    void FontName(const std::string& name) {
        fontName_ = name;
        SettingChanged(Setting::FontName);
    }
    // The font's size in the surface's pixels: the height of its em square.
    void FontSize(double size) {
        fontSize_ = size;
        SettingChanged(Setting::FontSize);
    }

    Color DrawingColor() const { return drawingColor_; }
    std::int64_t PenSize() const { return penSize_; }
    const std::string& FontName() const { return fontName_; }
    double FontSize() const { return fontSize_; }

  protected:
    enum class Setting { DrawingColor, PenSize, FontName, FontSize };

    Graphics() = default;
    // Told after every setting call, with the new value already readable, so that a surface keeps its
    // engine in step in one place.
    virtual void SettingChanged(Setting) {}

  private:
    Color drawingColor_{};
    std::int64_t penSize_ = 1;
    std::string fontName_ = "System";
    double fontSize_ = 0;
};

}  // namespace gui
