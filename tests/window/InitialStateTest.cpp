#include <QAbstractButton>
#include <QLineEdit>
#include <QSlider>
#include <cstring>

#include "gui/PropertyList.h"
#include "support/MainWindowFixture.h"

namespace {

class InitialState : public MainWindowFixture {};

TEST_F(InitialState, ControlsAndStateAgreeAndNoHandlerRan) {
    EXPECT_EQ(window->EditField2().Text(), "0.6");
    EXPECT_EQ(window->SpeedSlider().Value(), 32);
    EXPECT_EQ(window->UnitSlider().Value(), 3);
    EXPECT_EQ(window->TimeSlider().Value(), 572);
    EXPECT_EQ(window->EditField14().Text(), "10.00 ns");
    EXPECT_TRUE(window->RadioButton1().Value());
    EXPECT_FALSE(window->RadioButton2().Value());
    for (gui::CheckBox* box :
         {&window->CheckBox1(), &window->CheckBox2(), &window->CheckBox3(), &window->CheckBox4(),
          &window->CheckBox5(), &window->CheckBox6(), &window->CheckBox7()}) {
        EXPECT_FALSE(box->Value()) << box->Name();
    }
    EXPECT_EQ(window->BlackPosSlider().Value(), 1);
    EXPECT_EQ(window->RedPosSlider().Value(), 0);
    EXPECT_EQ(window->BlackLengthSlider().Value(), 6);
    EXPECT_EQ(window->RedLengthSlider().Value(), 6);
    for (gui::TextField* field :
         {&window->EditField6(), &window->EditField7(), &window->EditField8(), &window->EditField9(),
          &window->EditField10(), &window->EditField11(), &window->EditField12(), &window->EditField13()}) {
        EXPECT_EQ(field->Text(), "") << field->Name();
    }
    // Had the speed slider's handler run, the speed would be 32 / 20 - 1, which is not the double 0.6.
    EXPECT_EQ(Globals::sinPhi, 0.6);
    EXPECT_EQ(Globals::theTime, 72);
    EXPECT_EQ(Globals::stUnits, 3);
    EXPECT_EQ(Globals::ourSystem, 0);
    EXPECT_EQ(CanvasPaints(), 0);
    // Open ran InitGlobals.
    EXPECT_EQ(Globals::gw, 636);
    EXPECT_EQ(Globals::gh, 553);
    EXPECT_EQ(Globals::x_Val, 3);
    EXPECT_EQ(Globals::x_units, " m");
    EXPECT_EQ(Globals::y_val, 10);
    EXPECT_EQ(Globals::y_units, " ns");
    EXPECT_EQ(Globals::myBlackSys->sinPhiTime, -0.6);
    EXPECT_EQ(Globals::myRedSys->sinPhiSpace, -0.6);
    EXPECT_NE(Globals::myPrinterSetup, nullptr);
}

// The four diagram objects as InitGlobals creates them: colours, frame tilts, the object's frame and its
// position, length and switches.
void ExpectCreationValues() {
    using namespace Globals;
    ASSERT_TRUE(myBlackSys && myRedSys && myBlackThing && myRedThing);
    const struct {
        const char* name;
        const KoordSys& frame;
        gui::Color cl;
        double sinPhiTime, sinPhiSpace;
    } frames[] = {
        {"black frame", *myBlackSys, gui::RGB(0, 0, 0), -0.6, 0},
        {"red frame", *myRedSys, gui::RGB(255, 0, 0), 0, -0.6},
    };
    for (const auto& f : frames) {
        EXPECT_EQ(f.frame.cl, f.cl) << f.name;
        EXPECT_EQ(f.frame.sinPhiTime, f.sinPhiTime) << f.name;
        EXPECT_EQ(f.frame.sinPhiSpace, f.sinPhiSpace) << f.name;
    }
    const struct {
        const char* name;
        const Thing& thing;
        gui::Color cl;
        std::int64_t index, position;
    } objects[] = {
        {"black object", *myBlackThing, gui::RGB(100, 100, 100), 0, 2},
        {"red object", *myRedThing, gui::RGB(200, 0, 0), 1, 0},
    };
    for (const auto& o : objects) {
        EXPECT_EQ(o.thing.cl, o.cl) << o.name;
        EXPECT_EQ(o.thing.index, o.index) << o.name;
        EXPECT_EQ(o.thing.position, o.position) << o.name;
        EXPECT_EQ(o.thing.length, 144) << o.name;
        EXPECT_FALSE(o.thing.isVisible) << o.name;
        EXPECT_FALSE(o.thing.hasShadow) << o.name;
        EXPECT_FALSE(o.thing.hasTrace) << o.name;
    }
    EXPECT_NE(myPrinterSetup, nullptr);
}

TEST_F(InitialState, OpeningCreatesTheDiagramObjectsWithTheirCreationValues) {
    // A fresh main window, looked at before its first paint rewrites the objects from the controls.
    gui::internal::DestroyAllWindows();
    Globals::SetDefaults();
    window = &Window1();
    ExpectCreationValues();
}

TEST_F(InitialState, ASecondInitGlobalsMakesNewObjectsAndKeepsTheRest) {
    using namespace Globals;
    const auto blackSys = myBlackSys, redSys = myRedSys;
    const auto blackThing = myBlackThing, redThing = myRedThing;
    const auto printerSetup = myPrinterSetup;
    // A state far from the opening one: the units step changed without its units, both mouse modes on.
    Nx = 250;
    Ny = 350;
    sinPhi = -0.25;
    ourSystem = 1;
    theTime = -40;
    stUnits = 7;
    Mx = 12;
    My = 34;
    speedEditFlag = true;
    printerSetupDone = true;
    inProjectingMode = true;
    inKoordDragMode = true;
    gw = 1;
    gh = 2;

    InitGlobals();

    EXPECT_NE(myBlackSys, blackSys);
    EXPECT_NE(myRedSys, redSys);
    EXPECT_NE(myBlackThing, blackThing);
    EXPECT_NE(myRedThing, redThing);
    EXPECT_NE(myPrinterSetup, printerSetup);
    ExpectCreationValues();
    EXPECT_FALSE(inProjectingMode);
    EXPECT_FALSE(inKoordDragMode);
    EXPECT_EQ(x_Val, 30);
    EXPECT_EQ(x_units, " km");
    EXPECT_EQ(y_val, 100);
    EXPECT_EQ(y_units, " us");
    EXPECT_EQ(gw, 636);
    EXPECT_EQ(gh, 553);
    EXPECT_EQ(Nx, 250);
    EXPECT_EQ(Ny, 350);
    EXPECT_EQ(sinPhi, -0.25);
    EXPECT_EQ(ourSystem, 1);
    EXPECT_EQ(theTime, -40);
    EXPECT_EQ(stUnits, 7);
    EXPECT_EQ(Mx, 12);
    EXPECT_EQ(My, 34);
    EXPECT_TRUE(speedEditFlag);
    EXPECT_TRUE(printerSetupDone);
}

TEST_F(InitialState, EveryControlOfTheLayoutTable) {
    struct Row {
        const char* name;
        const char* cls;
        const char* parent;
        const char* text;
        int left, top, width, height;
    } rows[] = {
        {"Rectangle1", "Rectangle", "", "", 20, 20, 663, 583},
        {"Canvas1", "Canvas", "Rectangle1", "", 33, 35, 636, 553},
        {"GroupBox1", "GroupBox", "", "we think with", 703, 19, 171, 48},
        {"RadioButton1", "RadioButton", "GroupBox1", "black", 717, 42, 61, 20},
        {"RadioButton2", "RadioButton", "GroupBox1", "red", 796, 42, 46, 20},
        {"GroupBox2", "GroupBox", "", "relative speed", 702, 79, 171, 84},
        {"EditField2", "TextField", "GroupBox2", "0.6", 775, 107, 80, 22},
        {"StaticText1", "Label", "GroupBox2", "v/c", 731, 108, 32, 20},
        {"SpeedSlider", "Slider", "GroupBox2", "", 718, 138, 131, 16},
        {"GroupBox3", "GroupBox", "", "units", 687, 175, 171, 60},
        {"UnitSlider", "Slider", "GroupBox3", "", 703, 209, 131, 16},
        {"GroupBox4", "GroupBox", "", "black object", 703, 257, 171, 162},
        {"StaticText2", "Label", "GroupBox4", "Position", 719, 283, 56, 20},
        {"BlackPosSlider", "Slider", "GroupBox4", "", 796, 289, 41, 16},
        {"StaticText4", "Label", "GroupBox4", "Length", 719, 311, 45, 20},
        {"BlackLengthSlider", "Slider", "GroupBox4", "", 772, 317, 84, 16},
        {"CheckBox1", "CheckBox", "GroupBox4", "is visible", 719, 339, 100, 20},
        {"CheckBox2", "CheckBox", "GroupBox4", "has Trace", 719, 364, 100, 20},
        {"CheckBox3", "CheckBox", "GroupBox4", "has Shadow", 719, 390, 100, 20},
        {"GroupBox5", "GroupBox", "", "red object", 703, 441, 171, 162},
        {"StaticText3", "Label", "GroupBox5", "Position", 719, 467, 56, 20},
        {"RedPosSlider", "Slider", "GroupBox5", "", 796, 473, 41, 16},
        {"StaticText5", "Label", "GroupBox5", "Length", 719, 491, 45, 20},
        {"RedLengthSlider", "Slider", "GroupBox5", "", 776, 499, 84, 16},
        {"CheckBox4", "CheckBox", "GroupBox5", "is visible", 719, 523, 100, 20},
        {"CheckBox5", "CheckBox", "GroupBox5", "has Shadow", 719, 575, 100, 20},
        {"CheckBox6", "CheckBox", "GroupBox5", "has Trace", 719, 549, 100, 20},
        {"GroupBox6", "GroupBox", "", "the time", 620, 618, 254, 98},
        {"TimeSlider", "Slider", "GroupBox6", "", 636, 649, 224, 16},
        {"PushButton1", "PushButton", "GroupBox6", "back", 636, 677, 59, 20},
        {"PushButton2", "PushButton", "GroupBox6", "ahead", 806, 677, 59, 20},
        {"EditField14", "TextField", "GroupBox6", "10.00 ns", 715, 677, 73, 20},
        {"GroupBox7", "GroupBox", "", "black says", 20, 618, 275, 143},
        {"StaticText7", "Label", "GroupBox7", "all my clocks read then", 32, 645, 157, 20},
        {"StaticText8", "Label", "GroupBox7", "my event position", 32, 674, 134, 20},
        {"StaticText9", "Label", "GroupBox7", "that red clock there reads", 32, 702, 181, 20},
        {"StaticText10", "Label", "GroupBox7", "red's event position", 32, 730, 167, 20},
        {"EditField10", "TextField", "GroupBox7", "", 218, 646, 68, 20},
        {"EditField11", "TextField", "GroupBox7", "", 218, 673, 68, 20},
        {"EditField12", "TextField", "GroupBox7", "", 218, 702, 68, 20},
        {"EditField13", "TextField", "GroupBox7", "", 218, 730, 68, 20},
        {"GroupBox8", "GroupBox", "", "red says", 320, 618, 275, 143},
        {"StaticText11", "Label", "GroupBox8", "all my clocks read then", 334, 702, 167, 20},
        {"EditField6", "TextField", "GroupBox8", "", 513, 644, 68, 20},
        {"StaticText12", "Label", "GroupBox8", "my event position", 334, 730, 134, 20},
        {"StaticText13", "Label", "GroupBox8", "that black clock there reads", 334, 646, 175, 20},
        {"StaticText14", "Label", "GroupBox8", "black's event position", 334, 673, 175, 20},
        {"EditField7", "TextField", "GroupBox8", "", 513, 672, 68, 20},
        {"EditField8", "TextField", "GroupBox8", "", 513, 701, 68, 20},
        {"EditField9", "TextField", "GroupBox8", "", 513, 730, 68, 19},
        {"PushButton3", "PushButton", "", "Quit", 812, 738, 58, 20},
        {"CheckBox7", "CheckBox", "", "show light cone", 620, 738, 126, 20},
        {"PushButton4", "PushButton", "", "About", 745, 738, 58, 20},
    };
    const auto controls = window->Controls();
    ASSERT_EQ(controls.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.name);
        gui::RectControl& c = window->ControlByName(r.name);
        EXPECT_EQ(controls[i], &c) << "creation order";
        EXPECT_EQ(c.Name(), r.name);
        EXPECT_EQ(&window->ControlByName(r.name), &c) << "the same control at every call";
        EXPECT_EQ((std::vector<std::int64_t>{c.Left(), c.Top(), c.Width(), c.Height()}),
                  (std::vector<std::int64_t>{r.left, r.top, r.width, r.height}));
        EXPECT_EQ(c.Parent() ? c.Parent()->Name() : "", r.parent);
        const std::string cls = r.cls;
        std::string text;
        if (auto* g = dynamic_cast<gui::GroupBox*>(&c)) text = g->Caption();
        if (auto* b = dynamic_cast<gui::RadioButton*>(&c)) text = b->Caption();
        if (auto* b = dynamic_cast<gui::CheckBox*>(&c)) text = b->Caption();
        if (auto* b = dynamic_cast<gui::PushButton*>(&c)) text = b->Caption();
        if (auto* l = dynamic_cast<gui::Label*>(&c)) text = l->Text();
        if (auto* f = dynamic_cast<gui::TextField*>(&c)) text = f->Text();
        EXPECT_EQ(text, r.text);
        const bool classMatches = (cls == "Rectangle" && dynamic_cast<gui::Rectangle*>(&c)) ||
                                  (cls == "Canvas" && dynamic_cast<gui::Canvas*>(&c)) ||
                                  (cls == "GroupBox" && dynamic_cast<gui::GroupBox*>(&c)) ||
                                  (cls == "RadioButton" && dynamic_cast<gui::RadioButton*>(&c)) ||
                                  (cls == "TextField" && dynamic_cast<gui::TextField*>(&c)) ||
                                  (cls == "Label" && dynamic_cast<gui::Label*>(&c)) ||
                                  (cls == "Slider" && dynamic_cast<gui::Slider*>(&c)) ||
                                  (cls == "CheckBox" && dynamic_cast<gui::CheckBox*>(&c)) ||
                                  (cls == "PushButton" && dynamic_cast<gui::PushButton*>(&c));
        EXPECT_TRUE(classMatches) << "class " << cls;
        // Placed at its window coordinates whatever its container.
        QWidget* w = Widget(c);
        EXPECT_EQ(w->mapTo(gui::WidgetOf(*window)->centralWidget(), QPoint(0, 0)), QPoint(r.left, r.top));
        EXPECT_EQ(w->size(), QSize(r.width, r.height));
    }
    EXPECT_THROW(window->ControlByName("NoSuchControl"), gui::NilObjectError);
    EXPECT_THROW(window->ControlByName<gui::Slider>("Canvas1"), gui::TypeMismatchError);
}

