#include "gui/Canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <vector>

#include "gui/PropertyList.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/ControlProperties.h"
#include "gui/internal/ImplAccess.h"
#include "gui/internal/PainterGraphics.h"
#include "gui/internal/PictureImpl.h"
#include "gui/internal/PointerForwarding.h"

namespace gui {

namespace {

using T = PropertyType;

class CanvasWidget final : public PointerForwarding<QWidget, Canvas> {
  public:
    CanvasWidget(Canvas& control, QWidget* parent) : PointerForwarding(control, parent) {
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
        // The canvas paints every pixel itself, so Qt need not paint what lies under it first.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        // Without a paint handler nothing else covers what the backdrop leaves.
        if (!control_.Paint) painter.fillRect(rect(), palette().window());
        if (const auto& backdrop = control_.Backdrop())
            painter.drawImage(QPointF(0, 0), internal::ImplOf(*backdrop).For(devicePixelRatio()));
        PainterGraphics g(painter, QRectF(rect()), &cache_);
        std::vector<Rect> areas;
        for (const QRect& r : event->region()) areas.push_back(Rect{r.x(), r.y(), r.width(), r.height()});
        internal::RaiseEvent([&] {
            if (control_.Paint) control_.Paint(control_, g, areas);
        });
    }

    // A move with the button held is a drag of the press that was answered; without a button, a move.
    void mouseMoveEvent(QMouseEvent* event) override {
        const auto x = ToPixel(event->position().x()), y = ToPixel(event->position().y());
        if (TrackPress(event)) {
            internal::RaiseEvent([&] {
                if (control_.MouseDrag) control_.MouseDrag(control_, x, y);
            });
            return;
        }
        if (event->buttons() != Qt::NoButton) return;
        internal::RaiseEvent([&] {
            if (control_.MouseMove) control_.MouseMove(control_, x, y);
        });
    }

  private:
    PaintCache cache_;
};

struct CanvasImpl final : RectControl::Impl {
    using RectControl::Impl::Impl;
    std::shared_ptr<Picture> backdrop;
};

}  // namespace

Canvas::Canvas(Window& owner) : RectControl(std::make_unique<CanvasImpl>(owner, nullptr)) {
    impl().widget = new CanvasWidget(*this, internal::ImplOf(owner).content);
}

void Canvas::Backdrop(std::shared_ptr<Picture> picture) {
    static_cast<CanvasImpl&>(impl()).backdrop = std::move(picture);
    impl().widget->update();
}

const std::shared_ptr<Picture>& Canvas::Backdrop() const {
    return static_cast<CanvasImpl&>(impl()).backdrop;
}

const PropertyTable& Canvas::Properties() const {
    static const PropertyTable table(CommonProperties(true), {{"AllowFocusRing", T::Boolean},
                                                              {"AllowFocus", T::Boolean},
                                                              {"AllowTabs", T::Boolean},
                                                              {"DoubleBuffer", T::Boolean}});
    return table;
}

void Canvas::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    impl().widget->setFocusPolicy(values.Get<bool>("AllowFocus").value_or(false) ? Qt::StrongFocus
                                                                                 : Qt::NoFocus);
}

}  // namespace gui
