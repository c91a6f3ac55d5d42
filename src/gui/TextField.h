#pragma once

#include <functional>
#include <string>

#include "gui/RectControl.h"

namespace gui {

class TextField final : public RectControl {
  public:
    explicit TextField(Window& owner);

    std::string Text() const;
    // Raises TextChange inside the call when the text changes.
    void Text(const std::string& text);

    std::function<void(TextField&)> TextChange;

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

}  // namespace gui
