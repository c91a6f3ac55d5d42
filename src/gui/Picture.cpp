#include "gui/Picture.h"

#include <QImage>
#include <QString>

#include "gui/internal/PictureImpl.h"

namespace gui {

Picture::Picture(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Picture::~Picture() = default;

std::shared_ptr<Picture> Picture::FromResource(std::string_view fileName) {
    const QString path =
        QStringLiteral(":/") + QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
    QImage image(path);
    if (image.isNull()) return nullptr;
    // Beside it, as Qt names them, the picture for screens with two device pixels to the unit: "name@2x.jpg".
    const qsizetype dot = path.lastIndexOf('.');
    QImage doubled(dot > path.lastIndexOf('/') ? QString(path).insert(dot, "@2x") : path + "@2x");
    // One that is not the same picture at twice the size would be drawn at a size of its own.
    if (doubled.size() != image.size() * 2) doubled = QImage();
    // Qt reads the ratio from the name itself, but not where QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING is set.
    doubled.setDevicePixelRatio(2);
    return std::shared_ptr<Picture>(
        new Picture(std::make_unique<Impl>(Impl{std::move(image), std::move(doubled)})));
}

std::int64_t Picture::Width() const {
    return impl_->image.width();
}
std::int64_t Picture::Height() const {
    return impl_->image.height();
}

}  // namespace gui
