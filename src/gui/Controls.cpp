#include "gui/Controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>
#include <climits>
#include <cmath>

#include "gui/PropertyList.h"
#include "gui/TestHooks.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/Events.h"
#include "gui/internal/PainterGraphics.h"
#include "gui/internal/PictureImpl.h"

namespace gui {

namespace {

using T = PropertyType;

// The run every control has; a rectangle takes no focus and so has no TabStop.
const PropertyTable& CommonProperties(bool withTabStop) {
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
    static const PropertyTable table(CommonProperties(true), {{"FontName", T::Text},
                                                              {"FontSize", T::Single},
                                                              {"FontUnit", T::Byte},
                                                              {"Bold", T::Boolean},
                                                              {"Italic", T::Boolean},
                                                              {"Underline", T::Boolean}});
    return table;
}

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

int ClampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

std::int64_t ToPixel(qreal v) {
    return static_cast<std::int64_t>(std::floor(v));
}

// "System" at size 0 is the application's own control font; any other name or size is taken as given.
void ApplyFont(QWidget& widget, const PropertyValues& values) {
    if (!values.Has("FontName") && !values.Has("FontSize") && !values.Has("Bold") && !values.Has("Italic") &&
        !values.Has("Underline")) {
        return;
    }
    QFont font = QApplication::font();
    const std::string name = values.TextOr("FontName", "System");
    if (!name.empty() && name != "System") font.setFamily(ToQString(name));
    const double size = values.NumberOr("FontSize", 0);
    if (size > 0 && size < 1000) font.setPointSizeF(size);
    font.setBold(values.BooleanOr("Bold", false));
    font.setItalic(values.BooleanOr("Italic", false));
    font.setUnderline(values.BooleanOr("Underline", false));
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

// Raises an event of `control` through the runtime's event path.
template <class F>
void Raise(F&& handler) {
    internal::RaiseEvent(std::forward<F>(handler));
}

// Connects a widget's signal to one of the control's events: exactly one slot per event.
template <class Sender, class Signal, class Control, class Event>
void ForwardEvent(Sender& sender, Signal signal, Control& control, Event Control::*event) {
    QObject::connect(&sender, signal, &sender, [&control, event] {
        Raise([&control, event] {
            if (control.*event) (control.*event)(control);
        });
    });
}

// Runs code that raises a control's change event inside the call, as a property setter does.
template <class F>
void AsSetter(F&& change) {
    internal::SetterScope scope;
    std::forward<F>(change)();
    scope.Finish();
}

class RectangleWidget final : public QWidget {
  public:
    using QWidget::QWidget;
    Color fill = RGB(255, 255, 255);
    Color topLeft = RGB(0, 0, 0);
    Color bottomRight = RGB(0, 0, 0);
    double border = 1;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(fill));
        const int b = static_cast<int>(std::lround(std::clamp(border, 0.0, 100.0)));
        if (b == 0) return;
        const QColor tl = ToQColor(topLeft), br = ToQColor(bottomRight);
        painter.fillRect(0, 0, width(), b, tl);
        painter.fillRect(0, 0, b, height(), tl);
        painter.fillRect(0, height() - b, width(), b, br);
        painter.fillRect(width() - b, 0, b, height(), br);
    }
};

// The pointer events that canvases and labels share: enter, exit, and a press whose answer decides whether
// its release is delivered, wherever the pointer is by then.
template <class Base, class Control>
class PointerForwarding : public Base {
  public:
    PointerForwarding(Control& control, QWidget* parent) : Base(parent), control_(control) {}

  protected:
    void enterEvent(QEnterEvent*) override {
        Raise([&] {
            if (control_.MouseEnter) control_.MouseEnter(control_);
        });
    }
    void leaveEvent(QEvent*) override {
        Raise([&] {
            if (control_.MouseExit) control_.MouseExit(control_);
        });
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        const auto x = ToPixel(event->position().x()), y = ToPixel(event->position().y());
        captured_ = false;
        Raise([&] {
            if (control_.MouseDown) captured_ = control_.MouseDown(control_, x, y);
        });
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || !captured_) return;
        captured_ = false;
        const auto x = ToPixel(event->position().x()), y = ToPixel(event->position().y());
        Raise([&] {
            if (control_.MouseUp) control_.MouseUp(control_, x, y);
        });
    }

