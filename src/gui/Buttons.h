#pragma once

#include <functional>
#include <string>

#include "gui/RectControl.h"

namespace gui {

// The controls a click acts on.

class RadioButton final : public RectControl {
  public:
    explicit RadioButton(Window& owner);
    std::string Caption() const;
    bool Value() const;

    std::function<void(RadioButton&)> Action;

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

class CheckBox final : public RectControl {
  public:
    explicit CheckBox(Window& owner);
    std::string Caption() const;
    bool Value() const;
    // Raises Action inside the call when the value changes, as a click does.
    void Value(bool value);

    std::function<void(CheckBox&)> Action;

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

class PushButton final : public RectControl {
  public:
    explicit PushButton(Window& owner);
    std::string Caption() const;
    bool Cancel() const;
    bool Default() const;
    // Presses the button as a click does.
    void Push();

    std::function<void(PushButton&)> Action;

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

}  // namespace gui
