#include <QStyle>
#include <QStyleOptionButton>

#include "support/MainWindowFixture.h"
#include "support/Pixels.h"

namespace {

class Screenshots : public MainWindowFixture {
  protected:
    const QColor kBlack{0, 0, 0};
    const QColor kRed{255, 0, 0};
    const QColor kBlackObject{100, 100, 100};
    const QColor kRedObject{200, 0, 0};
    const QColor kLightCone{80, 80, 222};

    QWidget* Top() const { return gui::WidgetOf(*window); }
    // Where a check box or radio button draws its indicator, in its own coordinates.
    QRect Indicator(const gui::RectControl& control) const {
        QWidget* w = Widget(control);
        QStyleOptionButton option;
        option.initFrom(w);
        const auto element = dynamic_cast<const gui::CheckBox*>(&control) ? QStyle::SE_CheckBoxIndicator
                                                                          : QStyle::SE_RadioButtonIndicator;
        return w->style()->subElementRect(element, &option, w);
    }
    std::vector<gui::CheckBox*> CheckBoxes() const {
        return {&window->CheckBox1(), &window->CheckBox2(), &window->CheckBox3(), &window->CheckBox4(),
                &window->CheckBox5(), &window->CheckBox6(), &window->CheckBox7()};
    }
};

// Pictures for a person to hold against the layout table, with a few pixels checked where the diagram's
// geometry puts them: the origin at (300, 400), v = 0.6, our time axis through (300 + 3k, 400 + 4k).
TEST_F(Screenshots, InitialWindow) {
    const WindowShot shot(Top());
    ASSERT_TRUE(shot.image.save(TRAVIK_ARTIFACTS "/main-window-initial.png"));
    EXPECT_EQ(gui::WidgetOf(*window)->centralWidget()->size(), QSize(894, 781));
    QWidget* canvas = CanvasWidget();
    // Between the unit circles and away from the axes, and where the light cone would run.
    EXPECT_TRUE(shot.Blank(canvas, {150, 300}));
    EXPECT_TRUE(shot.Blank(canvas, {550, 500}));
    EXPECT_TRUE(shot.Blank(canvas, {350, 300}));
    // Black's time axis on both sides of the origin, and black's space axis.
    EXPECT_TRUE(shot.Shows(canvas, {210, 280}, kBlack));
    EXPECT_TRUE(shot.Shows(canvas, {390, 520}, kBlack));
    EXPECT_TRUE(shot.Shows(canvas, {100, 400}, kBlack));
    // Red's upright time axis and its space axis through (300 + 4k, 400 - 3k).
    EXPECT_TRUE(shot.Shows(canvas, {300, 100}, kRed));
    EXPECT_TRUE(shot.Shows(canvas, {500, 250}, kRed));
    EXPECT_FALSE(shot.Part(Widget(window->RadioButton1()), Indicator(window->RadioButton1())) ==
                 shot.Part(Widget(window->RadioButton2()), Indicator(window->RadioButton2())))
        << "the checked radio button looks the same as the unchecked one";
}

TEST_F(Screenshots, EverythingOnWithAPressedEvent) {
    const WindowShot before(Top());
    for (gui::CheckBox* box : CheckBoxes()) box->Value(true);
    Press(228, 256);
    Settle();
    const WindowShot shot(Top());
    ASSERT_TRUE(shot.image.save(TRAVIK_ARTIFACTS "/main-window-everything-on.png"));
    Release(228, 256);
    EXPECT_EQ(window->EditField10().Text(), "25.00 ns");

    QWidget* canvas = CanvasWidget();
    // The light cone halves the angle between our axes: slopes 2 and 1/2 at v = 0.6.
    EXPECT_TRUE(shot.Shows(canvas, {350, 300}, kLightCone));
    EXPECT_TRUE(shot.Shows(canvas, {400, 450}, kLightCone));
    // At time 72 black's rod lies on the now line y = 342 from x = 257 to 401; red's rod runs from
    // (185, 428) to (300, 342).
    EXPECT_TRUE(shot.Shows(canvas, {395, 342}, kBlackObject));
    EXPECT_TRUE(shot.Shows(canvas, {243, 385}, kRedObject));
    // The pressed event's line to black's time axis, which was blank before.
    EXPECT_TRUE(before.Blank(canvas, {210, 256}));
    EXPECT_TRUE(shot.Shows(canvas, {210, 256}, kBlack));
    for (gui::CheckBox* box : CheckBoxes()) {
        EXPECT_FALSE(shot.Part(Widget(*box), Indicator(*box)) == before.Part(Widget(*box), Indicator(*box)))
            << box->Name() << " looks the same checked as unchecked";
    }
}

}  // namespace
