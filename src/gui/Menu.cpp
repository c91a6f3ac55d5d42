#include "gui/Menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <map>

#include "gui/Application.h"
#include "gui/Runtime.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/Events.h"

namespace gui {

namespace {

// Room in pixels between a menu's top frame and a separator that begins the menu.
constexpr int kLeadingSeparatorGap = 4;

// One action per item, shared by the menu bars of all windows; they live as long as the application object.
struct Actions {
    QPointer<QObject> owner;
    std::map<const MenuItem*, QPointer<QAction>> byItem;
};

Actions& SharedActions() {
    static Actions actions;
    return actions;
}

QLineEdit* FocusedTextField() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

// What the runtime does for an Edit item that the program does not handle: act on the focused text field.
bool EditDefault(std::string_view name, bool run) {
    QLineEdit* field = FocusedTextField();
    if (!field) return false;
    const bool writable = !field->isReadOnly();
    if (name == "EditUndo") {
        if (run) field->undo();
        return field->isUndoAvailable();
    }
    if (name == "EditCut") {
        if (run) field->cut();
        return writable && field->hasSelectedText();
    }
    if (name == "EditCopy") {
        if (run) field->copy();
        return field->hasSelectedText();
    }
    if (name == "EditPaste") {
        if (run) field->paste();
        return writable && !QApplication::clipboard()->text().isEmpty();
    }
    if (name == "EditClear") {
        if (run) field->del();
        return writable && field->hasSelectedText();
    }
    if (name == "EditSelectAll") {
        if (run) field->selectAll();
        return !field->text().isEmpty();
    }
    return false;
}

// The open windows that may handle a command, the front window first.
std::vector<Window*> CommandTargets() {
    std::vector<Window*> targets;
    QWidget* active = QApplication::activeWindow();
    for (Window* w : Window::OpenWindows()) {
        if (WidgetOf(*w) == active)
            targets.insert(targets.begin(), w);
        else
            targets.push_back(w);
    }
    return targets;
}

bool CanRun(const MenuItem& item) {
    if (!item.AutoEnable()) return true;
    if (dynamic_cast<const QuitMenuItem*>(&item)) return true;
    for (Window* w : CommandTargets()) {
        if (w->HasMenuHandler(item.Name())) return true;
    }
    return EditDefault(item.Name(), false);
}

QAction* ActionFor(const MenuItem& item) {
    Actions& actions = SharedActions();
    if (!actions.owner) {
        actions.owner = new QObject(qApp);
        actions.byItem.clear();
    }
    QPointer<QAction>& action = actions.byItem[&item];
    if (!action) {
        action = new QAction(QString::fromStdString(item.Text()), actions.owner);
        if (!item.CommandKey().empty())
            action->setShortcut(QKeySequence(QString::fromStdString(item.CommandKey())));
        action->setVisible(item.Visible());
        action->setObjectName(QString::fromStdString(item.Name()));
        QObject::connect(action, &QAction::triggered, action,
                         [&item] { internal::RaiseEvent([&item] { ChooseMenuItem(item); }); });
    }
    return action;
}

void AddItems(QWidget& container, const MenuItem& parent) {
    for (const auto& child : parent.Children()) {
        if (child->IsSeparator()) {
            if (auto* menu = qobject_cast<QMenu*>(&container))
                menu->addSeparator()->setObjectName(QString::fromStdString(child->Name()));
            continue;
        }
        if (child->Children().empty()) {
            container.addAction(ActionFor(*child));
            continue;
        }
        auto* menu = new QMenu(QString::fromStdString(child->Text()), &container);
        menu->setObjectName(QString::fromStdString(child->Name()));
        // Every separator of the table shows, the leading one too; below the menu's frame, where the style
        // would draw it into the top border.
        menu->setSeparatorsCollapsible(false);
        if (!child->Children().empty() && child->Children().front()->IsSeparator())
            menu->setContentsMargins(0, kLeadingSeparatorGap, 0, 0);
        menu->menuAction()->setVisible(child->Visible());
        AddItems(*menu, *child);
        // Items look disabled while their command cannot run; between showings they stay enabled, so that
        // a shortcut always reaches the command, which then does nothing where it cannot run.
        const MenuItem* menuItem = child.get();
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menuItem] {
            for (const auto& item : menuItem->Children()) {
                if (!item->IsSeparator() && item->Children().empty())
                    ActionFor(*item)->setEnabled(CanRun(*item));
            }
        });
        QObject::connect(menu, &QMenu::aboutToHide, menu, [menuItem] {
            for (const auto& item : menuItem->Children()) {
                if (!item->IsSeparator() && item->Children().empty()) ActionFor(*item)->setEnabled(true);
            }
        });
        if (auto* bar = qobject_cast<QMenuBar*>(&container)) {
            bar->addMenu(menu);
        } else if (auto* outer = qobject_cast<QMenu*>(&container)) {
            outer->addMenu(menu);
        }
    }
}

}  // namespace

void MenuItem::AddMenu(std::shared_ptr<MenuItem> item) {
    if (!item) throw NilObjectError("a menu item that does not exist cannot be added");
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
    }
    return nullptr;
}

void ChooseMenuItem(const MenuItem& item) {
    if (dynamic_cast<const QuitMenuItem*>(&item)) {
        Quit(0);
        return;
    }
    for (Window* w : CommandTargets()) {
        if (w->HasMenuHandler(item.Name())) {
            w->RunMenuHandler(item.Name());
            return;
        }
    }
    EditDefault(item.Name(), true);
}

void InstallMenuBar(Window& window) {
    const Application* app = RegisteredApp();
    if (!app || !app->MenuBar()) return;
    QMainWindow* w = WidgetOf(window);
    auto* bar = new QMenuBar(w);
    AddItems(*bar, *app->MenuBar());
    w->setMenuBar(bar);
}

void ReleaseMenuActions() {
    Actions& actions = SharedActions();
    delete actions.owner.data();
    actions.byItem.clear();
}

}  // namespace gui
