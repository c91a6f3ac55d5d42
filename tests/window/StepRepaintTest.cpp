#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QStyleOptionGroupBox>

#include "support/MainWindowFixture.h"
#include "support/UnderStyle.h"

namespace {

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

// A step of the time slider repaints the canvas, the slider and the time readout once each, and no other
// control: the readouts whose texts stay as they were are left alone. The group box beneath the slider shows
// through the style's margin around it and repaints there, as Qt has it.
TEST_F(StepRepaint, TimeStepRepaintsOnlyWhatChanged) {
    for (int pass = 0; pass < 3; ++pass) Settle();
    PaintCounter census;
    qApp->installEventFilter(&census);
    window->TimeSlider().Value(window->TimeSlider().Value() + 1);
    Settle();
    qApp->removeEventFilter(&census);
    EXPECT_EQ(census.Of(CanvasWidget()), 1);
    EXPECT_EQ(census.Of(Widget(window->TimeSlider())), 1);
    EXPECT_EQ(census.Of(Widget(window->EditField14())), 1);
    for (const gui::RectControl* control : window->Controls()) {
        const QWidget* widget = Widget(*control);
        if (widget == CanvasWidget() || control == &window->TimeSlider() ||
            control == &window->EditField14() || qobject_cast<const QGroupBox*>(widget))
            continue;
        EXPECT_EQ(census.Of(widget), 0) << control->Name();
    }
}

// Whatever the widget style, what a step, a speed change or a repaint of part of a group box leaves on the
// screen is what the whole window drawn afresh holds: no control draws less than its style draws when it
// paints the whole of itself.
class StylesOnScreen : public UnderStyle<StepRepaint> {};

TEST_P(StylesOnScreen, ScreenMatchesAFreshDrawing) {
    ASSERT_EQ(QApplication::style()->name().toLower(), QString(GetParam()).toLower());
    for (int step = 0; step < 3; ++step) {
        window->TimeSlider().Value(window->TimeSlider().Value() + 7);
        EXPECT_TRUE(OnScreen() == FromScratch()) << "after time step " << step;
    }
    window->SpeedSlider().Value(window->SpeedSlider().Value() - 3);
    const QImage screen = OnScreen();
    EXPECT_TRUE(screen == FromScratch()) << "after a speed change";
    for (const QGroupBox* box : All<QGroupBox>()) {
        const QImage part = screen.copy(TitleRect(*box).translated(box->mapTo(Top(), QPoint(0, 0))));
        EXPECT_GT(Ink(part), 10) << "the title \"" << box->title().toStdString() << "\"";
    }

    // A strip across each box's top edge, right of its title, as a control over the frame repaints it.
    for (QGroupBox* box : All<QGroupBox>()) {
        const QRect title = TitleRect(*box);
        box->repaint(QRect(title.right() + 8, 0, 40, title.bottom() + 8));
        EXPECT_TRUE(OnScreen() == FromScratch())
            << "after a repaint across the top edge of \"" << box->title().toStdString() << "\"";
    }

    // The readouts fill their own background: the window looks the same as when they leave it to their
    // containers.
    QList<QLineEdit*> fields;
    for (QLineEdit* field : All<QLineEdit>()) {
        if (field->autoFillBackground()) fields.push_back(field);
    }
    ASSERT_FALSE(fields.empty());
    const QImage own = FromScratch();
    for (QLineEdit* field : fields) field->setAutoFillBackground(false);
    const QImage left = FromScratch();
    for (QLineEdit* field : fields) field->setAutoFillBackground(true);
    EXPECT_TRUE(own == left) << "the readouts' own background differs from their containers'";
}

INSTANTIATE_TEST_SUITE_P(Style, StylesOnScreen, ::testing::Values("Fusion", "Windows"),
                         [](const auto& info) { return std::string(info.param); });

// A program write of a readout's unchanged text paints nothing; the same write into a field the user was
// editing paints it, to show the text's beginning again.
TEST_F(Screens, AnUnchangedWritePaintsOnlyAfterTheUserEdited) {
    QWidget* readout = Widget(window->EditField10());
    const std::string text = "-1342177280.00 ns";
    window->EditField10().Text(text);
    Settle();
    PaintCounter census;
    readout->installEventFilter(&census);
    window->EditField10().Text(text);
    Settle();
    EXPECT_EQ(census.Of(readout), 0);

    Top()->activateWindow();
    readout->setFocus();
    QTest::keyClick(readout, Qt::Key_End);
    Settle();
    census.Clear();
    window->EditField10().Text(text);
    Settle();
    EXPECT_EQ(census.Of(readout), 1);
    readout->removeEventFilter(&census);
}

}  // namespace
