#pragma once

#include <QImage>

#include "gui/Picture.h"

namespace gui {

struct Picture::Impl {
    QImage image;
};

}  // namespace gui
