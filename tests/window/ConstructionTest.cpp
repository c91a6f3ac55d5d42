#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "gui/TestHooks.h"
#include "gui/internal/Runtime.h"
#include "model/Globals.h"
#include "window/Window1.h"

namespace {

// No main window yet: each test builds it, watching the controls arrive. Registering the control named
// `failAt` fails, as the making of a control can.
class Construction : public ::testing::Test {
  protected:
    void SetUp() override {
        gui::internal::DestroyAllWindows();
        Globals::SetDefaults();
        gui::hooks::controlAdded = [this](const std::string& name) {
            added.push_back(name);
            if (name == failAt) throw std::runtime_error("no room for " + name);
        };
    }
    void TearDown() override {
        gui::hooks::controlAdded = nullptr;
        gui::internal::DestroyAllWindows();
        Globals::SetDefaults();
    }

    static int VisibleWindows() {
        const auto tops = QApplication::topLevelWidgets();
        return static_cast<int>(
            std::count_if(tops.begin(), tops.end(), [](QWidget* w) { return w->isVisible(); }));
    }

    std::vector<std::string> added;
    std::string failAt;
};

TEST_F(Construction, AFailureInTheFirstHalfLeavesTheSecondUncreated) {
    Window1();
    const std::vector<std::string> all = added;
    ASSERT_EQ(all.size(), 53u);
    ASSERT_EQ(all[29], "PushButton1") << "the last control of the first half";
    ASSERT_EQ(all[30], "PushButton2") << "the first control of the second half";
    gui::internal::DestroyAllWindows();
    Globals::SetDefaults();

    for (const std::size_t failing : {std::size_t{0}, std::size_t{29}}) {
        failAt = all[failing];
        SCOPED_TRACE(failAt);
        added.clear();
        try {
            Window1();
            ADD_FAILURE() << "the window opened";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), "no room for " + failAt) << "the error passes on unchanged";
        }
        EXPECT_EQ(added, std::vector<std::string>(all.begin(), all.begin() + failing + 1));
        EXPECT_EQ(gui::Window::GetImplicitWindow(Window1::kClassName), nullptr);
        EXPECT_EQ(Globals::myBlackSys, nullptr) << "Open never ran";
        EXPECT_EQ(VisibleWindows(), 0) << "no half-built window on screen";
    }

    // Nothing of the failed attempts stays in the way of the next one.
    failAt.clear();
    added.clear();
    EXPECT_EQ(Window1().Controls().size(), 53u);
    EXPECT_EQ(added, all);
    EXPECT_EQ(VisibleWindows(), 1);
}

}  // namespace
