#include <QEnterEvent>
#include <QLabel>

#include "gui/Picture.h"
#include "support/ApplicationFixture.h"

namespace {

class AboutWindow : public ApplicationFixture {
  protected:
    static void Enter(QWidget* w) {
        QEnterEvent enter(QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), w->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(w, &enter);
    }
    static void Leave(QWidget* w) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, &leave);
    }
};

TEST_F(AboutWindow, OneWindowBroughtToTheFrontByButtonMenuAndEscape) {
    main->PushButton4().Push();
    class Window2* about = OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(WidgetOf(*about)->isVisible());
    main->PushButton4().Push();
    EXPECT_EQ(OpenAbout(), about);
    EXPECT_FALSE(main->aboutItem_Action());
    EXPECT_EQ(OpenAbout(), about);
    EXPECT_EQ(gui::Window::OpenWindows().size(), 2u);

    about->Close();
    EXPECT_EQ(OpenAbout(), nullptr);
    WidgetOf(*main)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(*main)));
    QTest::keyClick(WidgetOf(*main), Qt::Key_Escape);
    EXPECT_NE(OpenAbout(), nullptr) << "Escape presses About, the main window's cancel button";
}

TEST_F(AboutWindow, TheWindowAndItsControls) {
    class Window2& about = Window2();
    EXPECT_EQ(about.Title(), "about Travik");
    EXPECT_EQ(WidgetOf(about)->centralWidget()->size(), QSize(545, 328));
    const Qt::WindowFlags flags = WidgetOf(about)->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(about.IsEventImplemented("Layout"));
    EXPECT_TRUE(about.IsEventImplemented("CreateControls"));
    EXPECT_FALSE(about.IsEventImplemented("Open"));
    struct Row {
        const char* name;
        int left, top, width, height;
        const char* parent;
    } rows[] = {{"Rectangle1", 43, 36, 203, 251, ""},
                {"StaticText1", 55, 43, 162, 83, "Rectangle1"},
                {"StaticText2", 55, 228, 87, 27, "Rectangle1"},
                {"Canvas1", 304, 36, 194, 251, ""}};
    for (const Row& r : rows) {
        gui::RectControl& c = about.ControlByName(r.name);
        EXPECT_EQ((std::vector<std::int64_t>{c.Left(), c.Top(), c.Width(), c.Height()}),
                  (std::vector<std::int64_t>{r.left, r.top, r.width, r.height}))
            << r.name;
        EXPECT_EQ(c.Parent() ? c.Parent()->Name() : "", r.parent) << r.name;
    }
    EXPECT_NE(&about.Canvas1(), &main->Canvas1()) << "the same names, other controls";
    EXPECT_EQ(about.StaticText2().Text(), "travik.example.org");
    auto* link = static_cast<QLabel*>(WidgetOf(about.StaticText2()));
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 64, 128));
    // Both texts can be read whole, though the host name and the wrapped lines need more than their boxes.
    EXPECT_GE(link->width(), link->fontMetrics().horizontalAdvance(link->text()));
    auto* text = static_cast<QLabel*>(WidgetOf(about.StaticText1()));
    EXPECT_GE(text->height(), text->heightForWidth(text->width()));
    EXPECT_EQ(about.StaticText2().Width(), 87) << "the laid-out size is unchanged";
    QApplication::processEvents();
    ASSERT_TRUE(WidgetOf(about)->grab().save(TRAVIK_ARTIFACTS "/about-window.png"));
}

TEST_F(AboutWindow, TheAboutTextHasFourLines) {
    const std::string text = Window2().StaticText1().Text();
    EXPECT_EQ(text, Window2::kAboutText);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Windows  64 bit  version 1.6");
    EXPECT_NE(lines[1].find("Qt"), std::string::npos);
    EXPECT_TRUE(lines[1].ends_with("Feb 2020"));
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "orvik tabrusk");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << "no line feed without its carriage return";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 3);
}

TEST_F(AboutWindow, PictureLoadedOnceAndKeptForLaterWindows) {
    const std::shared_ptr<gui::Picture> picture = Pemo2020();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 194);
    EXPECT_EQ(picture->Height(), 251);
    Window2();
    EXPECT_EQ(OpenAbout()->Canvas1().Backdrop(), picture);
    OpenAbout()->StaticText2().MouseCursor(gui::MouseCursor::FingerPointer);
    OpenAbout()->Close();
    class Window2& again = Window2();
    EXPECT_EQ(again.StaticText2().MouseCursor(), gui::MouseCursor::StandardPointer) << "built afresh";
    EXPECT_EQ(again.Canvas1().Backdrop(), picture) << "the same picture, not loaded again";
}

