#include "gui/TextField.h"

#include <QLineEdit>
#include <QPalette>
#include <climits>

#include "gui/PropertyList.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/ControlProperties.h"
#include "gui/internal/Events.h"
#include "gui/internal/FieldWidget.h"
#include "gui/internal/ImplAccess.h"
#include "gui/internal/QtColor.h"

namespace gui {

namespace {

using T = PropertyType;

}  // namespace

TextField::TextField(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new FieldWidget(internal::ImplOf(owner).content))) {
    auto& w = WidgetAs<QLineEdit>(*this);
    w.setMaxLength(INT_MAX);
    w.setBackgroundRole(QPalette::Window);
    internal::ForwardEvent(w, &QLineEdit::textChanged, *this, &TextField::TextChange);
}

std::string TextField::Text() const {
    return WidgetAs<QLineEdit>(*this).text().toStdString();
}

void TextField::Text(const std::string& text) {
    internal::AsSetter([&] { WidgetAs<FieldWidget>(*this).SetProgramText(QString::fromStdString(text)); });
}

const PropertyTable& TextField::Properties() const {
    static const PropertyTable table(FontProperties(), {{"BackgroundColor", T::Colour},
                                                        {"HasBorder", T::Boolean},
                                                        {"Format", T::Text},
                                                        {"Password", T::Boolean},
                                                        {"TextColor", T::Colour},
                                                        {"AllowFocusRing", T::Boolean},
                                                        {"Hint", T::Text},
                                                        {"Value", T::Text},
                                                        {"AllowTabs", T::Boolean},
                                                        {"TextAlignment", T::Integer},
                                                        {"AllowSpellChecking", T::Boolean},
                                                        {"MaximumCharactersAllowed", T::Integer},
                                                        {"ValidationMask", T::Text},
                                                        {"ReadOnly", T::Boolean},
                                                        {"DataSource", T::Text},
                                                        {"DataField", T::Text}});
    return table;
}

void TextField::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    auto& w = WidgetAs<QLineEdit>(*this);
    ApplyFont(w, values);
    QPalette palette = w.palette();
    if (const auto background = values.Get<Color>("BackgroundColor"))
        palette.setColor(QPalette::Base, ToQColor(*background));
    if (const auto textColor = values.Get<Color>("TextColor"))
        palette.setColor(QPalette::Text, ToQColor(*textColor));
    w.setPalette(palette);
    w.setFrame(values.Get<bool>("HasBorder").value_or(w.hasFrame()));
    // The readouts change at every step of the diagram. A field without a border covers its whole rectangle,
    // so filling it first with the window's colour changes no pixel, and it then repaints alone instead of
    // with the group box and the window beneath it. A border's rounded corners show what lies beneath.
    w.setAutoFillBackground(!w.hasFrame());
    w.setEchoMode(values.Get<bool>("Password").value_or(false) ? QLineEdit::Password : QLineEdit::Normal);
    w.setPlaceholderText(QString::fromStdString(values.Get<std::string>("Hint").value_or("")));
    w.setAlignment(ToAlignment(values.Get<std::int64_t>("TextAlignment").value_or(0)) | Qt::AlignVCenter);
    const std::int64_t maxChars = values.Get<std::int64_t>("MaximumCharactersAllowed").value_or(0);
    w.setMaxLength(maxChars > 0 ? ClampToInt(maxChars) : INT_MAX);
    w.setReadOnly(values.Get<bool>("ReadOnly").value_or(w.isReadOnly()));
    if (const auto value = values.Get<std::string>("Value")) w.setText(QString::fromStdString(*value));
}

}  // namespace gui
