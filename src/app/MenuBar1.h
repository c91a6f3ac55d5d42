#pragma once

#include <memory>

#include "gui/Menu.h"

class MenuBar1;

// The application's menu bar, built on the first call and the same object ever after.
std::shared_ptr<class MenuBar1> MenuBar1();

// The menu bar: "About ..." on the bar itself, the File menu and the Edit menu, built item by item.
class MenuBar1 final : public gui::MenuBar {
  public:
    MenuBar1();

    void Untitled0();
    void Untitled1();
    void Untitled2();
};
