#include "gui/Buttons.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "gui/PropertyList.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/ControlProperties.h"
#include "gui/internal/Events.h"
#include "gui/internal/ImplAccess.h"

namespace gui {

namespace {

using T = PropertyType;

struct PushButtonImpl final : RectControl::Impl {
    using RectControl::Impl::Impl;
    bool cancel = false;
};

}  // namespace

RadioButton::RadioButton(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new QRadioButton(internal::ImplOf(owner).content))) {
    auto& w = WidgetAs<QRadioButton>(*this);
    internal::ForwardEvent(w, &QRadioButton::clicked, *this, &RadioButton::Action);
}

std::string RadioButton::Caption() const {
    return WidgetAs<QRadioButton>(*this).text().toStdString();
}
bool RadioButton::Value() const {
    return WidgetAs<QRadioButton>(*this).isChecked();
}

const PropertyTable& RadioButton::Properties() const {
    static const PropertyTable table(FontProperties(), {{"Caption", T::Text}, {"Value", T::Boolean}});
    return table;
}

void RadioButton::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    auto& w = WidgetAs<QRadioButton>(*this);
    ApplyFont(w, values);
    if (const auto caption = values.Get<std::string>("Caption")) w.setText(QString::fromStdString(*caption));
    if (const auto value = values.Get<bool>("Value")) w.setChecked(*value);
}

CheckBox::CheckBox(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new QCheckBox(internal::ImplOf(owner).content))) {
    auto& w = WidgetAs<QCheckBox>(*this);
    internal::ForwardEvent(w, &QCheckBox::toggled, *this, &CheckBox::Action);
}

std::string CheckBox::Caption() const {
    return WidgetAs<QCheckBox>(*this).text().toStdString();
}
bool CheckBox::Value() const {
    return WidgetAs<QCheckBox>(*this).isChecked();
}

void CheckBox::Value(bool value) {
    internal::AsSetter([&] { WidgetAs<QCheckBox>(*this).setChecked(value); });
}

const PropertyTable& CheckBox::Properties() const {
    static const PropertyTable table(FontProperties(), {{"Caption", T::Text},
                                                        {"VisualState", T::Integer},
                                                        {"Value", T::Boolean},
                                                        {"DataField", T::Text},
                                                        {"DataSource", T::Text}});
    return table;
}

void CheckBox::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    auto& w = WidgetAs<QCheckBox>(*this);
    ApplyFont(w, values);
    if (const auto caption = values.Get<std::string>("Caption")) w.setText(QString::fromStdString(*caption));
    if (const auto visualState = values.Get<std::int64_t>("VisualState")) {
        const auto state = *visualState;
        w.setTristate(state == 2);
        w.setCheckState(state == 2 ? Qt::PartiallyChecked : state == 1 ? Qt::Checked : Qt::Unchecked);
    }
    if (const auto value = values.Get<bool>("Value")) w.setChecked(*value);
}

PushButton::PushButton(Window& owner)
    : RectControl(std::make_unique<PushButtonImpl>(owner, new QPushButton(internal::ImplOf(owner).content))) {
    auto& w = WidgetAs<QPushButton>(*this);
    w.setAutoDefault(false);
    internal::ForwardEvent(w, &QPushButton::clicked, *this, &PushButton::Action);
}

std::string PushButton::Caption() const {
    return WidgetAs<QPushButton>(*this).text().toStdString();
}
bool PushButton::Cancel() const {
    return static_cast<PushButtonImpl&>(impl()).cancel;
}
bool PushButton::Default() const {
    return WidgetAs<QPushButton>(*this).isDefault();
}

void PushButton::Push() {
    internal::AsSetter([&] { WidgetAs<QPushButton>(*this).click(); });
}

const PropertyTable& PushButton::Properties() const {
    static const PropertyTable table(FontProperties(), {{"MacButtonStyle", T::Integer},
                                                        {"Cancel", T::Boolean},
                                                        {"Caption", T::Text},
                                                        {"Default", T::Boolean}});
    return table;
}

void PushButton::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    auto& w = WidgetAs<QPushButton>(*this);
    ApplyFont(w, values);
    if (const auto caption = values.Get<std::string>("Caption")) w.setText(QString::fromStdString(*caption));
    w.setDefault(values.Get<bool>("Default").value_or(false));
    auto& cancel = static_cast<PushButtonImpl&>(impl()).cancel;
    cancel = values.Get<bool>("Cancel").value_or(cancel);
    if (cancel) SetCancelButton(OwnerWindow(), *this);
}

}  // namespace gui
