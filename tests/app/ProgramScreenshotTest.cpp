#include <QPixmap>

#include "support/ApplicationFixture.h"

namespace {

class ProgramScreenshot : public ApplicationFixture {};

// The program as the README shows it: menu bar, both objects with traces and shadows, the light cone and a
// pressed event. Saved for a person to look at.
TEST_F(ProgramScreenshot, MainWindowWithEverythingOn) {
    for (gui::CheckBox* box : {&main->CheckBox1(), &main->CheckBox2(), &main->CheckBox3(), &main->CheckBox4(),
                               &main->CheckBox5(), &main->CheckBox6(), &main->CheckBox7()}) {
        box->Value(true);
    }
    QTest::mousePress(WidgetOf(main->Canvas1()), Qt::LeftButton, {}, QPoint(228, 256));
    QApplication::processEvents();
    const QPixmap shot = WidgetOf(*main)->grab();
    EXPECT_GT(shot.height(), 781) << "the menu bar sits above the content area";
    ASSERT_TRUE(shot.save(TRAVIK_ARTIFACTS "/program-window.png"));
    QTest::mouseRelease(WidgetOf(main->Canvas1()), Qt::LeftButton, {}, QPoint(228, 256));
}

}  // namespace
