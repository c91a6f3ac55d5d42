#pragma once

#include <cstdint>
#include <functional>

#include "gui/RectControl.h"

namespace gui {

class Slider final : public RectControl {
  public:
    explicit Slider(Window& owner);

    std::int64_t Value() const;
    // A value outside the range is held at the nearer end; ValueChanged is raised inside the call when the
    // value changes.
    void Value(std::int64_t value);
    std::int64_t MinimumValue() const;
    std::int64_t MaximumValue() const;

    std::function<void(Slider&)> ValueChanged;

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

}  // namespace gui
