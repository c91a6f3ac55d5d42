#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <stdexcept>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "gui/Application.h"
#include "gui/TestHooks.h"
#include "gui/internal/ControlImpl.h"
#include "model/Globals.h"
#include "window/Window1.h"
#include "window/Window2.h"

namespace {

class StartupAndShutdown : public ::testing::Test {
  protected:
    void SetUp() override {
        gui::hooks::unhandledError = [this](const std::string& text) { errors.push_back(text); };
    }
    void TearDown() override {
        gui::hooks::runtimeStep = nullptr;
        gui::hooks::unhandledError = nullptr;
        gui::RuntimePerformFinalizers();
        Globals::SetDefaults();
    }
    int Run() {
        char name[] = "TravikDiagram";
        char* argv[] = {name, nullptr};
        return Startup::Run(1, argv);
    }
    // Runs `then` once the event loop runs, so that it can look around and end the program.
    void OnceRunning(std::function<void()> then) {
        gui::hooks::runtimeStep = [then](const char* step) {
            if (std::string_view(step) == "RuntimeRun") QTimer::singleShot(0, then);
        };
    }

    std::vector<std::string> steps;
    std::vector<std::string> errors;
};

TEST_F(StartupAndShutdown, StepsInOrderAndAWholeProgramOnceRunning) {
    Globals::Nx = 0;
    bool registeredWithBar = false;
    bool defaultsBeforeApp = false;
    bool noWindowBeforeApp = false;
    bool running = false;
    gui::hooks::runtimeStep = [&](const char* step) {
        steps.push_back(step);
        const std::string_view s = step;
        if (s == "RuntimeRegisterAppObject") {
            registeredWithBar = gui::RegisteredApp() && gui::RegisteredApp()->MenuBar() == MenuBar1();
            defaultsBeforeApp = Globals::Nx == 300;
            noWindowBeforeApp = gui::Window::OpenWindows().empty();
        }
        if (s == "RuntimeRun") {
            QTimer::singleShot(0, [&] {
                running = true;
                gui::Window* main = gui::Window::GetImplicitWindow("Window1.Window1");
                ASSERT_NE(main, nullptr);
                EXPECT_TRUE(gui::WidgetOf(*main)->isVisible());
                EXPECT_FALSE(gui::WidgetOf(*main)->menuBar()->actions().isEmpty())
                    << "it opens with the menu bar";
                EXPECT_EQ(Globals::gw, 636) << "its Open ran InitGlobals";
                Window1().PushButton3().Push();
            });
        }
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(running);
    EXPECT_TRUE(registeredWithBar) << "the menu bar is installed before the application object is registered";
    EXPECT_TRUE(defaultsBeforeApp) << "the module defaults exist before the application object";
    EXPECT_TRUE(noWindowBeforeApp);
    EXPECT_EQ(steps, (std::vector<std::string>{"RuntimeInit", "RuntimeRegisterAppObject",
                                               "RunFrameworkInitialization", "RuntimeRun",
                                               "RuntimePerformFinalizers", "RuntimeExit"}));
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(gui::Window::OpenWindows().empty()) << "the finalisers closed the windows";
}

TEST_F(StartupAndShutdown, AnErrorInStartUpIsReportedOnceAndTheLoopDoesNotRun) {
    gui::hooks::runtimeStep = [&](const char* step) {
        steps.push_back(step);
        if (std::string_view(step) == "RunFrameworkInitialization") throw std::runtime_error("no display");
    };
    EXPECT_NE(Run(), 0);
    EXPECT_EQ(errors, std::vector<std::string>{"no display"});
    EXPECT_EQ(steps, (std::vector<std::string>{"RuntimeInit", "RuntimeRegisterAppObject",
                                               "RunFrameworkInitialization", "UnhandledException",
                                               "RuntimePerformFinalizers", "RuntimeExit"}));
    EXPECT_EQ(gui::Window::GetImplicitWindow("Window1.Window1"), nullptr);
}

TEST_F(StartupAndShutdown, ExitFromTheMenuQuitsWithNoProgramCode) {
    OnceRunning([] {
        // The item as the user finds it: in the File menu of the main window's menu bar.
        QAction* exit = nullptr;
        if (auto* fileMenu = gui::WidgetOf(Window1())->menuBar()->findChild<QMenu*>("FileMenu")) {
            for (QAction* action : fileMenu->actions()) {
                if (action->objectName() == "FileQuit") exit = action;
            }
        }
        if (!exit) {
            ADD_FAILURE() << "no Exit item in the main window's File menu";
            Window1().Close();  // so that the program still ends
            return;
        }
        exit->trigger();
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(StartupAndShutdown, ClosingTheMainWindowEndsTheProgramWithItsOtherWindows) {
    bool aboutWasOpen = false;
    OnceRunning([&] {
        Window1().PushButton4().Push();
        aboutWasOpen = gui::Window::GetImplicitWindow("Window2.Window2") != nullptr;
        Window1().Close();
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(aboutWasOpen);
    EXPECT_TRUE(gui::Window::OpenWindows().empty());
}

TEST_F(StartupAndShutdown, VersionData) {
    Startup::NewAppInstance();
    const gui::Application* app = gui::RegisteredApp();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->MajorVersion(), 1);
    EXPECT_EQ(app->MinorVersion(), 0);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 0);
    EXPECT_EQ(app->LongVersion(), "");
    EXPECT_EQ(app->ShortVersion(), "");
    EXPECT_EQ(app->PackageInfo(), "");
    EXPECT_FALSE(dynamic_cast<const App&>(*app).IsEventImplemented("Open"));
    EXPECT_FALSE(dynamic_cast<const App&>(*app).IsEventImplemented("UnhandledException"));
}

}  // namespace
