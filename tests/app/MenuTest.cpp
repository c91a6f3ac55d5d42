#include <QClipboard>
#include <QImage>
#include <QLineEdit>

#include "app/MenuBar1.h"
#include "support/ApplicationFixture.h"

namespace {

class Menus : public ApplicationFixture {
  protected:
    QMenu* Menu(const char* name) const { return WidgetOf(*main)->menuBar()->findChild<QMenu*>(name); }
    // Opens a menu of the main window's bar as a click on its title does.
    QMenu* Open(const char* name) const {
        QMenu* menu = Menu(name);
        WidgetOf(*main)->menuBar()->setActiveAction(menu->menuAction());
        QApplication::processEvents();
        return menu;
    }
    // The names of the menu's commands that look enabled while it is open.
    QStringList EnabledWhileOpen(const char* name) const {
        QMenu* menu = Open(name);
        QStringList enabled;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator() && a->isEnabled()) enabled << a->objectName();
        }
        menu->hide();
        return enabled;
    }
};

TEST_F(Menus, TheMenuTableItemByItem) {
    const auto bar = MenuBar1();
    EXPECT_EQ(bar, MenuBar1()) << "built once, the same bar ever after";
    struct Row {
        const char* parent;
        const char* name;
        const char* kind;
        const char* text;
        const char* key;
        std::optional<std::int64_t> index;
    } rows[] = {
        {"", "aboutItem", "prefs", "About ...", "", {}},
        {"", "FileMenu", "item", "File", "", {}},
        {"FileMenu", "UntitledSeparator", "item", "-", "", {}},
        {"FileMenu", "FilePageSetup", "item", "Printer Setup ...", "", {}},
        {"FileMenu", "FilePrint", "item", "Print ...", "Ctrl+P", {}},
        {"FileMenu", "UntitledSeparator", "item", "-", "", 1},
        {"FileMenu", "FileQuit", "quit", "E&xit", "", {}},
        {"", "EditMenu", "item", "&Edit", "", {}},
        {"EditMenu", "EditUndo", "item", "&Undo", "Ctrl+Z", {}},
        {"EditMenu", "UntitledMenu1", "item", "-", "", {}},
        {"EditMenu", "EditCut", "item", "Cu&t", "Ctrl+X", {}},
        {"EditMenu", "EditCopy", "item", "&Copy", "Ctrl+C", {}},
        {"EditMenu", "EditPaste", "item", "&Paste", "Ctrl+V", {}},
        {"EditMenu", "EditClear", "item", "&Delete", "", {}},
        {"EditMenu", "UntitledMenu0", "item", "-", "", {}},
        {"EditMenu", "EditSelectAll", "item", "Select &All", "Ctrl+A", {}},
    };
    std::map<std::string, std::size_t> next;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const gui::MenuItem& parent = *(std::string_view(r.parent).empty() ? bar : bar->Child(r.parent));
        const std::size_t at = next[r.parent]++;
        ASSERT_LT(at, parent.Children().size());
        const gui::MenuItem& item = *parent.Children()[at];
        EXPECT_EQ(item.Name(), r.name);
        EXPECT_EQ(item.Text(), r.text);
        EXPECT_EQ(item.CommandKey(), r.key);
        EXPECT_EQ(item.Index(), r.index);
        EXPECT_TRUE(item.AutoEnable());
        EXPECT_TRUE(item.Visible());
        EXPECT_EQ(dynamic_cast<const gui::PrefsMenuItem*>(&item) != nullptr, std::string(r.kind) == "prefs");
        EXPECT_EQ(dynamic_cast<const gui::QuitMenuItem*>(&item) != nullptr, std::string(r.kind) == "quit");
    }
    EXPECT_EQ(bar->Children().size(), 3u);
    EXPECT_EQ(bar->Child("FileMenu")->Children().size(), 5u);
    EXPECT_EQ(bar->Child("EditMenu")->Children().size(), 8u);
    EXPECT_TRUE(bar->Child("aboutItem")->Children().empty()) << "About is a command right on the bar";
}

