#include "gui/internal/ControlProperties.h"

#include <QApplication>
#include <QFont>
#include <QWidget>
#include <algorithm>
#include <climits>

#include "gui/PropertyList.h"

namespace gui {

// The run every control has; a rectangle takes no focus and so has no TabStop.
const PropertyTable& CommonProperties(bool withTabStop) {
    using T = PropertyType;
    static const PropertyTable withoutStop{{"Name", T::Text},
                                           {"Index", T::Integer},
                                           {"Left", T::Integer},
                                           {"Top", T::Integer},
                                           {"Width", T::Integer},
                                           {"Height", T::Integer},
                                           {"LockLeft", T::Boolean},
                                           {"LockTop", T::Boolean},
                                           {"LockRight", T::Boolean},
                                           {"LockBottom", T::Boolean},
                                           {"TabIndex", T::Integer},
                                           {"TabPanelIndex", T::Integer},
                                           {"AllowAutoDeactivate", T::Boolean},
                                           {"InitialParent", T::Text},
                                           {"Enabled", T::Boolean},
                                           {"Visible", T::Boolean},
                                           {"Tooltip", T::Text},
                                           {"Transparent", T::Boolean}};
    static const PropertyTable withStop(withoutStop, {{"TabStop", T::Boolean}});
    return withTabStop ? withStop : withoutStop;
}

const PropertyTable& FontProperties() {
    using T = PropertyType;
    static const PropertyTable table(CommonProperties(true), {{"FontName", T::Text},
                                                              {"FontSize", T::Single},
                                                              {"FontUnit", T::Byte},
                                                              {"Bold", T::Boolean},
                                                              {"Italic", T::Boolean},
                                                              {"Underline", T::Boolean}});
    return table;
}

int ClampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

// "System" at size 0 is the application's own control font; any other name or size is taken as given.
void ApplyFont(QWidget& widget, const PropertyValues& values) {
    if (!values.Get<std::string>("FontName") && !values.Get<double>("FontSize") &&
        !values.Get<bool>("Bold") && !values.Get<bool>("Italic") && !values.Get<bool>("Underline")) {
        return;
    }
    QFont font = QApplication::font();
    const std::string name = values.Get<std::string>("FontName").value_or("System");
    if (!name.empty() && name != "System") font.setFamily(QString::fromStdString(name));
    const double size = values.Get<double>("FontSize").value_or(0);
    if (size > 0 && size < 1000) font.setPointSizeF(size);
    font.setBold(values.Get<bool>("Bold").value_or(false));
    font.setItalic(values.Get<bool>("Italic").value_or(false));
    font.setUnderline(values.Get<bool>("Underline").value_or(false));
    widget.setFont(font);
}

Qt::Alignment ToAlignment(std::int64_t code) {
    switch (code) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

}  // namespace gui
