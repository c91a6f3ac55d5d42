#pragma once

#include <string>

#include "gui/RectControl.h"

namespace gui {

class GroupBox final : public RectControl {
  public:
    explicit GroupBox(Window& owner);
    std::string Caption() const;

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

}  // namespace gui