TEST_F(InitialState, TheWindowItself) {
    QMainWindow* w = gui::WidgetOf(*window);
    EXPECT_EQ(window->Title(), "Travik Diagram");
    EXPECT_EQ(w->centralWidget()->size(), QSize(894, 781));
    EXPECT_TRUE(w->isVisible());
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowFullscreenButtonHint);
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "a fixed size";
    EXPECT_EQ(&Window1(), window) << "one main window";
    EXPECT_EQ(gui::Window::OpenWindows().size(), 1u);
    EXPECT_TRUE(window->IsEventImplemented("Open"));
    EXPECT_TRUE(window->IsEventImplemented("Layout"));
    EXPECT_TRUE(window->IsEventImplemented("CreateControls"));
    EXPECT_TRUE(window->IsEventImplemented("AddMenuHandlers"));
    EXPECT_FALSE(window->IsEventImplemented("Paint"));
    EXPECT_FALSE(window->IsEventImplemented("Close"));
}

TEST_F(InitialState, ControlKinds) {
    EXPECT_EQ(Widget(window->Canvas1())->focusPolicy(), Qt::NoFocus) << "the canvas takes no focus";
    auto* speed = static_cast<QLineEdit*>(Widget(window->EditField2()));
    auto* time = static_cast<QLineEdit*>(Widget(window->EditField14()));
    auto* readout = static_cast<QLineEdit*>(Widget(window->EditField9()));
    EXPECT_TRUE(speed->hasFrame());
    EXPECT_FALSE(speed->isReadOnly());
    EXPECT_EQ(speed->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_FALSE(time->hasFrame());
    EXPECT_TRUE(time->isReadOnly());
    EXPECT_TRUE(time->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(time->palette().color(QPalette::Base), QColor(216, 216, 216));
    EXPECT_FALSE(readout->hasFrame());
    EXPECT_FALSE(readout->isReadOnly()) << "the event readouts stay editable";
    EXPECT_EQ(readout->palette().color(QPalette::Base), QColor(216, 216, 216));
    auto* timeSlider = static_cast<QSlider*>(Widget(window->TimeSlider()));
    EXPECT_EQ(timeSlider->minimum(), 0);
    EXPECT_EQ(timeSlider->maximum(), 1000);
    EXPECT_EQ(timeSlider->pageStep(), 24);
    EXPECT_EQ(timeSlider->tickPosition(), QSlider::NoTicks);
    EXPECT_EQ(static_cast<QSlider*>(Widget(window->UnitSlider()))->tickPosition(), QSlider::TicksBelow);
    EXPECT_TRUE(window->PushButton4().Cancel());
    for (gui::PushButton* b :
         {&window->PushButton1(), &window->PushButton2(), &window->PushButton3(), &window->PushButton4()}) {
        EXPECT_FALSE(b->Default()) << b->Name();
    }
    EXPECT_FALSE(window->PushButton3().Cancel());
    // The radio buttons exclude each other within their group.
    static_cast<QAbstractButton*>(Widget(window->RadioButton2()))->setChecked(true);
    EXPECT_FALSE(window->RadioButton1().Value());
}

TEST_F(InitialState, TabOrderInTheRedObjectGroupFollowsCreation) {
    QWidget* box4 = Widget(window->CheckBox4());
    QWidget* box5 = Widget(window->CheckBox5());
    QWidget* box6 = Widget(window->CheckBox6());
    EXPECT_EQ(box4->nextInFocusChain(), box5) << "the bottom box comes before the middle one";
    EXPECT_EQ(box5->nextInFocusChain(), box6);
    EXPECT_GT(box5->y(), box6->y());
}

// An independent encoder for the expected bytes: name, blank, value.
std::string Entry(const std::string& name, const std::string& value) {
    return name + " " + value;
}
std::string Int(std::int64_t v) {
    std::string bytes(8, '\0');
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<char>((static_cast<std::uint64_t>(v) >> (8 * i)) & 0xFF);
    return bytes;
}
std::string Text(const std::string& text) {
    const auto n = static_cast<std::uint32_t>(text.size());
    std::string bytes{static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                      static_cast<char>((n >> 16) & 0xFF), static_cast<char>(n >> 24)};
    return bytes + text;
}
std::string Bool(bool b) {
    return std::string(1, b ? '\1' : '\0');
}
std::string Colour(int r, int g, int b) {
    return std::string{static_cast<char>(b), static_cast<char>(g), static_cast<char>(r), '\0'};
}
std::string Single(float f) {
    std::string bytes(4, '\0');
    std::memcpy(bytes.data(), &f, 4);
    return bytes;
}

std::string CommonRun(const std::string& name, int left, int top, int width, int height, int tabIndex) {
    return Entry("Name", Text(name)) + Entry("Index", Int(-2147483648LL)) + Entry("Left", Int(left)) +
           Entry("Top", Int(top)) + Entry("Width", Int(width)) + Entry("Height", Int(height)) +
           Entry("LockLeft", Bool(false)) + Entry("LockTop", Bool(false)) + Entry("LockRight", Bool(false)) +
           Entry("LockBottom", Bool(false)) + Entry("TabIndex", Int(tabIndex)) +
           Entry("TabPanelIndex", Int(0)) + Entry("TabStop", Bool(true)) +
           Entry("AllowAutoDeactivate", Bool(true));
}

TEST(Window1Layout, PropertyListsByteForByte) {
    const std::string window =
        Entry("Width", Int(894)) + Entry("Height", Int(781)) + Entry("MinimumWidth", Int(64)) +
        Entry("MinimumHeight", Int(64)) + Entry("MaximumWidth", Int(32000)) +
        Entry("MaximumHeight", Int(32000)) + Entry("Type", Int(0)) + Entry("Title", Text("Travik Diagram")) +
        Entry("HasCloseButton", Bool(true)) + Entry("HasMaximizeButton", Bool(false)) +
        Entry("HasMinimizeButton", Bool(true)) + Entry("HasFullScreenButton", Bool(false)) +
        Entry("Resizeable", Bool(false)) + Entry("Composite", Bool(false)) + Entry("MacProcID", Int(0)) +
        Entry("FullScreen", Bool(false)) + Entry("DefaultLocation", Int(2)) + Entry("Visible", Bool(true)) +
        Entry("HasBackgroundColor", Bool(false)) + "BackgroundColor \xFF\xFF\xFF" + std::string(1, '\0') +
        Entry("MenuBarVisible", Bool(true)) + Entry("LiveResize", Bool(true));
    EXPECT_EQ(Window1PropertyList(), window);

    const std::string canvas = CommonRun("Canvas1", 33, 35, 636, 553, 0) + Entry("Enabled", Bool(true)) +
                               Entry("Tooltip", Text("")) + Entry("AllowFocusRing", Bool(true)) +
                               Entry("Visible", Bool(true)) + Entry("AllowFocus", Bool(false)) +
                               Entry("AllowTabs", Bool(false)) + Entry("Transparent", Bool(true)) +
                               Entry("DoubleBuffer", Bool(false)) + Entry("Transparent", Bool(true)) +
                               Entry("InitialParent", Text("Rectangle1"));
    EXPECT_EQ(Window1ControlPropertyList("Canvas1"), canvas);

    const std::string timeSlider =
        CommonRun("TimeSlider", 636, 649, 224, 16, 0) + Entry("Enabled", Bool(true)) +
        Entry("Tooltip", Text("")) + Entry("Transparent", Bool(true)) + Entry("Visible", Bool(true)) +
        Entry("Value", Int(572)) + Entry("MinimumValue", Int(0)) + Entry("MaximumValue", Int(1000)) +
        Entry("LineStep", Int(1)) + Entry("AllowLiveScrolling", Bool(true)) + Entry("PageStep", Int(24)) +
        Entry("TickMarkStyle", Int(0)) + Entry("InitialParent", Text("GroupBox6"));
    EXPECT_EQ(Window1ControlPropertyList("TimeSlider"), timeSlider);

    const std::string timeReadout =
        CommonRun("EditField14", 715, 677, 73, 20, 3) + Entry("BackgroundColor", Colour(216, 216, 216)) +
        Entry("HasBorder", Bool(false)) + Entry("Enabled", Bool(true)) + Entry("Format", Text("")) +
        Entry("Tooltip", Text("")) + Entry("Password", Bool(false)) + Entry("TextColor", Colour(0, 0, 0)) +
        Entry("Transparent", Bool(true)) + Entry("AllowFocusRing", Bool(false)) +
        Entry("Visible", Bool(true)) + Entry("FontName", Text("System")) + Entry("FontSize", Single(0)) +
        "FontUnit " + std::string(1, '\0') + Entry("Bold", Bool(false)) + Entry("Italic", Bool(false)) +
        Entry("Underline", Bool(false)) + Entry("Hint", Text("")) + Entry("Value", Text("10.00 ns")) +
        Entry("AllowTabs", Bool(false)) + Entry("TextAlignment", Int(2)) +
        Entry("AllowSpellChecking", Bool(false)) + Entry("MaximumCharactersAllowed", Int(0)) +
        Entry("ValidationMask", Text("")) + Entry("ReadOnly", Bool(true)) + Entry("DataSource", Text("")) +
        Entry("DataField", Text("")) + Entry("InitialParent", Text("GroupBox6"));
    EXPECT_EQ(Window1ControlPropertyList("EditField14"), timeReadout);

    // The About button is the one with locks, the cancel role and no transparency.
    const std::string about = Window1ControlPropertyList("PushButton4");
    EXPECT_NE(about.find(Entry("LockLeft", Bool(true)) + Entry("LockTop", Bool(true))), std::string::npos);
    EXPECT_NE(about.find(Entry("Cancel", Bool(true))), std::string::npos);
    EXPECT_NE(about.find(Entry("Transparent", Bool(false))), std::string::npos);
    // Every list applies cleanly to a control of its class: the reader knows every name the writer uses.
    EXPECT_THROW(Window1ControlPropertyList("Canvas2"), gui::NilObjectError);
}

}  // namespace