TEST_F(Menus, BothWindowsShowTheBar) {
    main->PushButton4().Push();
    for (gui::Window* w : std::vector<gui::Window*>{main, OpenAbout()}) {
        ASSERT_NE(w, nullptr);
        const QList<QAction*> top = WidgetOf(*w)->menuBar()->actions();
        ASSERT_EQ(top.size(), 3);
        EXPECT_EQ(top[0]->text(), "About ...");
        EXPECT_EQ(top[0]->menu(), nullptr);
        EXPECT_EQ(top[1]->text(), "File");
        EXPECT_EQ(top[2]->text(), "&Edit");
        QStringList file;
        for (QAction* a : top[1]->menu()->actions())
            file << (a->isSeparator() ? "-" : a->text() + "|" + a->shortcut().toString());
        EXPECT_EQ(file, QStringList({"-", "Printer Setup ...|", "Print ...|Ctrl+P", "-", "E&xit|"}));
        QStringList edit;
        for (QAction* a : top[2]->menu()->actions())
            edit << (a->isSeparator() ? "-" : a->text() + "|" + a->shortcut().toString());
        EXPECT_EQ(edit, QStringList({"&Undo|Ctrl+Z", "-", "Cu&t|Ctrl+X", "&Copy|Ctrl+C", "&Paste|Ctrl+V",
                                     "&Delete|", "-", "Select &All|Ctrl+A"}));
    }
    EXPECT_EQ(MenuAction(*main, "FilePrint"), MenuAction(*OpenAbout(), "FilePrint"))
        << "one command, two bars";
}

TEST_F(Menus, CommandsRunTheMainWindowsHandlers) {
    MenuAction(*main, "aboutItem")->trigger();
    ASSERT_NE(OpenAbout(), nullptr);
    // From the about window's bar too: the command goes to the window that handles it.
    int pageSetups = 0;
    gui::hooks::pageSetupDialog = [&](QPageLayout&) {
        ++pageSetups;
        return false;
    };
    MenuAction(*OpenAbout(), "FilePageSetup")->trigger();
    gui::hooks::pageSetupDialog = nullptr;
    EXPECT_EQ(pageSetups, 1);
    int prints = 0;
    gui::hooks::printDialog = [&](QPrinter&, bool) {
        ++prints;
        return false;
    };
    MenuAction(*main, "FilePrint")->trigger();
    gui::hooks::printDialog = nullptr;
    EXPECT_EQ(prints, 1);
    MenuAction(*main, "FileQuit")->trigger();
    EXPECT_EQ(quits, std::vector<int>{0});
    EXPECT_FALSE(main->aboutItem_Action()) << "menu handlers answer false";
}

TEST_F(Menus, EditItemsActOnTheFocusedTextField) {
    auto* field = static_cast<QLineEdit*>(WidgetOf(main->EditField2()));
    WidgetOf(*main)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(*main)));
    field->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), field);
    const auto choose = [&](const char* name) { MenuAction(*main, name)->trigger(); };

    choose("EditSelectAll");
    EXPECT_EQ(field->selectedText(), "0.6");
    QApplication::clipboard()->clear();
    choose("EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "0.6");
    choose("EditCut");
    EXPECT_EQ(main->EditField2().Text(), "");
    EXPECT_EQ(Globals::sinPhi, 0) << "a cut is a change of the text like any other";
    choose("EditPaste");
    EXPECT_EQ(main->EditField2().Text(), "0.6");
    EXPECT_EQ(Globals::sinPhi, 0.6);
    choose("EditUndo");
    EXPECT_EQ(main->EditField2().Text(), "");
    field->setText("0.25");
    field->selectAll();
    choose("EditClear");
    EXPECT_EQ(main->EditField2().Text(), "");

    // With no text field in focus they do nothing.
    field->setText("0.5");
    field->clearFocus();
    ASSERT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
    for (const char* name : {"EditSelectAll", "EditCut", "EditClear", "EditUndo", "EditPaste"}) choose(name);
    EXPECT_EQ(main->EditField2().Text(), "0.5");
}

