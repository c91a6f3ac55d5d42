#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "gui/RectControl.h"

namespace gui {

class Graphics;
class Picture;

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

}  // namespace gui