    Control& control_;
    bool captured_ = false;
};

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
            painter.drawImage(QPointF(0, 0), backdrop->impl().image);
        PainterGraphics g(painter, QRectF(rect()), &cache_);
        std::vector<Rect> areas;
        for (const QRect& r : event->region()) areas.push_back(Rect{r.x(), r.y(), r.width(), r.height()});
        Raise([&] {
            if (control_.Paint) control_.Paint(control_, g, areas);
        });
    }

    // A move with the button held is a drag of the press that was answered; without a button, a move.
    void mouseMoveEvent(QMouseEvent* event) override {
        const auto x = ToPixel(event->position().x()), y = ToPixel(event->position().y());
        if (event->buttons() & Qt::LeftButton) {
            if (!captured_) return;
            Raise([&] {
                if (control_.MouseDrag) control_.MouseDrag(control_, x, y);
            });
            return;
        }
        if (event->buttons() != Qt::NoButton) return;
        Raise([&] {
            if (control_.MouseMove) control_.MouseMove(control_, x, y);
        });
    }

  private:
    PaintCache cache_;
};

class LabelWidget final : public PointerForwarding<QLabel, Label> {
  public:
    LabelWidget(Label& control, QWidget* parent) : PointerForwarding(control, parent) {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
};

template <class W>
W& WidgetAs(const RectControl& control) {
    return static_cast<W&>(*control.impl().widget);
}

struct CanvasImpl final : RectControl::Impl {
    using RectControl::Impl::Impl;
    std::shared_ptr<Picture> backdrop;
};

struct LabelImpl final : RectControl::Impl {
    using RectControl::Impl::Impl;
    std::string text;
};

}  // namespace

// ---------------------------------------------------------------------------------------------------------

QWidget* WidgetOf(const RectControl& control) {
    return control.impl().widget;
}

QWidget* ContainerWidget(const RectControl& control) {
    if (const RectControl* parent = control.Parent()) return parent->impl().widget;
    return control.OwnerWindow().impl().content;
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
bool RectControl::Visible() const {
    return impl_->visible;
}
bool RectControl::Enabled() const {
    return impl_->enabled;
}
gui::MouseCursor RectControl::MouseCursor() const {
    return impl_->cursor;
}

void RectControl::MouseCursor(gui::MouseCursor cursor) {
    impl_->cursor = cursor;
    if (impl_->widget) impl_->widget->setCursor(ToQCursor(cursor));
}

void RectControl::Refresh(bool) {
    if (hooks::refreshRequested) hooks::refreshRequested();
    if (impl_->widget) impl_->widget->update();
}

void RectControl::Apply(const PropertyValues& values) {
    Impl& d = *impl_;
    d.name = values.TextOr("Name", d.name);
    d.left = values.IntegerOr("Left", d.left);
    d.top = values.IntegerOr("Top", d.top);
    d.width = values.IntegerOr("Width", d.width);
    d.height = values.IntegerOr("Height", d.height);
    d.tabIndex = values.IntegerOr("TabIndex", d.tabIndex);
    d.enabled = values.BooleanOr("Enabled", d.enabled);
    d.visible = values.BooleanOr("Visible", d.visible);
    if (values.Has("InitialParent")) {
        const std::string parent = values.TextOr("InitialParent", "");
        d.parent = parent.empty() ? nullptr : &d.owner.ControlByName(parent);
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
    const std::string tooltip = values.TextOr("Tooltip", "");
    w.setToolTip(tooltip.empty() ? QString() : ToQString(tooltip));
    if (values.Has("TabStop") && !values.BooleanOr("TabStop", true)) w.setFocusPolicy(Qt::NoFocus);
}

void SetProperties(RectControl& control, std::string_view list) {
    const PropertyValues values = PropertyValues::Read(list, control.Properties());
    control.Apply(values);
}

// ---------------------------------------------------------------------------------------------------------

Rectangle::Rectangle(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new RectangleWidget(owner.impl().content))) {}

const PropertyTable& Rectangle::Properties() const {
    static const PropertyTable table(CommonProperties(false), {{"BorderThickness", T::Double},
                                                               {"BottomRightColor", T::Colour},
                                                               {"FillColor", T::Colour},
                                                               {"TopLeftColor", T::Colour}});
    return table;
}

void Rectangle::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    auto& w = WidgetAs<RectangleWidget>(*this);
    w.fill = values.ColourOr("FillColor", w.fill);
    w.topLeft = values.ColourOr("TopLeftColor", w.topLeft);
    w.bottomRight = values.ColourOr("BottomRightColor", w.bottomRight);
    w.border = values.NumberOr("BorderThickness", w.border);
    w.update();
}

// ---------------------------------------------------------------------------------------------------------

