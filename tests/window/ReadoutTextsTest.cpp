#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QToolTip>
#include <map>

#include "gui/internal/FittedText.h"
#include "support/MainWindowFixture.h"
#include "support/Shown.h"

namespace {

// Smallest size a fitted text may be drawn in and still be read with ease.
constexpr double kReadablePixels = 10;
constexpr int kReadableStretch = 75;

class ReadoutTexts : public MainWindowFixture {
  protected:
    std::vector<gui::TextField*> EventReadouts() const {
        return {&window->EditField10(), &window->EditField11(), &window->EditField12(),
                &window->EditField13(), &window->EditField6(),  &window->EditField7(),
                &window->EditField8(),  &window->EditField9()};
    }
    // The origin goes where a user drags it: a press on it, a drag, a release.
    void DragOriginTo(int x, int y) {
        Press(static_cast<int>(Globals::Nx), static_cast<int>(Globals::Ny));
        Drag(x, y);
        Release(x, y);
        ASSERT_EQ(Globals::Nx, x);
        ASSERT_EQ(Globals::Ny, y);
    }
    // Keeps, per field, the text that is widest in the field's own font.
    void KeepWidest(std::map<gui::TextField*, std::string>& widest, gui::TextField& field) const {
        const QFontMetricsF metrics(Widget(field)->font());
        const std::string text = field.Text();
        std::string& kept = widest[&field];
        if (metrics.horizontalAdvance(QString::fromStdString(text)) >
            metrics.horizontalAdvance(QString::fromStdString(kept))) {
            kept = text;
        }
    }
};

// The widest texts the common cases write (every units step, the time at both ends, presses at the canvas
// corners with the origin at each corner it can be dragged to, v/c at +-0.95 in both frames, every speed
// the slider gives) are drawn whole, inside each field's text room, at a readable size.
TEST_F(ReadoutTexts, TheWidestCommonTextsAreShownWhole) {
    std::map<gui::TextField*, std::string> widest;
    const int origins[][2] = {{21, 21}, {615, 21}, {21, 532}, {615, 532}};
    // (0, 0) would be the canvas's centre to QTest, which reads a null point so.
    const int presses[][2] = {{0, 1}, {635, 0}, {0, 552}, {635, 552}};
    for (const auto& origin : origins) {
        DragOriginTo(origin[0], origin[1]);
        for (int units = 0; units <= 9; ++units) {
            window->UnitSlider().Value(units);
            for (const int time : {0, 1000}) {
                window->TimeSlider().Value(time);
                KeepWidest(widest, window->EditField14());
            }
            for (const int speed : {1, 39}) {
                window->SpeedSlider().Value(speed);
                for (gui::RectControl* frame : {&window->RadioButton1(), &window->RadioButton2()}) {
                    Click(*frame);
                    for (const auto& press : presses) {
                        Press(press[0], press[1]);
                        NextPaint();
                        Release(press[0], press[1]);
                        for (gui::TextField* field : EventReadouts()) KeepWidest(widest, *field);
                    }
                }
            }
        }
    }
    for (int speed = 1; speed <= 39; ++speed) {
        window->SpeedSlider().Value(speed);
        for (gui::RectControl* frame : {&window->RadioButton2(), &window->RadioButton1()}) {
            Click(*frame);
            KeepWidest(widest, window->EditField2());
        }
    }
    ASSERT_EQ(widest.size(), 10u);
    EXPECT_EQ(widest[&window->EditField11()].size(), 12u)
        << "a distance such as -93087.50 km, at units step 9";

    for (const auto& [field, text] : widest) {
        field->Text(text);
        const ShownText shown = Shown(*field);
        EXPECT_EQ(shown.text, text) << field->Name();
        EXPECT_TRUE(shown.whole) << field->Name() << ": " << text;
        EXPECT_GE(shown.pixelSize, kReadablePixels) << field->Name() << ": " << text;
        EXPECT_GE(shown.stretch, kReadableStretch) << field->Name() << ": " << text;
    }
    Settle();
    ASSERT_TRUE(gui::WidgetOf(*window)->grab().save(TRAVIK_ARTIFACTS "/main-window-widest-readouts.png"));
}

// A speed so near light that no readable font holds its readouts: each shows its sign and leading digits
// and an ellipsis, the whole text is in the tooltip, and the text itself is untouched.
TEST_F(ReadoutTexts, ATextTooWideShowsItsBeginningAndAMark) {
    window->EditField2().Text("0.9999999999999999");
    ASSERT_EQ(Globals::sinPhi, 0.9999999999999999);
    Click(window->RadioButton2());
    Press(20, 300);
    NextPaint();
    Release(20, 300);
    const std::string whole = window->EditField10().Text();
    ASSERT_EQ(whole.substr(0, 1), "-") << whole;
    ASSERT_GT(whole.size(), 14u) << whole;

    for (gui::TextField* field : {&window->EditField10(), &window->EditField6(), &window->EditField13()}) {
        const std::string text = field->Text();
        const ShownText shown = Shown(*field);
        ASSERT_GE(shown.text.size(), 4u) << field->Name();
        EXPECT_EQ(shown.text.substr(0, 3), text.substr(0, 3)) << field->Name() << " shows " << shown.text;
        EXPECT_EQ(shown.text.substr(shown.text.size() - 3), "\xe2\x80\xa6")
            << field->Name() << ": " << shown.text;
        EXPECT_TRUE(shown.whole) << "the beginning and the mark lie inside the field";
        EXPECT_GE(shown.pixelSize, kReadablePixels);
    }

    auto* readout = static_cast<QLineEdit*>(Widget(window->EditField10()));
    QHelpEvent hover(QEvent::ToolTip, QPoint(10, 10), readout->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(readout, &hover);
    EXPECT_EQ(QToolTip::text().toStdString(), whole);
    QToolTip::hideText();

    readout->selectAll();
    readout->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), whole);
    EXPECT_EQ(window->EditField10().Text(), whole);

