#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "gui/Cursors.h"

namespace gui::internal {
struct ImplAccess;
}  // namespace gui::internal

namespace gui {

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

}  // namespace gui