Canvas::Canvas(Window& owner) : RectControl(std::make_unique<CanvasImpl>(owner, nullptr)) {
    impl().widget = new CanvasWidget(*this, owner.impl().content);
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
    impl().widget->setFocusPolicy(values.BooleanOr("AllowFocus", false) ? Qt::StrongFocus : Qt::NoFocus);
}

// ---------------------------------------------------------------------------------------------------------

GroupBox::GroupBox(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new QGroupBox(owner.impl().content))) {}

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
    if (values.Has("Caption")) w.setTitle(ToQString(values.TextOr("Caption", "")));
}

// ---------------------------------------------------------------------------------------------------------

RadioButton::RadioButton(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new QRadioButton(owner.impl().content))) {
    auto& w = WidgetAs<QRadioButton>(*this);
    ForwardEvent(w, &QRadioButton::clicked, *this, &RadioButton::Action);
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
    if (values.Has("Caption")) w.setText(ToQString(values.TextOr("Caption", "")));
    if (values.Has("Value")) w.setChecked(values.BooleanOr("Value", false));
}

// ---------------------------------------------------------------------------------------------------------

TextField::TextField(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new QLineEdit(owner.impl().content))) {
    auto& w = WidgetAs<QLineEdit>(*this);
    w.setMaxLength(INT_MAX);
    ForwardEvent(w, &QLineEdit::textChanged, *this, &TextField::TextChange);
}

std::string TextField::Text() const {
    return WidgetAs<QLineEdit>(*this).text().toStdString();
}

void TextField::Text(const std::string& text) {
    AsSetter([&] { WidgetAs<QLineEdit>(*this).setText(ToQString(text)); });
}

bool TextField::ReadOnly() const {
    return WidgetAs<QLineEdit>(*this).isReadOnly();
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
    if (values.Has("BackgroundColor"))
        palette.setColor(QPalette::Base, ToQColor(values.ColourOr("BackgroundColor", {})));
    if (values.Has("TextColor")) palette.setColor(QPalette::Text, ToQColor(values.ColourOr("TextColor", {})));
    w.setPalette(palette);
    w.setFrame(values.BooleanOr("HasBorder", w.hasFrame()));
    w.setEchoMode(values.BooleanOr("Password", false) ? QLineEdit::Password : QLineEdit::Normal);
    w.setPlaceholderText(ToQString(values.TextOr("Hint", "")));
    w.setAlignment(ToAlignment(values.IntegerOr("TextAlignment", 0)) | Qt::AlignVCenter);
    const std::int64_t maxChars = values.IntegerOr("MaximumCharactersAllowed", 0);
    w.setMaxLength(maxChars > 0 ? ClampToInt(maxChars) : INT_MAX);
    w.setReadOnly(values.BooleanOr("ReadOnly", w.isReadOnly()));
    if (values.Has("Value")) w.setText(ToQString(values.TextOr("Value", "")));
}

// ---------------------------------------------------------------------------------------------------------

Label::Label(Window& owner) : RectControl(std::make_unique<LabelImpl>(owner, nullptr)) {
    impl().widget = new LabelWidget(*this, owner.impl().content);
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
    if (values.Has("TextColor")) {
        QPalette palette = w.palette();
        palette.setColor(QPalette::WindowText, ToQColor(values.ColourOr("TextColor", {})));
        w.setPalette(palette);
    }
    // An opaque label shows its container's background behind the text, as a transparent one does: Qt's
    // own fill would paint a lighter strip inside a group box.
    w.setWordWrap(values.BooleanOr("Multiline", false));
    w.setTextInteractionFlags(values.BooleanOr("Selectable", false) ? Qt::TextSelectableByMouse
                                                                    : Qt::NoTextInteraction);
    w.setAlignment(ToAlignment(values.IntegerOr("TextAlignment", 0)) | Qt::AlignTop);
    if (values.Has("Value")) {
        auto& text = static_cast<LabelImpl&>(impl()).text;
        text = values.TextOr("Value", "");
        QString shown = ToQString(text);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        w.setText(shown);
    }
    // A text that does not fit its box would be cut off: a one-line label grows to the right, a multi-line
    // one downward, as far as its container allows. Its laid-out size stays what the layout says.
    QWidget* container = w.parentWidget();
    if (!w.wordWrap()) {
        const int needed = w.fontMetrics().horizontalAdvance(w.text()) + 2;
        const int room = container ? container->width() - w.x() - 1 : needed;
        if (needed > w.width()) w.resize(std::max(w.width(), std::min(needed, room)), w.height());
    } else {
        const int needed = w.heightForWidth(w.width());
        const int room = container ? container->height() - w.y() - 1 : needed;
        if (needed > w.height()) w.resize(w.width(), std::max(w.height(), std::min(needed, room)));
    }
}

