#pragma once

#include <QImage>

#include "gui/Picture.h"

namespace gui {

struct Picture::Impl {
    // One pixel to each unit of the picture's size.
    QImage image;
    // The same picture drawn with twice the pixels, device pixel ratio 2; null where the resources have none.
    QImage doubled;

    // The picture to draw on a surface with `ratio` device pixels to the unit, at the picture's own size. A
    // screen between one and two scales the larger one down rather than the smaller one up, as Qt's own
    // "@2x" pictures do.
    const QImage& For(double ratio) const { return ratio > 1 && !doubled.isNull() ? doubled : image; }
};

}  // namespace gui
