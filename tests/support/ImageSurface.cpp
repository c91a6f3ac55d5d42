#include "support/ImageSurface.h"

#include <QPainter>
#include <QString>

#include "gui/internal/PainterGraphics.h"

ImageSurface::ImageSurface(int width, int height, gui::Color background)
    : image_(width, height, QImage::Format_RGB32) {
    Fill(background);
}

void ImageSurface::Fill(gui::Color background) {
    image_.fill(gui::ToQColor(background));
}

void ImageSurface::Paint(const std::function<void(gui::Graphics&)>& draw) {
    QPainter painter(&image_);
    gui::PainterGraphics g(painter, QRectF(0, 0, image_.width(), image_.height()));
    draw(g);
}

gui::Color ImageSurface::PixelAt(int x, int y) const {
    if (!image_.valid(x, y)) return gui::Color{};
    const QRgb pixel = image_.pixel(x, y);
    return gui::RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

bool ImageSurface::SavePng(const std::string& path) const {
    return image_.save(QString::fromStdString(path), "PNG");
}