// ---------------------------------------------------------------------------------------------------------

Slider::Slider(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new QSlider(Qt::Horizontal, owner.impl().content))) {
    auto& w = WidgetAs<QSlider>(*this);
    ForwardEvent(w, &QSlider::valueChanged, *this, &Slider::ValueChanged);
}

std::int64_t Slider::Value() const {
    return WidgetAs<QSlider>(*this).value();
}

void Slider::Value(std::int64_t value) {
    AsSetter([&] { WidgetAs<QSlider>(*this).setValue(ClampToInt(value)); });
}

std::int64_t Slider::MinimumValue() const {
    return WidgetAs<QSlider>(*this).minimum();
}
std::int64_t Slider::MaximumValue() const {
    return WidgetAs<QSlider>(*this).maximum();
}

const PropertyTable& Slider::Properties() const {
    static const PropertyTable table(CommonProperties(true), {{"Value", T::Integer},
                                                              {"MinimumValue", T::Integer},
                                                              {"MaximumValue", T::Integer},
                                                              {"LineStep", T::Integer},
                                                              {"AllowLiveScrolling", T::Boolean},
                                                              {"PageStep", T::Integer},
                                                              {"TickMarkStyle", T::Integer}});
    return table;
}

void Slider::Apply(const PropertyValues& values) {
    RectControl::Apply(values);
    auto& w = WidgetAs<QSlider>(*this);
    w.setSingleStep(ClampToInt(values.IntegerOr("LineStep", w.singleStep())));
    w.setPageStep(ClampToInt(values.IntegerOr("PageStep", w.pageStep())));
    w.setTracking(values.BooleanOr("AllowLiveScrolling", true));
    switch (values.IntegerOr("TickMarkStyle", 0)) {
        case 1:
            w.setTickPosition(QSlider::TicksAbove);
            break;
        case 2:
            w.setTickPosition(QSlider::TicksBelow);
            break;
        case 3:
            w.setTickPosition(QSlider::TicksBothSides);
            break;
        default:
            w.setTickPosition(QSlider::NoTicks);
    }
    w.setTickInterval(1);
    // The range first: a value set before it would be held inside the range that was in force.
    w.setRange(ClampToInt(values.IntegerOr("MinimumValue", w.minimum())),
               ClampToInt(values.IntegerOr("MaximumValue", w.maximum())));
    if (values.Has("Value")) w.setValue(ClampToInt(values.IntegerOr("Value", 0)));
}

// ---------------------------------------------------------------------------------------------------------

CheckBox::CheckBox(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new QCheckBox(owner.impl().content))) {
    auto& w = WidgetAs<QCheckBox>(*this);
    ForwardEvent(w, &QCheckBox::toggled, *this, &CheckBox::Action);
}

std::string CheckBox::Caption() const {
    return WidgetAs<QCheckBox>(*this).text().toStdString();
}
bool CheckBox::Value() const {
    return WidgetAs<QCheckBox>(*this).isChecked();
}

void CheckBox::Value(bool value) {
    AsSetter([&] { WidgetAs<QCheckBox>(*this).setChecked(value); });
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
    if (values.Has("Caption")) w.setText(ToQString(values.TextOr("Caption", "")));
    if (values.Has("VisualState")) {
        const auto state = values.IntegerOr("VisualState", 0);
        w.setTristate(state == 2);
        w.setCheckState(state == 2 ? Qt::PartiallyChecked : state == 1 ? Qt::Checked : Qt::Unchecked);
    }
    if (values.Has("Value")) w.setChecked(values.BooleanOr("Value", false));
}

// ---------------------------------------------------------------------------------------------------------

namespace {

struct PushButtonImpl final : RectControl::Impl {
    using RectControl::Impl::Impl;
    bool cancel = false;
};

}  // namespace

PushButton::PushButton(Window& owner)
    : RectControl(std::make_unique<PushButtonImpl>(owner, new QPushButton(owner.impl().content))) {
    auto& w = WidgetAs<QPushButton>(*this);
    w.setAutoDefault(false);
    ForwardEvent(w, &QPushButton::clicked, *this, &PushButton::Action);
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
    AsSetter([&] { WidgetAs<QPushButton>(*this).click(); });
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
    if (values.Has("Caption")) w.setText(ToQString(values.TextOr("Caption", "")));
    w.setDefault(values.BooleanOr("Default", false));
    auto& cancel = static_cast<PushButtonImpl&>(impl()).cancel;
    cancel = values.BooleanOr("Cancel", cancel);
    if (cancel) SetCancelButton(OwnerWindow(), *this);
}

}  // namespace gui
