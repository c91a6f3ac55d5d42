#pragma once

#include <string_view>

#include "gui/Application.h"

// The application object. It handles no event of its own: what reaches it is the runtime's to handle.
class App final : public gui::Application {
  public:
    static constexpr std::string_view kClassName = "App";

    App();
    bool IsEventImplemented(std::string_view eventName) const;
};
