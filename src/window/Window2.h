#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "gui/Controls.h"
#include "gui/Window.h"

namespace gui {
class Picture;
}

class Window2;

// The about window: the open one, or a new one built and shown when none is open.
class Window2& Window2();

// The about window's picture, loaded once from the resources and kept; null while it cannot be found.
std::shared_ptr<gui::Picture> Pemo2020();

// The about window: a version and author text in a framed box, a link label under it and a picture
// beside it. It reads and changes no diagram state.
class Window2 final : public gui::Window {
    struct Key {
        explicit Key() = default;
    };
    friend class Window2& ::Window2();

  public:
    static constexpr std::string_view kClassName = "Window2.Window2";

    // The four lines of the about text, joined by CR LF.
    static const std::string kAboutText;
    // The web address as the label shows it, and as it is opened.
    static constexpr std::string_view kWebHost = "travik.example.org";
    static constexpr std::string_view kWebAddress = "http://travik.example.org";
    static constexpr std::string_view kMailAddress = "mailto:orvik.tabrusk@example.org";

    explicit Window2(Key);

    gui::Rectangle& Rectangle1() const;
    gui::Label& StaticText1() const;
    gui::Label& StaticText2() const;
    gui::Canvas& Canvas1() const;

    void StaticText2_MouseEnter(gui::Label& control);
    void StaticText2_MouseExit(gui::Label& control);
    bool StaticText2_MouseDown(gui::Label& control, std::int64_t x, std::int64_t y);
    void StaticText2_MouseUp(gui::Label& control, std::int64_t x, std::int64_t y);
    void Canvas1_MouseEnter(gui::Canvas& control);
    bool Canvas1_MouseDown(gui::Canvas& control, std::int64_t x, std::int64_t y);
    void Canvas1_MouseExit(gui::Canvas& control);
    void Canvas1_MouseUp(gui::Canvas& control, std::int64_t x, std::int64_t y);

    bool IsEventImplemented(std::string_view eventName) const;

  protected:
    void Layout() override;
    void CreateControls() override;

  private:
    void CreateControls0();
};

// The encoded layouts of the about window and its controls.
std::string Window2PropertyList();
std::string Window2ControlPropertyList(std::string_view controlName);