    // The speed of a frame switch after a typed speed: long, but narrower letters hold it whole.
    Click(window->RadioButton1());
    window->EditField2().Text("0.3333333333");
    Click(window->RadioButton2());
    const ShownText speed = Shown(window->EditField2());
    EXPECT_EQ(speed.text, "-0.3333333333");
    EXPECT_TRUE(speed.whole);

    Settle();
    ASSERT_TRUE(gui::WidgetOf(*window)->grab().save(TRAVIK_ARTIFACTS "/main-window-long-readouts.png"));
}

// A program write shows the text's beginning even in a field the user had clicked into; once the user types
// again, Qt's own editing view is back.
TEST_F(ReadoutTexts, AProgramWriteIntoAFocusedFieldShowsItsBeginning) {
    auto* readout = static_cast<QLineEdit*>(Widget(window->EditField10()));
    gui::WidgetOf(*window)->activateWindow();
    readout->setFocus();
    Settle();
    ASSERT_TRUE(readout->hasFocus());
    window->EditField10().Text("-1342177280.00 ns");
    EXPECT_EQ(Shown(window->EditField10()).text.substr(0, 4), "-134");
    QTest::keyClick(readout, Qt::Key_End);
    const ShownText typing = Shown(window->EditField10());
    EXPECT_FALSE(typing.whole) << "scrolled to the cursor at the end";
    EXPECT_EQ(typing.text.substr(typing.text.size() - 2), "ns") << typing.text;
}

// Every label's text fits its laid-out box at the application's font.
TEST_F(ReadoutTexts, LabelsFitTheirBoxes) {
    const auto labels = gui::WidgetOf(*window)->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 13);
    for (gui::RectControl* control : window->Controls()) {
        auto* label = dynamic_cast<gui::Label*>(control);
        if (!label) continue;
        const ShownText shown = Shown(*label);
        EXPECT_EQ(shown.text, label->Text()) << label->Name();
        EXPECT_TRUE(shown.whole) << label->Name();
        EXPECT_EQ(shown.stretch, 100) << label->Name() << " needed narrower letters";
        EXPECT_EQ(Widget(*label)->width(), label->Width()) << label->Name() << " grew";
    }
}

