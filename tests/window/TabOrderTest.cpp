#include <QApplication>
#include <QTest>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/MainWindowFixture.h"

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

}  // namespace
