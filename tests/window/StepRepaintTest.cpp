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
    // What the screen holds: the window's backing store, as the last paints left it. A canvas paint writes
    // the readouts, which repaint in the next pass of the event loop.
    QImage OnScreen() const {
        for (int pass = 0; pass < 3; ++pass) Settle();
        return WithoutSliders(Top()->screen()->grabWindow(Top()->winId()).toImage());
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

// A step of the time slider repaints the canvas, the slider and the readouts whose texts changed; of the
// group boxes and the window around them only what lies under the slider, which Fusion draws with a
// transparent margin.
TEST_F(StepRepaint, TimeStepLeavesTheReadoutBoxesAlone) {
    PaintCensus census;
    qApp->installEventFilter(&census);
    window->TimeSlider().Value(window->TimeSlider().Value() + 1);
    Settle();
    qApp->removeEventFilter(&census);
    EXPECT_EQ(census.paints[CanvasWidget()], 1);
    EXPECT_EQ(census.paints[Widget(window->TimeSlider())], 1);
    EXPECT_EQ(census.paints[Widget(window->EditField14())], 1);
    EXPECT_EQ(census.paints[Top()], 1);
    EXPECT_EQ(census.paints[Top()->centralWidget()], 1);
    const QWidget* sliderBox = Widget(window->TimeSlider())->parentWidget();
    for (const QGroupBox* box : All<QGroupBox>()) {
        EXPECT_EQ(census.paints[box], box == sliderBox ? 1 : 0) << box->title().toStdString();
    }
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

    QList<QLineEdit*> fields;
    for (QLineEdit* field : All<QLineEdit>()) {
        if (field->autoFillBackground()) fields.push_back(field);
    }
    ASSERT_FALSE(fields.empty());
    for (QLineEdit* field : fields) field->setAutoFillBackground(false);
    const QImage transparent = FromScratch();
    for (QLineEdit* field : fields) field->setAutoFillBackground(true);
    ASSERT_EQ(screen.size(), transparent.size());
    int differing = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) differing += screen.pixel(x, y) != transparent.pixel(x, y);
    }
    EXPECT_EQ(differing, 0) << "pixels that differ from the readouts drawn over their containers";
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
