#include <QMenuBar>

#include "support/ApplicationFixture.h"
#include "support/Pixels.h"

namespace {

class ProgramScreenshot : public ApplicationFixture {};

// The program as the README shows it: menu bar, both objects with traces and shadows, the light cone and a
// pressed event. Saved for a person to look at, with the menu bar and a few of the diagram's pixels checked.
TEST_F(ProgramScreenshot, MainWindowWithEverythingOn) {
    for (gui::CheckBox* box : {&main->CheckBox1(), &main->CheckBox2(), &main->CheckBox3(), &main->CheckBox4(),
                               &main->CheckBox5(), &main->CheckBox6(), &main->CheckBox7()}) {
        box->Value(true);
    }
    QTest::mousePress(WidgetOf(main->Canvas1()), Qt::LeftButton, {}, QPoint(228, 256));
    QApplication::processEvents();
    const WindowShot shot(WidgetOf(*main));
    EXPECT_GT(shot.image.height(), 781) << "the menu bar sits above the content area";
    ASSERT_TRUE(shot.image.save(TRAVIK_ARTIFACTS "/program-window.png"));
    QTest::mouseRelease(WidgetOf(main->Canvas1()), Qt::LeftButton, {}, QPoint(228, 256));

    // Every title on the bar is written there.
    QMenuBar* bar = WidgetOf(*main)->menuBar();
    ASSERT_FALSE(bar->actions().isEmpty());
    for (QAction* item : bar->actions()) {
        const QImage title = shot.Part(bar, bar->actionGeometry(item));
        int dark = 0;
        for (int y = 0; y < title.height(); ++y) {
            for (int x = 0; x < title.width(); ++x) dark += title.pixelColor(x, y).lightness() < 100;
        }
        EXPECT_GT(dark, 10) << item->objectName().toStdString();
    }

    // Below the bar, the diagram at v = 0.6 and time 72 with its origin at (300, 400): black's trace through
    // the rod's far end (401, 342), red's upright trace at x = 185, and the light cone's upper left branch.
    QWidget* canvas = WidgetOf(main->Canvas1());
    EXPECT_TRUE(shot.Shows(canvas, {461, 422}, QColor(100, 100, 100)));
    EXPECT_TRUE(shot.Shows(canvas, {185, 100}, QColor(200, 0, 0)));
    EXPECT_TRUE(shot.Shows(canvas, {200, 350}, QColor(80, 80, 222)));
}

}  // namespace
