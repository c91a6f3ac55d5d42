#include <QApplication>
#include <QImage>
#include <QRegion>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "support/MainWindowFixture.h"
#include "support/Pixels.h"
#include "support/UnderStyle.h"

namespace {

class TabOrder : public MainWindowFixture {
  protected:
    // The control whose widget is `w`, or null for a widget of no control (the menu bar, the content area).
    const gui::RectControl* ControlOf(const QWidget* w) const {
        for (const gui::RectControl* c : window->Controls()) {
            if (Widget(*c) == w) return c;
        }
        return nullptr;
    }
    static bool TakesFocus(const QWidget* w) { return w->focusPolicy() != Qt::NoFocus; }
};

// Every control that takes the focus, worked out from the layout table: the window's own controls and each
// group's controls in creation order, a group's controls right after the group.
const std::vector<std::string> kFocusOrder = {
    "RadioButton1",      "RadioButton2", "EditField2",  "SpeedSlider", "UnitSlider",   "BlackPosSlider",
    "BlackLengthSlider", "CheckBox1",    "CheckBox2",   "CheckBox3",   "RedPosSlider", "RedLengthSlider",
    "CheckBox4",         "CheckBox5",    "CheckBox6",   "TimeSlider",  "PushButton1",  "PushButton2",
    "EditField14",       "EditField10",  "EditField11", "EditField12", "EditField13",  "EditField6",
    "EditField7",        "EditField8",   "EditField9",  "PushButton3", "CheckBox7",    "PushButton4"};

TEST_F(TabOrder, TheLayoutsTabIndexGivesThisOrderInEveryContainer) {
    // Each container's controls by TabIndex, a container's controls right after the container.
    std::vector<std::string> walked;
    const std::function<void(const gui::RectControl*)> walk = [&](const gui::RectControl* container) {
        std::vector<gui::RectControl*> level;
        for (gui::RectControl* c : window->Controls()) {
            if (c->Parent() == container) level.push_back(c);
        }
        std::stable_sort(level.begin(), level.end(),
                         [](const auto* a, const auto* b) { return a->TabIndex() < b->TabIndex(); });
        for (std::size_t i = 0; i < level.size(); ++i) {
            EXPECT_EQ(level[i]->TabIndex(), static_cast<std::int64_t>(i)) << level[i]->Name();
            if (TakesFocus(Widget(*level[i]))) walked.push_back(level[i]->Name());
            walk(level[i]);
        }
    };
    walk(nullptr);
    EXPECT_EQ(walked, kFocusOrder);
}

// Nothing sets a tab order: Qt's chain follows creation order, and the layout's TabIndex repeats that order.
TEST_F(TabOrder, QtsFocusChainFollowsTheLayout) {
    QWidget* first = Widget(window->RadioButton1());
    std::vector<std::string> chain;
    QWidget* w = first;
    do {
        if (const gui::RectControl* c = ControlOf(w); c && TakesFocus(w)) chain.push_back(c->Name());
        w = w->nextInFocusChain();
    } while (w != first && chain.size() <= kFocusOrder.size());
    EXPECT_EQ(chain, kFocusOrder);
}

TEST_F(TabOrder, TheTabKeyWalksTheControlsAndComesRound) {
    QWidget* top = gui::WidgetOf(*window);
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    Widget(window->RadioButton1())->setFocus(Qt::TabFocusReason);
    std::vector<std::string> reached;
    for (std::size_t i = 0; i < kFocusOrder.size(); ++i) {
        const gui::RectControl* c = ControlOf(QApplication::focusWidget());
        reached.push_back(c ? c->Name() : "(no control)");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Of the two radio buttons Tab stops at the checked one only; the arrow keys move between them.
    std::vector<std::string> expected = kFocusOrder;
    expected.erase(std::find(expected.begin(), expected.end(), "RadioButton2"));
    expected.push_back(expected.front());
    EXPECT_EQ(reached, expected);
}

// Whatever the widget style, every Tab stop shows that it has the keyboard focus: the readouts without a
// border included, where a caret alone would be the only sign, and drawn by the style itself.
class FocusShows : public UnderStyle<TabOrder> {
  protected:
    // Where two pictures of one area differ by at least `least` in a colour channel, inside `inside`: the
    // pixels, and the box they span.
    struct Change {
        int pixels = 0;
        QRect box;
    };
    static Change Changed(const QImage& a, const QImage& b, const QRegion& inside, int least) {
        Change change;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
                const int most = std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                           std::abs(p.blue() - q.blue())});
                if (most < least || !inside.contains(QPoint(x, y))) continue;
                ++change.pixels;
                change.box |= QRect(x, y, 1, 1);
            }
        }
        return change;
    }
    // The part of a Tab stop that no other stop overlaps, where the focus of no other shows.
    static QRegion OwnArea(const QWidget* stop, const std::vector<const QWidget*>& stops) {
        QRegion own(stop->rect());
        const QPoint origin = stop->mapToGlobal(QPoint(0, 0));
        for (const QWidget* other : stops) {
            if (other != stop) own -= QRect(other->mapToGlobal(QPoint(0, 0)) - origin, other->size());
        }
        return own;
    }

    static constexpr int kVisible = 32;
};

