#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "gui/Application.h"
#include "gui/TestHooks.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/PrintHooks.h"
#include "gui/internal/Runtime.h"
#include "model/Globals.h"
#include "window/Window1.h"
#include "window/Window2.h"

// The program as start-up leaves it, without running the event loop: the application object with its menu
// bar, and the main window. Addresses handed to the desktop and quit requests are caught.
class ApplicationFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        gui::internal::DestroyAllWindows();
        Globals::SetDefaults();
        gui::hooks::unhandledError = [this](const std::string& text) { errors.push_back(text); };
        gui::hooks::showURL = [this](const std::string& address) { addresses.push_back(address); };
        gui::hooks::quit = [this](int code) { quits.push_back(code); };
        Startup::NewAppInstance();
        main = &Window1();
        QApplication::processEvents();
    }

    void TearDown() override {
        EXPECT_TRUE(errors.empty()) << "unhandled error: " << (errors.empty() ? "" : errors.front());
        gui::hooks::unhandledError = nullptr;
        gui::hooks::showURL = nullptr;
        gui::hooks::quit = nullptr;
        gui::RuntimePerformFinalizers();
        Globals::SetDefaults();
    }

    static QMainWindow* WidgetOf(const gui::Window& w) { return gui::WidgetOf(w); }
    static QWidget* WidgetOf(const gui::RectControl& c) { return gui::WidgetOf(c); }
    static class Window2* OpenAbout() {
        return dynamic_cast<class Window2*>(gui::Window::GetImplicitWindow("Window2.Window2"));
    }
    // The action of a menu item, as the menu bar of `window` shows it.
    static QAction* MenuAction(const gui::Window& window, const QString& name) {
        for (QAction* a : WidgetOf(window)->menuBar()->actions()) {
            if (a->objectName() == name) return a;
            if (QMenu* menu = a->menu()) {
                for (QAction* item : menu->actions()) {
                    if (item->objectName() == name) return item;
                }
            }
        }
        return nullptr;
    }

    // The message boxes on screen, found among the top-level widgets as the user sees them.
    static QList<QMessageBox*> ShownMessageBoxes() {
        QList<QMessageBox*> boxes;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) boxes << box;
        }
        return boxes;
    }

    class Window1* main = nullptr;
    std::vector<std::string> errors;
    std::vector<std::string> addresses;
    std::vector<int> quits;
};
