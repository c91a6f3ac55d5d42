#include "gui/Slider.h"

#include <QSlider>
#include <QWheelEvent>

#include "gui/PropertyList.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/ControlProperties.h"
#include "gui/internal/Events.h"
#include "gui/internal/ImplAccess.h"

namespace gui {

namespace {

using T = PropertyType;

// The wheel over a slider is the slider's, at its ends too: a scrolling view around it then does not move the
// slider away from under the pointer.
class SliderWidget final : public QSlider {
  public:
    explicit SliderWidget(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

  protected:
    void wheelEvent(QWheelEvent* event) override {
        QSlider::wheelEvent(event);
        event->accept();
    }
};

}  // namespace

Slider::Slider(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new SliderWidget(internal::ImplOf(owner).content))) {
    auto& w = WidgetAs<QSlider>(*this);
    internal::ForwardEvent(w, &QSlider::valueChanged, *this, &Slider::ValueChanged);
}

std::int64_t Slider::Value() const {
    return WidgetAs<QSlider>(*this).value();
}

void Slider::Value(std::int64_t value) {
    internal::AsSetter([&] { WidgetAs<QSlider>(*this).setValue(ClampToInt(value)); });
}

std::int64_t Slider::MinimumValue() const {
    return WidgetAs<QSlider>(*this).minimum();
}
std::int64_t Slider::MaximumValue() const {
    return WidgetAs<QSlider>(*this).maximum();
}

const PropertyTable& Slider::Properties() const {
    static const PropertyTable table(CommonProperties(true), {{"Value", T::Integer},
                                                              {"MinimumValue", T::Integer},
                                                              {"MaximumValue", T::Integer},
                                                              {"LineStep", T::Integer},
                                                              {"AllowLiveScrolling", T::Boolean},
                                                              {"PageStep", T::Integer},
                                                              {"TickMarkStyle", T::Integer}});
    return table;
}

void Slider::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    auto& w = WidgetAs<QSlider>(*this);
    w.setSingleStep(ClampToInt(values.Get<std::int64_t>("LineStep").value_or(w.singleStep())));
    w.setPageStep(ClampToInt(values.Get<std::int64_t>("PageStep").value_or(w.pageStep())));
    w.setTracking(values.Get<bool>("AllowLiveScrolling").value_or(true));
    switch (values.Get<std::int64_t>("TickMarkStyle").value_or(0)) {
        case 1:
            w.setTickPosition(QSlider::TicksAbove);
            break;
        case 2:
            w.setTickPosition(QSlider::TicksBelow);
            break;
        case 3:
            w.setTickPosition(QSlider::TicksBothSides);
            break;
        default:
            w.setTickPosition(QSlider::NoTicks);
    }
    w.setTickInterval(1);
    // The range first: a value set before it would be held inside the range that was in force.
    w.setRange(ClampToInt(values.Get<std::int64_t>("MinimumValue").value_or(w.minimum())),
               ClampToInt(values.Get<std::int64_t>("MaximumValue").value_or(w.maximum())));
    if (const auto value = values.Get<std::int64_t>("Value")) w.setValue(ClampToInt(*value));
}

}  // namespace gui
