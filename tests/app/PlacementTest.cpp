#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>

#include "support/ApplicationFixture.h"

namespace {

class Placement : public ApplicationFixture {
  protected:
    static QRect Frame(const gui::Window& w) { return WidgetOf(w)->frameGeometry(); }
    static QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    // A window's frame is known only once it is on screen, so a centred window may sit off by its border.
    static int Border(const gui::Window& w) { return WidgetOf(w)->geometry().left() - Frame(w).left(); }

    static void ExpectCentredOver(const gui::Window& w, const QRect& area) {
        const QPoint off = Frame(w).center() - area.center();
        EXPECT_LE(std::abs(off.x()), Border(w)) << "x off by " << off.x();
        EXPECT_LE(std::abs(off.y()), Border(w)) << "y off by " << off.y();
    }
    // The user drags the main window somewhere else.
    void MoveMain(int left, int top) {
        WidgetOf(*main)->move(left, top);
        QApplication::processEvents();
        ASSERT_EQ(Frame(*main).topLeft(), QPoint(left, top));
    }
};

TEST_F(Placement, TheMainWindowOpensCentredOnTheScreen) {
    ASSERT_TRUE(WidgetOf(*main)->isVisible());
    ASSERT_TRUE(Screen().contains(Frame(*main))) << "the screen is larger than the window";
    ExpectCentredOver(*main, Screen());
}

TEST_F(Placement, TheAboutWindowOpensOverTheMainWindowWhereverItIs) {
    MoveMain(40, 30);
    main->PushButton4().Push();
    class Window2* about = OpenAbout();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(WidgetOf(*about)->isVisible());
    ExpectCentredOver(*about, Frame(*main));

    // Asked for again while open, it stays where the user put it.
    WidgetOf(*about)->move(1200, 50);
    main->PushButton4().Push();
    EXPECT_EQ(OpenAbout(), about);
    EXPECT_EQ(Frame(*about).topLeft(), QPoint(1200, 50));

    // Once closed, the next one is placed anew over the main window.
    about->Close();
    QApplication::processEvents();
    MoveMain(900, 300);
    main->PushButton4().Push();
    ASSERT_NE(OpenAbout(), nullptr);
    ExpectCentredOver(*OpenAbout(), Frame(*main));
}

}  // namespace
