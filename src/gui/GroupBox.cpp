#include "gui/GroupBox.h"

#include <QGroupBox>

#include "gui/PropertyList.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/ControlProperties.h"
#include "gui/internal/ImplAccess.h"

namespace gui {

namespace {

using T = PropertyType;

}  // namespace

GroupBox::GroupBox(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new QGroupBox(internal::ImplOf(owner).content))) {}

std::string GroupBox::Caption() const {
    return WidgetAs<QGroupBox>(*this).title().toStdString();
}

const PropertyTable& GroupBox::Properties() const {
    static const PropertyTable table(FontProperties(), {{"Caption", T::Text}});
    return table;
}

void GroupBox::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    auto& w = WidgetAs<QGroupBox>(*this);
    ApplyFont(w, values);
    if (const auto caption = values.Get<std::string>("Caption")) w.setTitle(QString::fromStdString(*caption));
}

}  // namespace gui
