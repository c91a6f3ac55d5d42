#include <QDialog>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QWindow>

#include "support/MainWindowFixture.h"
#include "window/Window2.h"

namespace {

class Pointer : public MainWindowFixture {
  protected:
    // Presses and releases that come through the window system, as a user's do: a release that reaches a
    // blocked window is dropped there.
    QWindow* TopLevel() const { return gui::WidgetOf(*window)->windowHandle(); }
    QPoint OnTopLevel(int x, int y) const {
        return CanvasWidget()->mapTo(gui::WidgetOf(*window), QPoint(x, y));
    }
    void PressThroughWindow(int x, int y) {
        QTest::mousePress(TopLevel(), Qt::LeftButton, Qt::NoModifier, OnTopLevel(x, y));
    }
    void ReleaseThroughWindow(int x, int y) {
        QTest::mouseRelease(TopLevel(), Qt::LeftButton, Qt::NoModifier, OnTopLevel(x, y));
    }
};

// A press on the canvas that is answered: one marks an event, one drags the origin.
struct PressCase {
    const char* name;
    int x, y;
};

void PrintTo(const PressCase& c, std::ostream* os) {
    *os << c.name;
}

class AnsweredPress : public Pointer, public ::testing::WithParamInterface<PressCase> {
  protected:
    // Only a pressed event repaints at its release.
    int ReleaseRepaints() const { return GetParam().x == 228 ? 1 : 0; }
};

// A modal dialog that opens while the button is held takes the release: the window is blocked and Qt drops
// it. The press still ends, once, whether it marked an event or dragged the origin.
TEST_P(AnsweredPress, AModalDialogOpenedDuringAPressEndsIt) {
    const PressCase& c = GetParam();
    PressThroughWindow(c.x, c.y);
    ASSERT_TRUE(Globals::inProjectingMode || Globals::inKoordDragMode);
    ForgetPaints();
    QDialog dialog(gui::WidgetOf(*window));
    bool modesDuringDialog = true;
    QTimer::singleShot(0, &dialog, [&] {
        ReleaseThroughWindow(c.x, c.y);
        modesDuringDialog = Globals::inProjectingMode || Globals::inKoordDragMode;
        dialog.accept();
    });
    dialog.exec();
    EXPECT_FALSE(modesDuringDialog) << "the press ended when the dialog blocked the window";
    EXPECT_FALSE(Globals::inProjectingMode);
    EXPECT_FALSE(Globals::inKoordDragMode);
    EXPECT_EQ(CanvasPaints(), ReleaseRepaints()) << "the release's repaint, once";
    EXPECT_EQ(NextPaint().back(), "DrawString \"Space\" 606 142") << "no projection lines";
    PressThroughWindow(100, 100);
    EXPECT_TRUE(Globals::inProjectingMode) << "the next press works as ever";
    ReleaseThroughWindow(100, 100);
    EXPECT_FALSE(Globals::inProjectingMode);
}

// The block alone ends the press, while the main window stays active: a modal window need not take the
// focus to block it. The release that still arrives afterwards ends nothing a second time.
TEST_P(AnsweredPress, BlockingTheWindowEndsItWithoutDeactivation) {
    const PressCase& c = GetParam();
    QWidget* main = gui::WidgetOf(*window);
    PressThroughWindow(c.x, c.y);
    ASSERT_TRUE(Globals::inProjectingMode || Globals::inKoordDragMode);
    ForgetPaints();
    QEvent blocked(QEvent::WindowBlocked);
    QApplication::sendEvent(main, &blocked);
    EXPECT_FALSE(Globals::inProjectingMode);
    EXPECT_FALSE(Globals::inKoordDragMode);
    EXPECT_EQ(CanvasPaints(), ReleaseRepaints()) << "the release's repaint";
    QEvent unblocked(QEvent::WindowUnblocked);
    QApplication::sendEvent(main, &unblocked);
    ReleaseThroughWindow(c.x, c.y);
    EXPECT_EQ(CanvasPaints(), ReleaseRepaints()) << "once";
    EXPECT_EQ(NextPaint().back(), "DrawString \"Space\" 606 142") << "no projection lines";
    EXPECT_EQ(QApplication::activeWindow(), main) << "nothing but the block ended the press";
}

INSTANTIATE_TEST_SUITE_P(Pointer, AnsweredPress,
                         ::testing::Values(PressCase{"PressedEvent", 228, 256},
                                           PressCase{"OriginDrag", 300, 400}),
                         [](const auto& info) { return std::string(info.param.name); });

// A press whose release went elsewhere ends at the first move that finds the button up.
TEST_F(Pointer, AMoveWithTheButtonUpEndsAPressWhoseReleaseWasLost) {
    Press(228, 256);
    ASSERT_TRUE(Globals::inProjectingMode);
    Hover(240, 260);
    EXPECT_FALSE(Globals::inProjectingMode);
    EXPECT_EQ(NextPaint().back(), "DrawString \"Space\" 606 142") << "no projection lines";
    EXPECT_EQ(window->Canvas1().MouseCursor(), gui::MouseCursor::StandardPointer) << "and the move is a move";
}

// The labels' presses end the same way: the about window's link, pressed, then blocked by a modal dialog
// before its release, gets that release once, and so opens its address once.
TEST_F(Pointer, ALabelsPressEndsWhenAModalDialogBlocksItsWindow) {
    std::vector<std::string> addresses;
    gui::hooks::showURL = [&](const std::string& address) { addresses.push_back(address); };
    class Window2& about = Window2();
    Settle();
    QWidget* link = Widget(about.StaticText2());
    QWindow* top = gui::WidgetOf(about)->windowHandle();
    const QPoint point = link->mapTo(gui::WidgetOf(about), QPoint(5, 5));
    QTest::mousePress(top, Qt::LeftButton, Qt::NoModifier, point);
    ASSERT_TRUE(addresses.empty());
    QDialog dialog(gui::WidgetOf(about));
    QTimer::singleShot(0, &dialog, [&] {
        QTest::mouseRelease(top, Qt::LeftButton, Qt::NoModifier, point);
        dialog.accept();
    });
    dialog.exec();
    QTest::mouseRelease(top, Qt::LeftButton, Qt::NoModifier, point);
    gui::hooks::showURL = nullptr;
    EXPECT_EQ(addresses, std::vector<std::string>{std::string(Window2::kWebAddress)});
}

// A drag of the time slider's handle moves the diagram while it moves, not only on release.
TEST_F(Pointer, DraggingTheTimeSliderMovesTheDiagramAsItGoes) {
    auto* slider = static_cast<QSlider*>(Widget(window->TimeSlider()));
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    const QPoint handle =
        slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, handle);
    std::vector<std::int64_t> times;
    std::vector<std::string> readouts;
    for (const int dx : {-40, -80, -120}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(handle + QPoint(dx, 0)),
                         slider->mapToGlobal(QPointF(handle + QPoint(dx, 0))), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
        ASSERT_TRUE(slider->isSliderDown());
        times.push_back(Globals::theTime);
        readouts.push_back(window->EditField14().Text());
    }
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, handle + QPoint(-120, 0));
    EXPECT_GT(72, times[0]);
    EXPECT_GT(times[0], times[1]);
    EXPECT_GT(times[1], times[2]);
    EXPECT_NE(readouts[0], "10.00 ns");
    EXPECT_NE(readouts[1], readouts[0]);
    EXPECT_NE(readouts[2], readouts[1]);
    EXPECT_EQ(Globals::theTime, window->TimeSlider().Value() - 500);
}

}  // namespace
