#pragma once

#include <QImage>
#include <functional>
#include <string>

#include "gui/Color.h"
#include "gui/Graphics.h"

// An offscreen picture that can be drawn on through a Graphics, read pixel by pixel and saved. Each paint is
// drawn from scratch: nothing is kept from one paint to the next.
class ImageSurface {
  public:
    ImageSurface(int width, int height, gui::Color background = gui::RGB(255, 255, 255));

    // Makes the whole picture `background`, as a new one is.
    void Fill(gui::Color background);
    // Runs `draw` with a fresh surface on the picture; the drawing is complete when it returns.
    void Paint(const std::function<void(gui::Graphics&)>& draw);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    gui::Color PixelAt(int x, int y) const;
    const QImage& Image() const { return image_; }
    bool SavePng(const std::string& path) const;

  private:
    QImage image_;
};
