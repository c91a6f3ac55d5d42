#pragma once

#include "gui/RectControl.h"

namespace gui {

// A rectangle filled with one colour, its border drawn in one colour above and left and in another below
// and right.
class Rectangle final : public RectControl {
  public:
    explicit Rectangle(Window& owner);

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

}  // namespace gui
