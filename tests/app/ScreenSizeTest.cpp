#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <set>
#include <string>
#include <vector>

#include "support/ApplicationFixture.h"

namespace {

// The screens this program runs on in these tests, and the scroll bars each window shows there: none where
// the screen holds the window, which then stays exactly as laid out.
struct ScreenCase {
    QSize screen;
    Qt::Orientations mainBars;
    Qt::Orientations aboutBars;
};
const ScreenCase kScreens[] = {
    {{600, 320}, Qt::Horizontal | Qt::Vertical, Qt::Vertical},
    {{1024, 768}, Qt::Vertical, {}},
    {{1280, 720}, Qt::Vertical, {}},
    {{1920, 1200}, {}, {}},
};

class ScreenSize : public ApplicationFixture {
  protected:
    void SetUp() override {
        ApplicationFixture::SetUp();
        for (const ScreenCase& c : kScreens) {
            if (c.screen == Room().size()) screen = &c;
        }
        ASSERT_NE(screen, nullptr) << "no case for a screen of " << Room().width() << " x "
                                   << Room().height();
    }

    static QRect Room() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static QScrollArea* View(const gui::Window& w) {
        return qobject_cast<QScrollArea*>(WidgetOf(w)->centralWidget());
    }
    // The area the window's controls are placed in, at their layout's coordinates.
    static QWidget* Content(const gui::Window& w) {
        for (const gui::RectControl* c : w.Controls()) {
            if (!c->Parent()) return WidgetOf(*c)->parentWidget();
        }
        return nullptr;
    }
    // What of the content the window shows.
    static QWidget* Port(const gui::Window& w) {
        QScrollArea* view = View(w);
        return view ? view->viewport() : WidgetOf(w)->centralWidget();
    }
    static QRect InPort(const gui::Window& w, const QWidget* control) {
        return {control->mapTo(Port(w), QPoint(0, 0)), control->size()};
    }
    static bool InView(const gui::Window& w, const QWidget* control) {
        return Port(w)->isAncestorOf(control) && Port(w)->rect().contains(InPort(w, control));
    }
    static int ScrolledDown(const gui::Window& w) {
        return View(w) ? View(w)->verticalScrollBar()->value() : 0;
    }

    // A turn of the mouse wheel, delivered as the window system delivers it: to the widget under the pointer
    // first, then to its parents while they ignore it.
    static void Wheel(QWidget* target, QPoint at, QPoint angle) {
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(target, &event);
        QApplication::processEvents();
    }
    // Turns the wheel over the part of the canvas in view until `control` is wholly in view.
    static void WheelIntoView(const gui::Window& w, const QWidget* control) {
        QWidget* canvas = WidgetOf(w.ControlByName("Canvas1"));
        for (int turns = 0; turns < 100 && !InView(w, control); ++turns) {
            const QRect port = Port(w)->rect();
            const QRect target = InPort(w, control);
            const QRect canvasShown = InPort(w, canvas) & port;
            ASSERT_FALSE(canvasShown.isEmpty()) << "the canvas is out of view";
            const QPoint at = canvas->mapFrom(Port(w), canvasShown.center());
            if (target.top() < port.top() || target.bottom() > port.bottom())
                Wheel(canvas, at, {0, target.top() < port.top() ? 120 : -120});
            else
                Wheel(canvas, at, {target.left() < port.left() ? 120 : -120, 0});
        }
    }

    const ScreenCase* screen = nullptr;
};

TEST_F(ScreenSize, EachWindowLiesOnTheScreenWithItsContentAsLaidOut) {
    const QString size = QString("%1x%2").arg(screen->screen.width()).arg(screen->screen.height());
    ASSERT_TRUE(WidgetOf(*main)->grab().save(TRAVIK_ARTIFACTS "/main-window-" + size + ".png"));
    main->PushButton4().Push();
    ASSERT_NE(OpenAbout(), nullptr);
    QApplication::processEvents();

    const struct {
        const gui::Window* window;
        QSize content;
        Qt::Orientations bars;
    } windows[] = {{main, {894, 781}, screen->mainBars}, {OpenAbout(), {545, 328}, screen->aboutBars}};
    for (const auto& c : windows) {
        SCOPED_TRACE(c.window->Title());
        QMainWindow* w = WidgetOf(*c.window);
        const QRect frame = w->frameGeometry();
        EXPECT_TRUE(Room().contains(frame))
            << "frame " << frame.x() << ", " << frame.y() << ", " << frame.width() << " x " << frame.height();
        EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "the user can resize the window";
        EXPECT_EQ(Content(*c.window)->size(), c.content);
        QScrollArea* view = View(*c.window);
        if (!c.bars) {
            EXPECT_EQ(view, nullptr);
            EXPECT_EQ(w->centralWidget(), Content(*c.window));
            EXPECT_EQ(w->size(), c.content + QSize(0, w->menuBar()->height()));
            continue;
        }
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->widget(), Content(*c.window));
        EXPECT_EQ(view->horizontalScrollBar()->isVisible(), c.bars.testFlag(Qt::Horizontal));
        EXPECT_EQ(view->verticalScrollBar()->isVisible(), c.bars.testFlag(Qt::Vertical));
        // As large as the screen lets it be in each direction that scrolls, but for what a window manager's
        // title bar and borders might take.
        const int frameAllowance = 50;
        if (c.bars.testFlag(Qt::Horizontal)) {
            EXPECT_GE(frame.width(), Room().width() - frameAllowance);
        }
        if (c.bars.testFlag(Qt::Vertical)) {
            EXPECT_GE(frame.height(), Room().height() - frameAllowance);
        }
    }
    // The diagram reads the canvas's size once and draws for it.
    EXPECT_EQ(WidgetOf(main->Canvas1())->size(), QSize(636, 553));
}

