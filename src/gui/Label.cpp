#include "gui/Label.h"

#include <QLabel>
#include <QPalette>
#include <algorithm>

#include "gui/PropertyList.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/ControlProperties.h"
#include "gui/internal/FittedText.h"
#include "gui/internal/ImplAccess.h"
#include "gui/internal/PointerForwarding.h"
#include "gui/internal/QtColor.h"

namespace gui {

namespace {

using T = PropertyType;

class LabelWidget final : public PointerForwarding<QLabel, Label> {
  public:
    LabelWidget(Label& control, QWidget* parent) : PointerForwarding(control, parent) {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    // A text that does not fit its box would be cut off: a one-line label grows to the right up to the
    // nearest control beside it, a multi-line one downward, as far as the container allows. What still
    // doesn't fit is drawn narrower or cut (see paintEvent). The laid-out size stays what the layout says.
    void GrowToText() {
        QWidget* container = parentWidget();
        const int layoutWidth = ClampToInt(control_.Width()), layoutHeight = ClampToInt(control_.Height());
        if (wordWrap()) {
            const int needed = heightForWidth(width());
            const int room = container ? container->height() - y() - 1 : needed;
            if (needed > height()) resize(width(), std::max(height(), std::min(needed, room)));
            return;
        }
        const int needed = fontMetrics().horizontalAdvance(text()) + 2;
        int room = container ? container->width() - x() - 1 : needed;
        if (container) {
            for (QWidget* other : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const bool beside = other != this && !other->isHidden() && other->x() > x() &&
                                    other->y() < y() + layoutHeight && y() < other->y() + other->height();
                if (beside) room = std::min(room, other->x() - x() - 1);
            }
        }
        resize(needed > layoutWidth ? std::max(layoutWidth, std::min(needed, room)) : layoutWidth, height());
    }

  protected:
    // Controls created after this label may stand beside it: its room is known once the window shows.
    void showEvent(QShowEvent* event) override {
        GrowToText();
        QLabel::showEvent(event);
    }
    void paintEvent(QPaintEvent* event) override {
        if (!PaintFittedLabel(*this)) QLabel::paintEvent(event);
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip && ShowWholeTextTip(*this, event, FitLabelText(*this), text()))
            return true;
        return PointerForwarding::event(event);
    }
};

struct LabelImpl final : RectControl::Impl {
    using RectControl::Impl::Impl;
    std::string text;
};

}  // namespace

Label::Label(Window& owner) : RectControl(std::make_unique<LabelImpl>(owner, nullptr)) {
    impl().widget = new LabelWidget(*this, internal::ImplOf(owner).content);
}

std::string Label::Text() const {
    return static_cast<LabelImpl&>(impl()).text;
}

const PropertyTable& Label::Properties() const {
    static const PropertyTable table(FontProperties(), {{"Multiline", T::Boolean},
                                                        {"Selectable", T::Boolean},
                                                        {"TextAlignment", T::Integer},
                                                        {"TextColor", T::Colour},
                                                        {"Value", T::Text},
                                                        {"DataSource", T::Text},
                                                        {"DataField", T::Text}});
    return table;
}

void Label::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    auto& w = WidgetAs<LabelWidget>(*this);
    ApplyFont(w, values);
    if (const auto textColor = values.Get<Color>("TextColor")) {
        QPalette palette = w.palette();
        palette.setColor(QPalette::WindowText, ToQColor(*textColor));
        w.setPalette(palette);
    }
    w.setWordWrap(values.Get<bool>("Multiline").value_or(false));
    w.setTextInteractionFlags(values.Get<bool>("Selectable").value_or(false) ? Qt::TextSelectableByMouse
                                                                             : Qt::NoTextInteraction);
    w.setAlignment(ToAlignment(values.Get<std::int64_t>("TextAlignment").value_or(0)) | Qt::AlignTop);
    if (const auto value = values.Get<std::string>("Value")) {
        auto& text = static_cast<LabelImpl&>(impl()).text;
        text = *value;
        QString shown = QString::fromStdString(text);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        w.setText(shown);
    }
    w.GrowToText();
}

}  // namespace gui
