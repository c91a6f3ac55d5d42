#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gui {

// One item of the application's menu bar: a command, a menu title holding further items, or a separator
// (the text "-"). "&" in the text marks the next letter as the access key.
class MenuItem {
  public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    void Name(std::string name) { name_ = std::move(name); }
    const std::string& Text() const { return text_; }
    void Text(std::string text) { text_ = std::move(text); }
    // The keyboard shortcut, e.g. "Ctrl+P"; empty for none.
    const std::string& CommandKey() const { return commandKey_; }
    void CommandKey(std::string key) { commandKey_ = std::move(key); }
    const std::optional<std::int64_t>& Index() const { return index_; }
    void Index(std::int64_t index) { index_ = index; }
    // Enabled whenever its command can run: a handler is bound, or the runtime has a default for it.
    bool AutoEnable() const { return autoEnable_; }
    void AutoEnable(bool on) { autoEnable_ = on; }
    bool Visible() const { return visible_; }
    void Visible(bool on) { visible_ = on; }

    bool IsSeparator() const { return text_ == "-"; }

    // Appends a child item at the end.
    void AddMenu(std::shared_ptr<MenuItem> item);
    // The child item of that name, or null.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    const std::vector<std::shared_ptr<MenuItem>>& Children() const { return children_; }

  private:
    std::string name_;
    std::string text_;
    std::string commandKey_;
    std::optional<std::int64_t> index_;
    bool autoEnable_ = false;
    bool visible_ = true;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

// The runtime's preferences command; it runs the handler bound to its name like any item.
class PrefsMenuItem : public MenuItem {};

// The runtime's quit command: it ends the application with no code of the program.
class QuitMenuItem : public MenuItem {};

// The application's one menu bar, shown in every window whose layout asks for it.
class MenuBar : public MenuItem {};

// Chooses an item as the user does: its handler in the front window, else in another open window; the
// quit item quits; an Edit item without a handler acts on the focused text field.
void ChooseMenuItem(const MenuItem& item);

}  // namespace gui