// The main window made while the application's font is 15 pixels high.
class ReadoutTextsInALargeFont : public ReadoutTexts {
  protected:
    void SetUp() override {
        const QFont original = QApplication::font();
        QFont large = original;
        large.setPixelSize(15);
        QApplication::setFont(large);
        ReadoutTexts::SetUp();
        QApplication::setFont(original);
    }
};

// With a larger font no label grows over the control beside it, and it shows its beginning.
TEST_F(ReadoutTextsInALargeFont, LabelsNeverCoverTheirNeighbours) {
    QWidget* label = Widget(window->StaticText13());
    QWidget* field = Widget(window->EditField6());
    ASSERT_EQ(label->font().pixelSize(), 15);
    EXPECT_FALSE(label->geometry().intersects(field->geometry()))
        << "\"that black clock there reads\" covers its field";
    EXPECT_EQ(field->parentWidget()->childAt(field->geometry().topLeft() + QPoint(3, 10)), field);
    const ShownText shown = Shown(window->StaticText13());
    EXPECT_EQ(shown.text.substr(0, 10), "that black");
    EXPECT_TRUE(shown.whole);
    Settle();
    ASSERT_TRUE(gui::WidgetOf(*window)->grab().save(TRAVIK_ARTIFACTS "/main-window-large-font.png"));
}

// A text of two million characters costs a repaint no more than a short one: the field hands the text engine
// the very characters it hands over for the text's bounded beginning alone, whether the program wrote the
// text or the user pasted it and types on (beyond what Qt's own line edit draws while the user types).
TEST_F(ReadoutTexts, AHugeTextHandsARepaintNoMoreThanItsBeginning) {
    // How the text gets into the field: written by the program, with the field focused or not, or pasted
    // over the field's text by a user who then goes on typing in it.
    enum class Entry { Written, WrittenFocused, Pasted };
    struct Case {
        const char* name;
        gui::TextField& field;
        qsizetype length;
        Entry entry;
    };
    const Case cases[] = {
        {"a readout the program writes", window->EditField10(), 2'000'000, Entry::Written},
        {"a focused readout the program writes", window->EditField10(), 2'000'000, Entry::WrittenFocused},
        {"the v/c field pasted into", window->EditField2(), 2'000'000, Entry::Pasted},
        {"the v/c field pasted into, just beyond what Qt draws", window->EditField2(), 4097, Entry::Pasted},
    };
    gui::WidgetOf(*window)->activateWindow();
    for (const Case& c : cases) {
        auto* field = static_cast<QLineEdit*>(Widget(c.field));
        const QString text = "0." + QString(c.length - 2, '3');
        field->clearFocus();
        c.field.Text(text.left(gui::kDrawnCharacters).toStdString());
        const ShownText beginning = Shown(c.field);
        ASSERT_EQ(beginning.text.substr(0, 4), "0.33") << c.name;

        if (c.entry != Entry::Written) field->setFocus();
        if (c.entry == Entry::Pasted) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else {
            c.field.Text(text.toStdString());
        }
        Settle();
        ASSERT_EQ(field->hasFocus(), c.entry != Entry::Written) << c.name;
        ASSERT_EQ(c.field.Text().size(), static_cast<std::size_t>(c.length)) << c.name << ": kept whole";
        const ShownText shown = Shown(c.field);
        EXPECT_LE(shown.handed, gui::kDrawnCharacters + 1) << c.name << ": the beginning and the mark";
        EXPECT_EQ(shown.handed, beginning.handed) << c.name;
        EXPECT_EQ(shown.text, beginning.text) << c.name;
    }
}

}  // namespace
