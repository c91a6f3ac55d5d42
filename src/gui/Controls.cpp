#include "gui/Controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>

#include "gui/PropertyList.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/Events.h"
#include "gui/internal/ImplAccess.h"
#include "gui/internal/PainterGraphics.h"
#include "gui/internal/PictureImpl.h"
#include "gui/internal/SliderWidget.h"
#include "gui/internal/TextFitting.h"

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
    if (!values.Get<std::string>("FontName") && !values.Get<double>("FontSize") &&
        !values.Get<bool>("Bold") && !values.Get<bool>("Italic") && !values.Get<bool>("Underline")) {
        return;
    }
    QFont font = QApplication::font();
    const std::string name = values.Get<std::string>("FontName").value_or("System");
    if (!name.empty() && name != "System") font.setFamily(ToQString(name));
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

// A group box drawn as Qt draws it, but without shaping its title when the area to paint lies away from
// it: a check box, button or label that changes repaints the small part of the box beneath it, a slider
// draws its picture of what lies beneath it the same way, and the title's text is most of such a paint's
// cost.
class GroupBoxWidget final : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        if (!event->region().intersects(TitleRect(option))) {
            // The style measures the title for every part it draws; a paint that doesn't reach the title
            // draws the frame alone, whose look doesn't depend on the text.
            option.subControls &= ~QStyle::SC_GroupBoxLabel;
            option.text.clear();
        }
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }

  private:
    // Where the style puts the title, kept while everything the style places it by stays the same: measuring
    // the title costs more than drawing a small part of the box.
    QRect TitleRect(const QStyleOptionGroupBox& option) {
        const TitleKey key{option.text,
                           font(),
                           logicalDpiY(),
                           option.rect,
                           option.textAlignment,
                           option.features,
                           option.subControls,
                           option.direction,
                           style()};
        if (!title_ || title_->first != key) {
            title_.emplace(
                key, style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this));
        }
        return title_->second;
    }

    struct TitleKey {
        QString text;
        QFont font;
        int dpi;
        QRect rect;
        Qt::Alignment alignment;
        QStyleOptionFrame::FrameFeatures features;
        QStyle::SubControls parts;
        Qt::LayoutDirection direction;
        const QStyle* style;
        bool operator==(const TitleKey&) const = default;
    };
    std::optional<std::pair<TitleKey, QRect>> title_;
};

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
// its release is delivered, wherever the pointer is by then. A press that was answered always ends: when
// its release is lost (the button found up, the window blocked by a modal window, deactivated or hidden,
// the pointer grab taken away), the release is delivered at the last point seen.
template <class Base, class Control>
class PointerForwarding : public Base {
  public:
    PointerForwarding(Control& control, QWidget* parent) : Base(parent), control_(control) {}

  protected:
    void enterEvent(QEnterEvent*) override {
        if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) EndPress();
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
        EndPress();
        const auto x = ToPixel(event->position().x()), y = ToPixel(event->position().y());
        lastX_ = x;
        lastY_ = y;
        bool answered = false;
        Raise([&] {
            if (control_.MouseDown) answered = control_.MouseDown(control_, x, y);
        });
        if (answered) StartPress();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || !captured_) return;
        lastX_ = ToPixel(event->position().x());
        lastY_ = ToPixel(event->position().y());
        EndPress();
    }
    // True when the move belongs to an answered press whose button is still down.
    bool TrackPress(QMouseEvent* event) {
        if (!captured_) return false;
        if (!(event->buttons() & Qt::LeftButton)) {
            EndPress();
            return false;
        }
        lastX_ = ToPixel(event->position().x());
        lastY_ = ToPixel(event->position().y());
        return true;
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        TrackPress(event);
        Base::mouseMoveEvent(event);
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::UngrabMouse) EndPress();
        return Base::event(event);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == topLevel_ &&
            (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowDeactivate ||
             event->type() == QEvent::Hide)) {
            EndPress();
        }
        return Base::eventFilter(watched, event);
    }

    Control& control_;
    bool captured_ = false;
    std::int64_t lastX_ = 0;
    std::int64_t lastY_ = 0;

  private:
    // The top-level window is watched while a press lasts: a modal window blocks it, not this child.
    void StartPress() {
        captured_ = true;
        topLevel_ = this->window();
        if (topLevel_ != this) topLevel_->installEventFilter(this);
    }
    void EndPress() {
        if (!captured_) return;
        captured_ = false;
        if (topLevel_ && topLevel_ != this) topLevel_->removeEventFilter(this);
        topLevel_ = nullptr;
        Raise([&] {
            if (control_.MouseUp) control_.MouseUp(control_, lastX_, lastY_);
        });
    }

    QPointer<QWidget> topLevel_;
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
            painter.drawImage(QPointF(0, 0), internal::ImplOf(*backdrop).For(devicePixelRatio()));
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
        if (TrackPress(event)) {
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

template <class W>
W& WidgetAs(const RectControl& control) {
    return static_cast<W&>(*internal::ImplOf(control).widget);
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
    w.setToolTip(tooltip.empty() ? QString() : ToQString(tooltip));
    if (!values.Get<bool>("TabStop").value_or(true)) w.setFocusPolicy(Qt::NoFocus);
}

void SetProperties(RectControl& control, std::string_view list) {
    const PropertyValues values = PropertyValues::Read(list, control.Properties());
    control.Apply(values);
}

// ---------------------------------------------------------------------------------------------------------

Rectangle::Rectangle(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new RectangleWidget(internal::ImplOf(owner).content))) {}

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
    w.fill = values.Get<Color>("FillColor").value_or(w.fill);
    w.topLeft = values.Get<Color>("TopLeftColor").value_or(w.topLeft);
    w.bottomRight = values.Get<Color>("BottomRightColor").value_or(w.bottomRight);
    w.border = values.Get<double>("BorderThickness").value_or(w.border);
    w.update();
}

