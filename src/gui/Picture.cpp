#include "gui/Picture.h"

#include <QImage>
#include <QString>

#include "gui/internal/PictureImpl.h"

namespace gui {

Picture::Picture(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Picture::~Picture() = default;

std::shared_ptr<Picture> Picture::FromResource(std::string_view fileName) {
    QImage image(QStringLiteral(":/") +
                 QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
    if (image.isNull()) return nullptr;
    return std::shared_ptr<Picture>(new Picture(std::make_unique<Impl>(Impl{std::move(image)})));
}

std::int64_t Picture::Width() const {
    return impl_->image.width();
}
std::int64_t Picture::Height() const {
    return impl_->image.height();
}

}  // namespace gui
