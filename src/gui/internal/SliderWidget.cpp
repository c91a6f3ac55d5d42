#include "gui/internal/SliderWidget.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace gui::internal {

namespace {

// Whether `widget` covers its whole rectangle when it paints, so that nothing beneath it shows.
bool Opaque(const QWidget& widget) {
    return widget.isWindow() || widget.testAttribute(Qt::WA_OpaquePaintEvent) ||
           (widget.autoFillBackground() && widget.palette().brush(widget.backgroundRole()).isOpaque());
}

}  // namespace

SliderWidget::SliderWidget(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {}

bool SliderWidget::event(QEvent* event) {
    const bool opaque = testAttribute(Qt::WA_OpaquePaintEvent);
    const bool handled = QSlider::event(event);
    // The style's polish takes the attribute away.
    if (event->type() == QEvent::Polish) setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    if (event->type() == QEvent::ParentChange) Forget();
    // Qt moves an opaque widget's pixels along with it rather than repaint it; what lay beneath them did not
    // move. A new size needs a picture of the new size.
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        Forget();
        update();
    }
    return handled;
}

bool SliderWidget::eventFilter(QObject* watched, QEvent* event) {
    // Qt paints the containers around an opaque slider but never beneath it: a change of their look shows in
    // a paint of the ring around it.
    if (event->type() == QEvent::Paint && !drawingBeneath_ && watched->isWidgetType()) {
        const QRect ring = Place(*static_cast<QWidget*>(watched)).adjusted(-1, -1, 1, 1);
        if (static_cast<QPaintEvent*>(event)->region().intersects(ring)) Forget();
    }
    return QSlider::eventFilter(watched, event);
}

void SliderWidget::paintEvent(QPaintEvent* event) {
    if (testAttribute(Qt::WA_OpaquePaintEvent) && parentWidget()) {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        painter.drawImage(QPointF(0, 0), Beneath());
    }
    QSlider::paintEvent(event);
    // The first paint, with the whole window, leaves what lies beneath to the containers, which paint there
    // anyway: the window shows sooner. From the next paint on, the slider draws it.
    if (!painted_) {
        painted_ = true;
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
}

// The slider's rectangle in the coordinates of `other`, a widget of the same window.
QRect SliderWidget::Place(const QWidget& other) const {
    return QRect(mapTo(window(), QPoint(0, 0)) - other.mapTo(window(), QPoint(0, 0)), size());
}

void SliderWidget::Forget() {
    beneath_.reset();
    for (const QPointer<QWidget>& source : sources_) {
        if (source) source->removeEventFilter(this);
    }
    sources_.clear();
}

// Everything Qt would draw beneath the slider, bottom up: the nearest container that covers its rectangle,
// then each container on the way down to the slider's own, each followed by those of its children that lie
// beneath the next one and overlap the slider.
const QImage& SliderWidget::Beneath() {
    if (beneath_) return *beneath_;
    std::vector<QWidget*> chain{this, parentWidget()};
    while (!Opaque(*chain.back()) && chain.back()->parentWidget())
        chain.push_back(chain.back()->parentWidget());

    const qreal ratio = devicePixelRatio();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    drawingBeneath_ = true;
    const auto draw = [&](QWidget& source, QWidget::RenderFlags flags) {
        const QRect place = Place(source);
        const QRect covered = place & source.rect();
        if (covered.isEmpty()) return;
        source.render(&image, covered.topLeft() - place.topLeft(), QRegion(covered), flags);
        source.installEventFilter(this);
        sources_.emplace_back(&source);
    };
    for (std::size_t level = chain.size() - 1; level >= 1; --level) {
        QWidget& container = *chain[level];
        draw(container, level == chain.size() - 1 ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
        for (QObject* child : container.children()) {
            if (child == chain[level - 1]) break;
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && widget->isVisible() && !widget->isWindow()) draw(*widget, QWidget::DrawChildren);
        }
    }
    drawingBeneath_ = false;
    beneath_ = std::move(image);
    return *beneath_;
}

}  // namespace gui::internal
