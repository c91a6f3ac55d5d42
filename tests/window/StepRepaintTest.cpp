#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QStyleOptionGroupBox>
#include <functional>
#include <map>

#include "support/MainWindowFixture.h"

namespace {

// Counts the paints each widget receives, anywhere in the application.
class PaintCensus final : public QObject {
  public:
    std::map<const QObject*, int> paints;

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints[target];
        return false;
    }
};

// The main window's screen, against the window drawn afresh.
class Screens : public MainWindowFixture {
  protected:
    QMainWindow* Top() const { return static_cast<QMainWindow*>(gui::WidgetOf(*window)); }
    // The screen with the sliders left out (see WithoutSliders).
    QImage OnScreen() const { return WithoutSliders(OnScreenWithSliders()); }
    // What the screen holds: the window's backing store, as the last paints left it. A canvas paint writes
    // the readouts, which repaint in the next pass of the event loop.
    QImage OnScreenWithSliders() const {
        for (int pass = 0; pass < 3; ++pass) Settle();
        return Top()->screen()->grabWindow(Top()->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The window drawn afresh from top to bottom.
    QImage FromScratch() const { return WithoutSliders(Top()->grab().toImage()); }
    // Fusion draws a slider's ticks in the active window's colours on the screen but not in a grab: the
    // sliders are left out of every comparison.
    QImage WithoutSliders(const QImage& shot) const {
        QImage image = shot.convertToFormat(QImage::Format_RGB32);
        QPainter painter(&image);
        for (const QSlider* slider : All<QSlider>()) {
            painter.fillRect(QRect(slider->mapTo(Top(), QPoint(0, 0)), slider->size()), Qt::black);
        }
        return image;
    }
    template <class W>
    QList<W*> All() const {
        return Top()->findChildren<W*>();
    }
    // Where the style draws a group box's title.
    static QRect TitleRect(const QGroupBox& box) {
        QStyleOptionGroupBox option;
        option.initFrom(&box);
        option.text = box.title();
        option.textAlignment = box.alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    }
};

int Ink(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 100;
    }
    return ink;
}

// Everything switched on and an event pressed: the most a step repaints.
class StepRepaint : public Screens {
  protected:
    void SetUp() override {
        Screens::SetUp();
        for (gui::CheckBox* box :
             {&window->CheckBox1(), &window->CheckBox2(), &window->CheckBox3(), &window->CheckBox4(),
              &window->CheckBox5(), &window->CheckBox6(), &window->CheckBox7()}) {
            box->Value(true);
        }
        Press(228, 256);
        Settle();
    }
};

// A step of the time slider repaints the canvas, the slider and the readouts whose texts changed, each alone:
// none of the group boxes or the window beneath them.
TEST_F(StepRepaint, TimeStepRepaintsOnlyWhatChanged) {
    // The slider draws what lies beneath it from its second paint on, once from its containers.
    window->TimeSlider().Value(window->TimeSlider().Value() + 1);
    Settle();
    PaintCensus census;
    qApp->installEventFilter(&census);
    window->TimeSlider().Value(window->TimeSlider().Value() + 1);
    Settle();
    qApp->removeEventFilter(&census);
    EXPECT_EQ(census.paints[CanvasWidget()], 1);
    EXPECT_EQ(census.paints[Widget(window->TimeSlider())], 1);
    EXPECT_EQ(census.paints[Widget(window->EditField14())], 1);
    EXPECT_EQ(census.paints[Top()], 0);
    EXPECT_EQ(census.paints[Top()->centralWidget()], 0);
    for (const QGroupBox* box : All<QGroupBox>())
        EXPECT_EQ(census.paints[box], 0) << box->title().toStdString();
}

// The readouts paint their own background and group boxes their titles only where a paint reaches them: the
// screen after a few steps and a speed change holds exactly what the whole window drawn afresh holds, and
// what it held when they left it to their containers.
TEST_F(StepRepaint, ScreenMatchesAFreshDrawing) {
    for (int step = 0; step < 3; ++step) {
        window->TimeSlider().Value(window->TimeSlider().Value() + 7);
        EXPECT_TRUE(OnScreen() == FromScratch()) << "after time step " << step;
    }
    window->SpeedSlider().Value(window->SpeedSlider().Value() - 3);
    const QImage screen = OnScreen();
    EXPECT_TRUE(screen == FromScratch()) << "after a speed change";
    // Group boxes shape their titles only where a paint reaches them: every title is on the screen.
    for (const QGroupBox* box : All<QGroupBox>()) {
        const QImage part = screen.copy(TitleRect(*box).translated(box->mapTo(Top(), QPoint(0, 0))));
        EXPECT_GT(Ink(part), 10) << "the title \"" << box->title().toStdString() << "\"";
    }

    // Readouts fill their own background, sliders draw what their group box draws beneath them. Both pictures
    // come from one kind of drawing, so the sliders' ticks agree and the sliders are compared too.
    QList<QLineEdit*> fields;
    for (QLineEdit* field : All<QLineEdit>()) {
        if (field->autoFillBackground()) fields.push_back(field);
    }
    ASSERT_FALSE(fields.empty());
    const auto grab = [this] { return Top()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage own = grab();
    const auto leaveToContainers = [this, &fields](bool leave) {
        for (QLineEdit* field : fields) field->setAutoFillBackground(!leave);
        for (QSlider* slider : All<QSlider>()) slider->setAttribute(Qt::WA_OpaquePaintEvent, !leave);
    };
    leaveToContainers(true);
    const QImage left = grab();
    leaveToContainers(false);
    EXPECT_TRUE(screen == WithoutSliders(left));
    ASSERT_EQ(own.size(), left.size());
    int differing = 0;
    for (int y = 0; y < own.height(); ++y) {
        for (int x = 0; x < own.width(); ++x) differing += own.pixel(x, y) != left.pixel(x, y);
    }
    EXPECT_EQ(differing, 0) << "pixels that differ from the readouts and sliders drawn over their containers";
}

// A slider keeps what its group box and the window draw beneath it only while that stays the same: after the
// window's colour changes, the box grows, the slider moves onto the box's frame and grows, the slider on the
// screen is what Qt draws when it leaves what lies beneath to them.
TEST_F(StepRepaint, ASliderShowsWhatIsBeneathItNow) {
    QWidget* slider = Widget(window->TimeSlider());
    QWidget* box = slider->parentWidget();
    const auto check = [&](const char* after) {
        const QRect place(slider->mapTo(Top(), QPoint(0, 0)), slider->size());
        const QImage screen = OnScreenWithSliders().copy(place);
        slider->setAttribute(Qt::WA_OpaquePaintEvent, false);
        const QImage left = Top()->grab(place).toImage().convertToFormat(QImage::Format_RGB32);
        slider->setAttribute(Qt::WA_OpaquePaintEvent, true);
        EXPECT_TRUE(screen == left) << "after " << after;
    };
    check("nothing");
    QPalette palette = Top()->palette();
    palette.setColor(QPalette::Window, QColor(250, 240, 120));
    Top()->setPalette(palette);
    check("a new colour");
    box->resize(box->size() + QSize(40, 40));
    check("a larger box");
    // Far enough that the slider's new place lies wholly outside the area it left, across the frame's top.
    slider->move(slider->pos() - QPoint(0, 25));
    check("a move");
    slider->resize(slider->size() + QSize(30, 6));
    check("a larger slider");
}

// A group box keeps where its title goes. After a change of the title, its font, its alignment or the
// box's size, a paint of only the area the title has newly moved into draws it as a paint of the whole box.
TEST_F(Screens, AGroupBoxDrawsItsTitleWhereItHasMovedTo) {
    auto* box = qobject_cast<QGroupBox*>(Widget(window->TimeSlider())->parentWidget());
    ASSERT_NE(box, nullptr);
    const auto drawn = [box](const QRegion& area) {
        QImage image(box->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        // Qt puts the area's top left corner at the offset given.
        box->render(&image, area.boundingRect().topLeft(), area);
        return image;
    };
    struct Change {
        const char* what;
        std::function<void(QGroupBox&)> apply;
    };
    const Change changes[] = {
        {"title", [](QGroupBox& b) { b.setTitle(b.title() + " WWWW"); }},
        {"font",
         [](QGroupBox& b) {
             QFont font = b.font();
             font.setPixelSize(QFontInfo(font).pixelSize() + 8);
             b.setFont(font);
         }},
        {"alignment", [](QGroupBox& b) { b.setAlignment(Qt::AlignRight); }},
        {"size", [](QGroupBox& b) { b.resize(b.width() + 80, b.height()); }},
    };
    for (const Change& change : changes) {
        const QRect before = TitleRect(*box);
        drawn(QRegion(box->rect()));
        change.apply(*box);
        const QRegion moved = QRegion(TitleRect(*box)).subtracted(before);
        ASSERT_FALSE(moved.isEmpty()) << change.what;
        const QImage part = drawn(moved), whole = drawn(QRegion(box->rect()));
        int ink = 0;
        for (const QRect& r : moved) {
            EXPECT_TRUE(part.copy(r) == whole.copy(r)) << "after a change of " << change.what;
            ink += Ink(whole.copy(r));
        }
        EXPECT_GT(ink, 0) << "the title moved into the area after a change of " << change.what;
    }
}

// A program write of a readout's unchanged text paints nothing; the same write into a field the user was
// editing paints it, to show the text's beginning again.
TEST_F(Screens, AnUnchangedWritePaintsOnlyAfterTheUserEdited) {
    QWidget* readout = Widget(window->EditField10());
    const std::string text = "-1342177280.00 ns";
    window->EditField10().Text(text);
    Settle();
    PaintCensus census;
    readout->installEventFilter(&census);
    window->EditField10().Text(text);
    Settle();
    EXPECT_EQ(census.paints[readout], 0);

    Top()->activateWindow();
    readout->setFocus();
    QTest::keyClick(readout, Qt::Key_End);
    Settle();
    census.paints.clear();
    window->EditField10().Text(text);
    Settle();
    EXPECT_EQ(census.paints[readout], 1);
    readout->removeEventFilter(&census);
}

}  // namespace