// The user may have dragged the main window partly off the screen; the about window, opened over it, still
// opens with all of its frame on the screen.
TEST_F(ScreenSize, TheAboutWindowOpensOnTheScreenWhereverTheMainWindowIs) {
    const QRect room = Room();
    const QPoint places[] = {
        {room.right() - 200, room.bottom() - 100}, {-600, -500}, {room.right() - 200, -500}};
    for (const QPoint at : places) {
        WidgetOf(*main)->move(at);
        QApplication::processEvents();
        main->PushButton4().Push();
        ASSERT_NE(OpenAbout(), nullptr);
        QApplication::processEvents();
        const QRect frame = WidgetOf(*OpenAbout())->frameGeometry();
        EXPECT_TRUE(room.contains(frame))
            << "main window at " << at.x() << ", " << at.y() << ": frame " << frame.x() << ", " << frame.y();
        OpenAbout()->Close();
        QApplication::processEvents();
    }
}

TEST_F(ScreenSize, TheWheelBringsEveryControlIntoViewAndQuitThenQuits) {
    QWidget* quit = WidgetOf(main->PushButton3());
    EXPECT_EQ(InView(*main, quit), !screen->mainBars) << "whether Quit is in view before any scrolling";
    WheelIntoView(*main, quit);
    QWidget* top = WidgetOf(*main);
    const QPoint centre = quit->rect().center();
    ASSERT_EQ(top->childAt(quit->mapTo(top, centre)), quit) << "Quit is not where the user sees it";
    QTest::mouseClick(quit, Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(quits, std::vector<int>{0});

    main->PushButton4().Push();
    ASSERT_NE(OpenAbout(), nullptr);
    QApplication::processEvents();
    const std::vector<const gui::Window*> windows{main, OpenAbout()};
    for (const gui::Window* window : windows) {
        for (const gui::RectControl* control : window->Controls()) {
            QWidget* w = WidgetOf(*control);
            // A control larger than the view (the canvas on the smallest screen) is never wholly in it.
            if (!w->isVisible() || w->width() > Port(*window)->width() ||
                w->height() > Port(*window)->height())
                continue;
            WheelIntoView(*window, w);
            EXPECT_TRUE(InView(*window, w)) << window->Title() << ": " << control->Name();
        }
    }
}

TEST_F(ScreenSize, TabScrollsTheFocusedControlIntoView) {
    QWidget* top = WidgetOf(*main);
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    WidgetOf(main->RadioButton1())->setFocus(Qt::TabFocusReason);
    const auto nameOf = [&](const QWidget* w) {
        for (const gui::RectControl* c : main->Controls()) {
            if (WidgetOf(*c) == w) return c->Name();
        }
        return std::string("(no control)");
    };
    // Forward and back, round the whole chain and further.
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        std::set<int> scrolled;
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            EXPECT_TRUE(InView(*main, focus)) << nameOf(focus);
            scrolled.insert(ScrolledDown(*main));
        }
        EXPECT_EQ(scrolled.size() > 1, screen->mainBars.testFlag(Qt::Vertical))
            << "whether the view scrolled on the way";
    }
}

TEST_F(ScreenSize, TheWheelScrollsTheViewOverTheCanvasAndMovesASliderOverASlider) {
    if (!screen->mainBars) GTEST_SKIP() << "the screen holds the main window: there is no view to scroll";
    QWidget* canvas = WidgetOf(main->Canvas1());
    ASSERT_EQ(ScrolledDown(*main), 0);
    Wheel(canvas, {300, 100}, {0, -120});
    EXPECT_GT(ScrolledDown(*main), 0) << "the wheel over the canvas left the view where it was";

    auto* slider = static_cast<QSlider*>(WidgetOf(main->TimeSlider()));
    WheelIntoView(*main, slider);
    const int down = ScrolledDown(*main);
    ASSERT_GT(down, 0);
    const int before = slider->value();
    Wheel(slider, slider->rect().center(), {0, 120});
    EXPECT_NE(slider->value(), before) << "the wheel over the slider left it where it was";
    EXPECT_EQ(ScrolledDown(*main), down);
    // At its ends, where the slider can go no further, the wheel over it still leaves the view alone.
    for (const int end : {slider->minimum(), slider->maximum()}) {
        for (const int turn : {120, -120}) {
            main->TimeSlider().Value(end);
            Wheel(slider, slider->rect().center(), {0, turn});
            EXPECT_EQ(ScrolledDown(*main), down) << "at " << end << ", turned " << turn;
        }
    }
}

}  // namespace
