#include "app/MenuBar1.h"

#include <optional>
#include <string>

#include "gui/Errors.h"

namespace {

// The one bar; set once its construction has returned, so a failed build leaves it empty.
std::shared_ptr<class MenuBar1> implicitInstance;

template <class Item>
std::shared_ptr<Item> MakeItem(const char* name, const char* text, const char* commandKey,
                               std::optional<std::int64_t> index = std::nullopt) {
    auto item = std::make_shared<Item>();
    item->Name(name);
    item->AutoEnable(true);
    if (index) item->Index(*index);
    item->Text(text);
    item->Visible(true);
    if (!item->IsSeparator()) item->CommandKey(commandKey);
    return item;
}

gui::MenuItem& Menu(const gui::MenuBar& bar, const char* name) {
    const auto menu = bar.Child(name);
    if (!menu) throw gui::NilObjectError(std::string("the menu bar has no menu \"") + name + "\"");
    return *menu;
}

}  // namespace

std::shared_ptr<class MenuBar1> MenuBar1() {
    if (implicitInstance) return implicitInstance;
    auto bar = std::make_shared<class MenuBar1>();
    implicitInstance = bar;
    return bar;
}

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0() {
    AddMenu(MakeItem<gui::PrefsMenuItem>("aboutItem", "About ...", ""));
}

void MenuBar1::Untitled1() {
    AddMenu(MakeItem<gui::MenuItem>("FileMenu", "File", ""));
    Menu(*this, "FileMenu").AddMenu(MakeItem<gui::MenuItem>("UntitledSeparator", "-", ""));
    Menu(*this, "FileMenu").AddMenu(MakeItem<gui::MenuItem>("FilePageSetup", "Printer Setup ...", ""));
    Menu(*this, "FileMenu").AddMenu(MakeItem<gui::MenuItem>("FilePrint", "Print ...", "Ctrl+P"));
    Menu(*this, "FileMenu").AddMenu(MakeItem<gui::MenuItem>("UntitledSeparator", "-", "", 1));
    Menu(*this, "FileMenu").AddMenu(MakeItem<gui::QuitMenuItem>("FileQuit", "E&xit", ""));
}

void MenuBar1::Untitled2() {
    AddMenu(MakeItem<gui::MenuItem>("EditMenu", "&Edit", ""));
    Menu(*this, "EditMenu").AddMenu(MakeItem<gui::MenuItem>("EditUndo", "&Undo", "Ctrl+Z"));
    Menu(*this, "EditMenu").AddMenu(MakeItem<gui::MenuItem>("UntitledMenu1", "-", ""));
    Menu(*this, "EditMenu").AddMenu(MakeItem<gui::MenuItem>("EditCut", "Cu&t", "Ctrl+X"));
    Menu(*this, "EditMenu").AddMenu(MakeItem<gui::MenuItem>("EditCopy", "&Copy", "Ctrl+C"));
    Menu(*this, "EditMenu").AddMenu(MakeItem<gui::MenuItem>("EditPaste", "&Paste", "Ctrl+V"));
    Menu(*this, "EditMenu").AddMenu(MakeItem<gui::MenuItem>("EditClear", "&Delete", ""));
    Menu(*this, "EditMenu").AddMenu(MakeItem<gui::MenuItem>("UntitledMenu0", "-", ""));
    Menu(*this, "EditMenu").AddMenu(MakeItem<gui::MenuItem>("EditSelectAll", "Select &All", "Ctrl+A"));
}
