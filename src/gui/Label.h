#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gui/RectControl.h"

namespace gui {

class Label final : public RectControl {
  public:
    explicit Label(Window& owner);
    std::string Text() const;

    std::function<void(Label&)> MouseEnter;
    std::function<void(Label&)> MouseExit;
    std::function<bool(Label&, std::int64_t, std::int64_t)> MouseDown;
    std::function<void(Label&, std::int64_t, std::int64_t)> MouseUp;

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

}  // namespace gui
