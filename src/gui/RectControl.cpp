#include "gui/RectControl.h"

#include <QWidget>
#include <algorithm>

#include "gui/PropertyList.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/ControlProperties.h"
#include "gui/internal/ImplAccess.h"

namespace gui {

QWidget* WidgetOf(const RectControl& control) {
    return internal::ImplOf(control).widget;
}

QWidget* ContainerWidget(const RectControl& control) {
    if (const RectControl* parent = control.Parent()) return internal::ImplOf(*parent).widget;
    return internal::ImplOf(control.OwnerWindow()).content;
}

QCursor ToQCursor(MouseCursor cursor) {
    switch (cursor) {
        case MouseCursor::HandOpen:
            return QCursor(Qt::OpenHandCursor);
        case MouseCursor::FingerPointer:
            return QCursor(Qt::PointingHandCursor);
        case MouseCursor::StandardPointer:
            break;
    }
    return QCursor(Qt::ArrowCursor);
}

RectControl::RectControl(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

RectControl::~RectControl() = default;

const std::string& RectControl::Name() const {
    return impl_->name;
}
std::int64_t RectControl::Left() const {
    return impl_->left;
}
std::int64_t RectControl::Top() const {
    return impl_->top;
}
std::int64_t RectControl::Width() const {
    return impl_->width;
}
std::int64_t RectControl::Height() const {
    return impl_->height;
}
std::int64_t RectControl::TabIndex() const {
    return impl_->tabIndex;
}
RectControl* RectControl::Parent() const {
    return impl_->parent;
}
Window& RectControl::OwnerWindow() const {
    return impl_->owner;
}
gui::MouseCursor RectControl::MouseCursor() const {
    return impl_->cursor;
}

void RectControl::MouseCursor(gui::MouseCursor cursor) {
    impl_->cursor = cursor;
    if (impl_->widget) impl_->widget->setCursor(ToQCursor(cursor));
}

void RectControl::Refresh(bool) {
    if (impl_->widget) impl_->widget->update();
}

void RectControl::Apply(const PropertyValues& values) {
    Impl& d = *impl_;
    d.name = values.Get<std::string>("Name").value_or(d.name);
    d.left = values.Get<std::int64_t>("Left").value_or(d.left);
    d.top = values.Get<std::int64_t>("Top").value_or(d.top);
    d.width = values.Get<std::int64_t>("Width").value_or(d.width);
    d.height = values.Get<std::int64_t>("Height").value_or(d.height);
    d.tabIndex = values.Get<std::int64_t>("TabIndex").value_or(d.tabIndex);
    d.enabled = values.Get<bool>("Enabled").value_or(d.enabled);
    d.visible = values.Get<bool>("Visible").value_or(d.visible);
    if (const auto parent = values.Get<std::string>("InitialParent")) {
        d.parent = parent->empty() ? nullptr : &d.owner.ControlByName(*parent);
    }

    QWidget& w = *d.widget;
    QWidget* container = ContainerWidget(*this);
    if (w.parentWidget() != container) w.setParent(container);
    // Layout coordinates are the window's; Qt places a child relative to its container.
    const std::int64_t originX = d.parent ? d.parent->Left() : 0;
    const std::int64_t originY = d.parent ? d.parent->Top() : 0;
    w.setGeometry(ClampToInt(d.left - originX), ClampToInt(d.top - originY),
                  ClampToInt(std::max<std::int64_t>(d.width, 0)),
                  ClampToInt(std::max<std::int64_t>(d.height, 0)));
    w.setEnabled(d.enabled);
    w.setVisible(d.visible);
    const std::string tooltip = values.Get<std::string>("Tooltip").value_or("");
    w.setToolTip(tooltip.empty() ? QString() : QString::fromStdString(tooltip));
    if (!values.Get<bool>("TabStop").value_or(true)) w.setFocusPolicy(Qt::NoFocus);
}

void SetProperties(RectControl& control, std::string_view list) {
    const PropertyValues values = PropertyValues::Read(list, control.Properties());
    control.Apply(values);
}

}  // namespace gui
