#pragma once

// Only for gui/: the one conversion of the program's colours into Qt's.

#include <QColor>

#include "gui/Color.h"

namespace gui {

inline QColor ToQColor(Color color) {
    return QColor(color.red, color.green, color.blue);
}

}  // namespace gui