// ---------------------------------------------------------------------------------------------------------

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

// ---------------------------------------------------------------------------------------------------------

GroupBox::GroupBox(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new GroupBoxWidget(internal::ImplOf(owner).content))) {}

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
    if (const auto caption = values.Get<std::string>("Caption")) w.setTitle(ToQString(*caption));
}

// ---------------------------------------------------------------------------------------------------------

RadioButton::RadioButton(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new QRadioButton(internal::ImplOf(owner).content))) {
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
    if (const auto caption = values.Get<std::string>("Caption")) w.setText(ToQString(*caption));
    if (const auto value = values.Get<bool>("Value")) w.setChecked(*value);
}

// ---------------------------------------------------------------------------------------------------------

TextField::TextField(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new FieldWidget(internal::ImplOf(owner).content))) {
    auto& w = WidgetAs<QLineEdit>(*this);
    w.setMaxLength(INT_MAX);
    w.setBackgroundRole(QPalette::Window);
    ForwardEvent(w, &QLineEdit::textChanged, *this, &TextField::TextChange);
}

std::string TextField::Text() const {
    return WidgetAs<QLineEdit>(*this).text().toStdString();
}

void TextField::Text(const std::string& text) {
    AsSetter([&] { WidgetAs<FieldWidget>(*this).SetProgramText(ToQString(text)); });
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
    w.setPlaceholderText(ToQString(values.Get<std::string>("Hint").value_or("")));
    w.setAlignment(ToAlignment(values.Get<std::int64_t>("TextAlignment").value_or(0)) | Qt::AlignVCenter);
    const std::int64_t maxChars = values.Get<std::int64_t>("MaximumCharactersAllowed").value_or(0);
    w.setMaxLength(maxChars > 0 ? ClampToInt(maxChars) : INT_MAX);
    w.setReadOnly(values.Get<bool>("ReadOnly").value_or(w.isReadOnly()));
    if (const auto value = values.Get<std::string>("Value")) w.setText(ToQString(*value));
}

// ---------------------------------------------------------------------------------------------------------

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
    // An opaque label shows its container's background behind the text, as a transparent one does: Qt's
    // own fill would paint a lighter strip inside a group box.
    w.setWordWrap(values.Get<bool>("Multiline").value_or(false));
    w.setTextInteractionFlags(values.Get<bool>("Selectable").value_or(false) ? Qt::TextSelectableByMouse
                                                                             : Qt::NoTextInteraction);
    w.setAlignment(ToAlignment(values.Get<std::int64_t>("TextAlignment").value_or(0)) | Qt::AlignTop);
    if (const auto value = values.Get<std::string>("Value")) {
        auto& text = static_cast<LabelImpl&>(impl()).text;
        text = *value;
        QString shown = ToQString(text);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        w.setText(shown);
    }
    w.GrowToText();
}

// ---------------------------------------------------------------------------------------------------------

Slider::Slider(Window& owner)
    : RectControl(std::make_unique<Impl>(
          owner, new internal::SliderWidget(Qt::Horizontal, internal::ImplOf(owner).content))) {
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
    w.setSingleStep(ClampToInt(values.Get<std::int64_t>("LineStep").value_or(w.singleStep())));
    w.setPageStep(ClampToInt(values.Get<std::int64_t>("PageStep").value_or(w.pageStep())));
    w.setTracking(values.Get<bool>("AllowLiveScrolling").value_or(true));
    switch (values.Get<std::int64_t>("TickMarkStyle").value_or(0)) {
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
    w.setRange(ClampToInt(values.Get<std::int64_t>("MinimumValue").value_or(w.minimum())),
               ClampToInt(values.Get<std::int64_t>("MaximumValue").value_or(w.maximum())));
    if (const auto value = values.Get<std::int64_t>("Value")) w.setValue(ClampToInt(*value));
}

// ---------------------------------------------------------------------------------------------------------

CheckBox::CheckBox(Window& owner)
    : RectControl(std::make_unique<Impl>(owner, new QCheckBox(internal::ImplOf(owner).content))) {
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
    if (const auto caption = values.Get<std::string>("Caption")) w.setText(ToQString(*caption));
    if (const auto visualState = values.Get<std::int64_t>("VisualState")) {
        const auto state = *visualState;
        w.setTristate(state == 2);
        w.setCheckState(state == 2 ? Qt::PartiallyChecked : state == 1 ? Qt::Checked : Qt::Unchecked);
    }
    if (const auto value = values.Get<bool>("Value")) w.setChecked(*value);
}

// ---------------------------------------------------------------------------------------------------------

namespace {

struct PushButtonImpl final : RectControl::Impl {
    using RectControl::Impl::Impl;
    bool cancel = false;
};

}  // namespace

PushButton::PushButton(Window& owner)
    : RectControl(std::make_unique<PushButtonImpl>(owner, new QPushButton(internal::ImplOf(owner).content))) {
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
    if (const auto caption = values.Get<std::string>("Caption")) w.setText(ToQString(*caption));
    w.setDefault(values.Get<bool>("Default").value_or(false));
    auto& cancel = static_cast<PushButtonImpl&>(impl()).cancel;
    cancel = values.Get<bool>("Cancel").value_or(cancel);
    if (cancel) SetCancelButton(OwnerWindow(), *this);
}

}  // namespace gui
