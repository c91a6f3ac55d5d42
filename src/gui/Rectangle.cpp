#include "gui/Rectangle.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "gui/Color.h"
#include "gui/PropertyList.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/ControlProperties.h"
#include "gui/internal/ImplAccess.h"
#include "gui/internal/QtColor.h"

namespace gui {

namespace {

using T = PropertyType;

class RectangleWidget final : public QWidget {
  public:
    using QWidget::QWidget;
    Color fill = RGB(255, 255, 255);
    Color topLeft = RGB(0, 0, 0);
    Color bottomRight = RGB(0, 0, 0);
    double border = 1;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(fill));
        const int b = static_cast<int>(std::lround(std::clamp(border, 0.0, 100.0)));
        if (b == 0) return;
        const QColor tl = ToQColor(topLeft), br = ToQColor(bottomRight);
        painter.fillRect(0, 0, width(), b, tl);
        painter.fillRect(0, 0, b, height(), tl);
        painter.fillRect(0, height() - b, width(), b, br);
        painter.fillRect(width() - b, 0, b, height(), br);
    }
};

}  // namespace

Rectangle::Rectangle(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new RectangleWidget(internal::ImplOf(owner).content))) {}

const PropertyTable& Rectangle::Properties() const {
    static const PropertyTable table(CommonProperties(false), {{"BorderThickness", T::Double},
                                                               {"BottomRightColor", T::Colour},
                                                               {"FillColor", T::Colour},
                                                               {"TopLeftColor", T::Colour}});
    return table;
}

void Rectangle::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    auto& w = WidgetAs<RectangleWidget>(*this);
    w.fill = values.Get<Color>("FillColor").value_or(w.fill);
    w.topLeft = values.Get<Color>("TopLeftColor").value_or(w.topLeft);
    w.bottomRight = values.Get<Color>("BottomRightColor").value_or(w.bottomRight);
    w.border = values.Get<double>("BorderThickness").value_or(w.border);
    w.update();
}

}  // namespace gui
