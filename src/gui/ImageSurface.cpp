#include "gui/ImageSurface.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QThread>

#include "gui/internal/PainterGraphics.h"

namespace gui {

struct ImageSurface::Impl {
    QImage image;
};

namespace {

// Pictures of the diagram draw the same captions over and over: their shaping is kept across pictures, on
// the application's own thread, where all of them are drawn. It lives as long as the process.
PaintCache* SharedTexts() {
    static PaintCache* const texts = new PaintCache(false);
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread() ? texts : nullptr;
}

}  // namespace

ImageSurface::ImageSurface(int width, int height, Color background)
    : impl_(std::make_unique<Impl>(Impl{QImage(width, height, QImage::Format_RGB32)})) {
    impl_->image.fill(ToQColor(background));
}

ImageSurface::~ImageSurface() = default;

void ImageSurface::Paint(const std::function<void(Graphics&)>& draw) {
    QPainter painter(&impl_->image);
    PainterGraphics g(painter, QRectF(0, 0, impl_->image.width(), impl_->image.height()), SharedTexts());
    draw(g);
}

int ImageSurface::Width() const {
    return impl_->image.width();
}
int ImageSurface::Height() const {
    return impl_->image.height();
}

Color ImageSurface::PixelAt(int x, int y) const {
    if (!impl_->image.valid(x, y)) return Color{};
    const QRgb pixel = impl_->image.pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

bool ImageSurface::SavePng(const std::string& path) const {
    return impl_->image.save(QString::fromStdString(path), "PNG");
}

}  // namespace gui