TEST_P(FocusShows, OnEveryTabStop) {
    ASSERT_EQ(QApplication::style()->name().toLower(), QString(GetParam()).toLower());
    QWidget* top = gui::WidgetOf(*window);
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    // One round first: the styles that show focus only when it came from the keyboard then show it on the
    // first stop too.
    Widget(window->RadioButton1())->setFocus(Qt::TabFocusReason);
    const std::size_t stops = kFocusOrder.size() - 1;
    for (std::size_t i = 0; i < stops; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    // The window with the focus on each stop in turn, and once more on the first after coming round.
    std::vector<const QWidget*> focused;
    std::vector<WindowShot> shots;
    for (std::size_t i = 0; i <= stops; ++i) {
        focused.push_back(QApplication::focusWidget());
        shots.emplace_back(top);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(focused.front(), Widget(window->RadioButton1()));
    ASSERT_EQ(focused.back(), focused.front()) << "Tab comes round";

    for (std::size_t i = 0; i < stops; ++i) {
        const gui::RectControl* control = ControlOf(focused[i]);
        ASSERT_NE(control, nullptr) << "stop " << i;
        const QRect area = focused[i]->rect();
        const QImage before = shots[i == 0 ? stops - 1 : i - 1].Part(focused[i], area);
        const QImage with = shots[i].Part(focused[i], area);
        const QImage after = shots[i + 1].Part(focused[i], area);
        const QRegion own = OwnArea(focused[i], focused);
        // A caret is one column of pixels: it can't pass for this.
        const Change change = Changed(with, after, own, kVisible);
        EXPECT_TRUE(change.pixels >= 12 && change.box.width() >= 3 && change.box.height() >= 3)
            << control->Name() << " shows its focus by " << change.pixels << " pixels in a "
            << change.box.width() << " x " << change.box.height() << " box";
        EXPECT_EQ(Changed(before, after, own, 1).pixels, 0)
            << control->Name() << " looks different after the focus has left";
    }

    // A readout with the focus, for a person to look at.
    const QWidget* readout = Widget(window->EditField14());
    const int stop = static_cast<int>(std::find(focused.begin(), focused.end(), readout) - focused.begin());
    ASSERT_LT(stop, static_cast<int>(stops));
    const QWidget* box = readout->parentWidget();
    ASSERT_TRUE(shots[static_cast<std::size_t>(stop)]
                    .Part(box, box->rect())
                    .save(QString(TRAVIK_ARTIFACTS "/focused-time-readout-%1.png").arg(GetParam())));
}

// The focus frame keeps to a readout's edges: the readout's text stays where it was, as it was.
TEST_P(FocusShows, AroundAReadoutsText) {
    QWidget* top = gui::WidgetOf(*window);
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    // Too long for the readout: the field draws its beginning itself, with no caret or selection.
    window->EditField10().Text("-1342177280.00 ns");
    const QWidget* readout = Widget(window->EditField10());
    Widget(window->EditField14())->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), readout);
    const QImage with = WindowShot(top).Part(readout, readout->rect());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const QImage without = WindowShot(top).Part(readout, readout->rect());

    QRect ink;
    for (int y = 0; y < without.height(); ++y) {
        for (int x = 0; x < without.width(); ++x) {
            if (without.pixel(x, y) != without.pixel(0, 0)) ink |= QRect(x, y, 1, 1);
        }
    }
    ASSERT_GT(ink.width(), 20) << "the readout shows its text";
    const QRegion text(ink);
    EXPECT_EQ(Changed(with, without, text, 1).pixels, 0);
    EXPECT_GT(Changed(with, without, QRegion(readout->rect()) - text, kVisible).pixels, 12);
}

INSTANTIATE_TEST_SUITE_P(Style, FocusShows, ::testing::Values("Fusion", "Windows"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