// The picture shows the pixels drawn for the screen's device pixel ratio, at its own size in the layout: at
// ratio 2 those of the picture with twice the pixels, not the small one scaled up.
TEST_F(AboutWindow, PictureShowsThePixelsDrawnForTheScreensRatio) {
    class Window2& about = Window2();
    QApplication::processEvents();
    QWidget* picture = WidgetOf(about.Canvas1());
    const int ratio = static_cast<int>(picture->devicePixelRatio());
    ASSERT_TRUE(picture->devicePixelRatio() == 1 || picture->devicePixelRatio() == 2)
        << "the tests run at ratios 1 and 2, not " << picture->devicePixelRatio();
    const QImage drawn(ratio == 2 ? ":/Pemo2020@2x.jpg" : ":/Pemo2020.jpg");
    ASSERT_EQ(drawn.size(), QSize(194, 251) * ratio);

    const QImage window = WidgetOf(about)->grab().toImage();
    ASSERT_TRUE(window.save(QStringLiteral(TRAVIK_ARTIFACTS "/about-window-at-ratio-%1.png").arg(ratio)));
    ASSERT_EQ(window.size(), WidgetOf(about)->size() * ratio);
    const QRect area(picture->mapTo(WidgetOf(about), QPoint(0, 0)) * ratio, picture->size() * ratio);
    const QImage shown = window.copy(area).convertToFormat(QImage::Format_RGB32);
    const QImage wanted = drawn.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < wanted.height(); ++y) {
        for (int x = 0; x < wanted.width(); ++x) differing += shown.pixel(x, y) != wanted.pixel(x, y);
    }
    EXPECT_EQ(differing, 0) << "at device pixel ratio " << ratio;
}

TEST_F(AboutWindow, PointingHandOverTheTwoLinksOnly) {
    class Window2& about = Window2();
    for (gui::RectControl* c : std::vector<gui::RectControl*>{&about.StaticText2(), &about.Canvas1()}) {
        Enter(WidgetOf(*c));
        EXPECT_EQ(c->MouseCursor(), gui::MouseCursor::FingerPointer) << c->Name();
        EXPECT_EQ(WidgetOf(*c)->cursor().shape(), Qt::PointingHandCursor) << c->Name();
        Leave(WidgetOf(*c));
        EXPECT_EQ(c->MouseCursor(), gui::MouseCursor::StandardPointer) << c->Name();
    }
    Enter(WidgetOf(about.StaticText1()));
    EXPECT_EQ(about.StaticText1().MouseCursor(), gui::MouseCursor::StandardPointer);
    EXPECT_EQ(about.Rectangle1().MouseCursor(), gui::MouseCursor::StandardPointer);
}

TEST_F(AboutWindow, ReleasesOpenTheLinksWhereverThePointerIs) {
    class Window2& about = Window2();
    QWidget* link = WidgetOf(about.StaticText2());
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-200, 300));
    QWidget* picture = WidgetOf(about.Canvas1());
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(90, 120));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(addresses,
              (std::vector<std::string>{"http://travik.example.org", "mailto:orvik.tabrusk@example.org",
                                        "http://travik.example.org"}));
}

TEST_F(AboutWindow, AnAddressNothingCanOpenIsShownForCopying) {
    // The desktop itself answers: the offscreen platform has no program for any address.
    gui::hooks::showURL = nullptr;
    // The address as the user can select and copy it from the message.
    const auto selectable = [](QMessageBox* box) {
        auto* text = box->findChild<QLabel*>("qt_msgbox_label");
        if (!text || !(text->textInteractionFlags() & Qt::TextSelectableByMouse)) return QString();
        text->setSelection(0, static_cast<int>(text->text().size()));
        return text->selectedText();
    };
    class Window2& about = Window2();
    QWidget* link = WidgetOf(about.StaticText2());
    QWidget* picture = WidgetOf(about.Canvas1());
    ASSERT_TRUE(ShownMessageBoxes().isEmpty());

    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(ShownMessageBoxes().size(), 1);
    EXPECT_TRUE(selectable(ShownMessageBoxes()[0]).contains("http://travik.example.org"))
        << selectable(ShownMessageBoxes()[0]).toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the windows stay usable";

    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(90, 120));
    ASSERT_EQ(ShownMessageBoxes().size(), 1) << "one message, brought forward";
    EXPECT_TRUE(selectable(ShownMessageBoxes()[0]).contains("mailto:orvik.tabrusk@example.org"));

    ShownMessageBoxes()[0]->close();
    QApplication::processEvents();
    ASSERT_TRUE(ShownMessageBoxes().isEmpty());
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(ShownMessageBoxes().size(), 1) << "every click tells the user";
    EXPECT_TRUE(selectable(ShownMessageBoxes()[0]).contains("http://travik.example.org"));
    delete ShownMessageBoxes()[0];
}

}  // namespace