TEST_F(Menus, TheFileMenusLeadingSeparatorIsDrawnBelowTheFrame) {
    QMenu* file = Open("FileMenu");
    ASSERT_TRUE(file->isVisible());
    const QImage picture = file->grab().toImage();
    file->hide();
    picture.save(TRAVIK_ARTIFACTS "/file-menu.png");
    const QList<QAction*> items = file->actions();
    ASSERT_TRUE(items[0]->isSeparator() && items[3]->isSeparator());
    const QRect first = file->actionGeometry(items[0]);
    const QRect second = file->actionGeometry(items[3]);
    const QRgb background = picture.pixel(picture.width() / 2, second.top() - 1);
    // The row of a separator's rectangle that holds its line: most of the row differs from the background.
    const auto lineRow = [&](const QRect& r) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            int ink = 0;
            for (int x = r.left(); x <= r.right(); ++x) ink += picture.pixel(x, y) != background;
            if (ink > r.width() / 2) return y;
        }
        return -1;
    };
    const int line = lineRow(first);
    const int between = lineRow(second);
    ASSERT_GT(between, 0);
    ASSERT_GT(line, 0) << "the leading separator has no line of its own, or draws it into the top frame";
    int clear = 0;
    for (int x = 0; x < picture.width(); ++x) clear += picture.pixel(x, line - 1) == background;
    EXPECT_GT(clear, picture.width() * 3 / 4) << "background between the frame and the line";
    EXPECT_EQ(picture.pixel(picture.width() / 2, line), picture.pixel(picture.width() / 2, between))
        << "drawn like the separator between the items";
    EXPECT_LT(line, file->actionGeometry(items[1]).top()) << "above \"Printer Setup ...\"";
}

TEST_F(Menus, ItemsLookEnabledWhileAMenuIsOpenOnlyWhereTheirCommandCanRun) {
    const QStringList file{"FilePageSetup", "FilePrint", "FileQuit"};
    EXPECT_EQ(EnabledWhileOpen("FileMenu"), file);

    auto* speed = static_cast<QLineEdit*>(WidgetOf(main->EditField2()));
    auto* time = static_cast<QLineEdit*>(WidgetOf(main->EditField14()));
    WidgetOf(*main)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(*main)));
    struct Case {
        const char* what;
        std::function<void()> arrange;
        QStringList enabled;
    } cases[] = {
        {"no text field in focus",
         [] {
             if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
         },
         {}},
        {"the speed field, nothing selected, empty clipboard",
         [&] {
             speed->setFocus();
             speed->deselect();
             QApplication::clipboard()->clear();
         },
         {"EditSelectAll"}},
        {"all of it selected",
         [&] { speed->selectAll(); },
         {"EditCut", "EditCopy", "EditClear", "EditSelectAll"}},
        {"text on the clipboard",
         [&] { QApplication::clipboard()->setText("0.5"); },
         {"EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}},
        {"after typing",
         [&] { QTest::keyClicks(speed, "0.25"); },
         {"EditUndo", "EditPaste", "EditSelectAll"}},
        {"the read-only time readout, selected",
         [&] {
             time->setFocus();
             time->selectAll();
         },
         {"EditCopy", "EditSelectAll"}},
    };
    for (const Case& c : cases) {
        c.arrange();
        EXPECT_EQ(EnabledWhileOpen("EditMenu"), c.enabled) << c.what;
        // Closed again, every item is enabled, so that its shortcut reaches the command.
        for (QAction* a : Menu("EditMenu")->actions()) EXPECT_TRUE(a->isEnabled()) << c.what;
    }
    EXPECT_EQ(EnabledWhileOpen("FileMenu"), file);
}

}  // namespace
