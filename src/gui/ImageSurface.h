#pragma once

#include <functional>
#include <memory>
#include <string>

#include "gui/Color.h"
#include "gui/Graphics.h"

namespace gui {

// An offscreen picture that can be drawn on through a Graphics, read pixel by pixel and saved.
class ImageSurface {
  public:
    ImageSurface(int width, int height, Color background = RGB(255, 255, 255));
    ~ImageSurface();
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    // Runs `draw` with a fresh surface on the picture; the drawing is complete when it returns.
    void Paint(const std::function<void(Graphics&)>& draw);

    int Width() const;
    int Height() const;
    Color PixelAt(int x, int y) const;
    bool SavePng(const std::string& path) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace gui
