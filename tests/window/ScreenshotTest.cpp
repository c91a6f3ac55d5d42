#include <QPixmap>

#include "support/MainWindowFixture.h"

namespace {

class Screenshots : public MainWindowFixture {};

// Pictures for a person to hold against the layout table; the checks make sure they show the window.
TEST_F(Screenshots, InitialWindow) {
    const QPixmap shot = gui::WidgetOf(*window)->grab();
    ASSERT_TRUE(shot.save(TRAVIK_ARTIFACTS "/main-window-initial.png"));
    EXPECT_EQ(gui::WidgetOf(*window)->centralWidget()->size(), QSize(894, 781));
}

TEST_F(Screenshots, EverythingOnWithAPressedEvent) {
    for (gui::CheckBox* box :
         {&window->CheckBox1(), &window->CheckBox2(), &window->CheckBox3(), &window->CheckBox4(),
          &window->CheckBox5(), &window->CheckBox6(), &window->CheckBox7()}) {
        box->Value(true);
    }
    Press(228, 256);
    Settle();
    const QPixmap shot = gui::WidgetOf(*window)->grab();
    ASSERT_TRUE(shot.save(TRAVIK_ARTIFACTS "/main-window-everything-on.png"));
    Release(228, 256);
    EXPECT_EQ(window->EditField10().Text(), "25.00 ns");
}

}  // namespace
