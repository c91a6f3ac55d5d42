#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gui/Color.h"
#include "gui/Cursors.h"

namespace gui::internal {
struct ImplAccess;
}  // namespace gui::internal

namespace gui {

class Graphics;
class Picture;
class PropertyTable;
class PropertyValues;
class Window;

struct Rect {
    std::int64_t left;
    std::int64_t top;
    std::int64_t width;
    std::int64_t height;
};

// A control of a window. Its geometry is in the window's content coordinates, whatever its container.
class RectControl {
  public:
    virtual ~RectControl();
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    const std::string& Name() const;
    std::int64_t Left() const;
    std::int64_t Top() const;
    std::int64_t Width() const;
    std::int64_t Height() const;
    std::int64_t TabIndex() const;
    // The container named by the layout, or null for the window itself.
    RectControl* Parent() const;
    Window& OwnerWindow() const;

    gui::MouseCursor MouseCursor() const;
    void MouseCursor(gui::MouseCursor cursor);

    // Asks for a repaint; the paint comes later, never inside this call.
    void Refresh(bool eraseBackground = true);

    // What the runtime holds behind the class; its definition and `impl()` are for gui/ alone.
    struct Impl;

  protected:
    friend struct internal::ImplAccess;
    Impl& impl() const { return *impl_; }

    explicit RectControl(std::unique_ptr<Impl> impl);

    // Applies a whole list that has been read; each class applies what it needs in the order it needs it.
    virtual void Apply(const PropertyValues& values);

  private:
    friend void SetProperties(RectControl& control, std::string_view list);
    virtual const PropertyTable& Properties() const = 0;

    std::unique_ptr<Impl> impl_;
};

// Applies a property list to a control. A malformed list changes nothing and throws PropertyListError.
void SetProperties(RectControl& control, std::string_view list);

class Rectangle final : public RectControl {
  public:
    explicit Rectangle(Window& owner);

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

class Canvas final : public RectControl {
  public:
    explicit Canvas(Window& owner);

    // Drawn under whatever Paint draws; null for none.
    void Backdrop(std::shared_ptr<Picture> picture);
    const std::shared_ptr<Picture>& Backdrop() const;

    std::function<void(Canvas&, Graphics&, const std::vector<Rect>&)> Paint;
    // Answering true delivers this press's MouseDrag and MouseUp.
    std::function<bool(Canvas&, std::int64_t, std::int64_t)> MouseDown;
    std::function<void(Canvas&, std::int64_t, std::int64_t)> MouseDrag;
    std::function<void(Canvas&, std::int64_t, std::int64_t)> MouseUp;
    // Moves while no button is held.
    std::function<void(Canvas&, std::int64_t, std::int64_t)> MouseMove;
    std::function<void(Canvas&)> MouseEnter;
    std::function<void(Canvas&)> MouseExit;

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

class GroupBox final : public RectControl {
  public:
    explicit GroupBox(Window& owner);
    std::string Caption() const;

  private:
    const PropertyTable& Properties() const override;
    void Apply(const PropertyValues& values) override;
};

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
