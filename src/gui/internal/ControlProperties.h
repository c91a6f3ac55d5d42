#pragma once

// Only for gui/: what the control classes share in reading their property lists.

#include <Qt>
#include <cstdint>

class QWidget;

namespace gui {

class PropertyTable;
class PropertyValues;

// The properties every control has, with TabStop for those that take focus.
const PropertyTable& CommonProperties(bool withTabStop);
// The common properties and a font.
const PropertyTable& FontProperties();

// The font a list names, set on `widget`; a list that names none leaves the widget's own.
void ApplyFont(QWidget& widget, const PropertyValues& values);
// The horizontal alignment of a layout's alignment code.
Qt::Alignment ToAlignment(std::int64_t code);
// A 64-bit layout value as Qt's int, held at the nearer end.
int ClampToInt(std::int64_t v);

}  // namespace gui
