#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <stdexcept>

#include "gui/PropertyList.h"
#include "gui/TestHooks.h"
#include "gui/Window.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/Runtime.h"
#include "support/PaintCounter.h"

namespace {

std::string ControlList(const char* name, int left, int top) {
    gui::PropertyListWriter list;
    list.Text("Name", name)
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", 80)
        .Integer("Height", 20);
    return list.Bytes();
}

// A small window of the kind the program builds, recording the runtime's calls into it.
class ProbeWindow final : public gui::Window {
  public:
    ProbeWindow() : gui::Window("Probe.Probe") {}

    std::vector<std::string> events;
    bool openFoundItself = false;
    bool failOpen = false;
    int paints = 0;

    gui::Slider& Slider() { return ControlByName<gui::Slider>("Slider1"); }
    gui::PushButton& Button() { return ControlByName<gui::PushButton>("PushButton1"); }
    gui::Canvas& Canvas() { return ControlByName<gui::Canvas>("Canvas1"); }

  protected:
    void Layout() override {
        events.push_back("Layout");
        gui::PropertyListWriter list;
        list.Integer("Width", 300).Integer("Height", 200).Text("Title", "probe").Boolean("Visible", true);
        gui::SetProperties(*this, list.Bytes());
    }
    void CreateControls() override {
        events.push_back("CreateControls");
        AddControl("Slider1", New<gui::Slider>());
        gui::PropertyListWriter slider;
        slider.Text("Name", "Slider1")
            .Integer("Value", 50)
            .Integer("MinimumValue", 0)
            .Integer("MaximumValue", 60);
        gui::SetProperties(Slider(), slider.Bytes());
        AddControl("PushButton1", New<gui::PushButton>());
        gui::SetProperties(Button(), ControlList("PushButton1", 10, 40));
        AddControl("Canvas1", New<gui::Canvas>());
        gui::SetProperties(Canvas(), ControlList("Canvas1", 10, 80));
        Canvas().Paint = [this](gui::Canvas&, gui::Graphics&, const std::vector<gui::Rect>&) { ++paints; };
    }
    void AddMenuHandlers(gui::Window&) override { events.push_back("AddMenuHandlers"); }
    void Event_Open() override {
        events.push_back("Open");
        openFoundItself = GetImplicitWindow("Probe.Probe") == this;
        if (failOpen) throw std::runtime_error("open failed");
    }
};

class WindowRuntime : public ::testing::Test {
  protected:
    void SetUp() override {
        gui::hooks::unhandledError = [this](const std::string& text) { errors.push_back(text); };
    }
    void TearDown() override {
        gui::hooks::unhandledError = nullptr;
        gui::internal::DestroyAllWindows();
    }
    std::shared_ptr<ProbeWindow> Build() {
        auto w = std::make_shared<ProbeWindow>();
        w->Constructor();
        return w;
    }
    std::vector<std::string> errors;
};

TEST_F(WindowRuntime, ConstructionOrderAndTheOpenWindow) {
    EXPECT_EQ(gui::Window::GetImplicitWindow("Probe.Probe"), nullptr);
    const auto w = Build();
    EXPECT_EQ(w->events, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
    EXPECT_TRUE(w->openFoundItself) << "the window counts as open when Open runs";
    EXPECT_EQ(gui::Window::GetImplicitWindow("Probe.Probe"), w.get());
    EXPECT_EQ(w->Slider().Value(), 50) << "the range is applied before the value";
    w->Close();
    EXPECT_EQ(gui::Window::GetImplicitWindow("Probe.Probe"), nullptr)
        << "closed by the user, it is no longer open";
}

TEST_F(WindowRuntime, AWindowThatFailsToOpenIsNotLeftOpen) {
    auto w = std::make_shared<ProbeWindow>();
    w->failOpen = true;
    EXPECT_THROW(w->Constructor(), std::runtime_error);
    EXPECT_EQ(gui::Window::GetImplicitWindow("Probe.Probe"), nullptr);
}

TEST_F(WindowRuntime, AnErrorEscapingAHandlerIsReportedAndTheProgramGoesOn) {
    const auto w = Build();
    int pressed = 0;
    w->Button().Action = [&](gui::PushButton&) {
        if (++pressed == 1) throw std::runtime_error("handler failed");
    };
    auto* button = static_cast<QAbstractButton*>(gui::WidgetOf(w->Button()));
    button->click();
    EXPECT_EQ(errors, std::vector<std::string>{"handler failed"});
    button->click();
    EXPECT_EQ(pressed, 2);
    EXPECT_EQ(errors.size(), 1u);
}

TEST_F(WindowRuntime, SetterRaisesItsEventInsideOnlyOnChangeAndHandsErrorsBack) {
    const auto w = Build();
    std::vector<std::int64_t> seen;
    w->Slider().ValueChanged = [&](gui::Slider& s) { seen.push_back(s.Value()); };
    w->Slider().Value(20);
    EXPECT_EQ(seen, std::vector<std::int64_t>{20}) << "raised before the setter returns";
    w->Slider().Value(20);
    EXPECT_EQ(seen.size(), 1u) << "no change, no event";
    w->Slider().Value(500);
    EXPECT_EQ(w->Slider().Value(), 60) << "held at the end of the range";
    w->Slider().ValueChanged = [](gui::Slider&) { throw std::logic_error("inside the setter"); };
    EXPECT_THROW(w->Slider().Value(1), std::logic_error) << "the error ends the code that set the value";
    EXPECT_TRUE(errors.empty());
}

TEST_F(WindowRuntime, RefreshPaintsLaterNeverInsideTheCall) {
    const auto w = Build();
    PaintCounter buttonPaints;
    gui::WidgetOf(w->Button())->installEventFilter(&buttonPaints);
    QApplication::processEvents();
    const int before = w->paints;
    buttonPaints.Clear();

    w->Refresh(true);
    w->Canvas().Refresh(true);
    EXPECT_EQ(w->paints, before) << "nothing is painted inside the calls";
    QApplication::processEvents();
    EXPECT_EQ(w->paints, before + 1) << "the two requests are met by one paint once the loop settles";

    w->Refresh(true);
    QApplication::processEvents();
    EXPECT_EQ(w->paints, before + 2) << "a window's refresh repaints its canvas";
    w->Canvas().Refresh(true);
    QApplication::processEvents();
    EXPECT_EQ(w->paints, before + 3) << "and so does the canvas's own";
    EXPECT_EQ(buttonPaints.All(), 0) << "a control whose state did not change is not repainted";
}

TEST_F(WindowRuntime, ControlsAreFoundByNameOrNotAtAll) {
    const auto w = Build();
    EXPECT_EQ(&w->ControlByName("Slider1"), &w->Slider());
    EXPECT_THROW(w->ControlByName("Slider2"), gui::NilObjectError);
    EXPECT_THROW(w->ControlByName<gui::Canvas>("Slider1"), gui::TypeMismatchError);
    EXPECT_THROW(w->AddControl("Slider1", w->Canvas()), std::invalid_argument);
    gui::PropertyListWriter bad;
    bad.Integer("Left", 5).Integer("NoSuchProperty", 1);
    EXPECT_THROW(gui::SetProperties(w->Canvas(), bad.Bytes()), gui::PropertyListError);
    EXPECT_EQ(w->Canvas().Left(), 10) << "a list that cannot be read changes nothing";
}

}  // namespace
