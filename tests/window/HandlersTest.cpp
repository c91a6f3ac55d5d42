#include <QLineEdit>

#include "support/MainWindowFixture.h"

namespace {

class Handlers : public MainWindowFixture {
  protected:
    QLineEdit* SpeedField() const { return static_cast<QLineEdit*>(Widget(window->EditField2())); }
    // Selects the field's text and types over it, one key at a time.
    void TypeOver(const QString& keys) {
        SpeedField()->selectAll();
        QTest::keyClicks(SpeedField(), keys);
    }
    void ExpectSpeed(double sinPhi, std::int64_t slider, const std::string& field) {
        EXPECT_EQ(Globals::sinPhi, sinPhi);
        EXPECT_EQ(window->SpeedSlider().Value(), slider);
        EXPECT_EQ(window->EditField2().Text(), field);
    }
};

TEST_F(Handlers, SwitchingFramesMirrorsTheSpeed) {
    Click(window->RadioButton2());
    EXPECT_EQ(Globals::ourSystem, 1);
    ExpectSpeed(-0.6, 8, "-0.6");
    EXPECT_EQ(CanvasPaints(), 1);
    Click(window->RadioButton2());
    EXPECT_EQ(Globals::ourSystem, 1);
    ExpectSpeed(-0.6, 8, "-0.6");
    EXPECT_EQ(CanvasPaints(), 1) << "pressing the frame we already think with repaints nothing";
    Click(window->RadioButton1());
    EXPECT_EQ(Globals::ourSystem, 0);
    ExpectSpeed(0.6, 32, "0.6");
    EXPECT_EQ(CanvasPaints(), 2);
    EXPECT_TRUE(window->RadioButton1().Value());
}

TEST_F(Handlers, TypedSpeeds) {
    TypeOver("0.6");
    ExpectSpeed(0.6, 31, "0.6");  // Round(20 + 19 * 0.6) = Round(31.4)
    TypeOver("0.999");
    ExpectSpeed(0.999, 39, "0.999");
    TypeOver("0.5");
    ExpectSpeed(0.5, 30, "0.5");  // Round(29.5), half away from zero
}

TEST_F(Handlers, TypedTwoIsRefusedWithOneRepaint) {
    TypeOver("2");
    ExpectSpeed(0.6, 31, "0.6");
    EXPECT_EQ(CanvasPaints(), 1) << "one repaint, from the nested run on the restored text";
}

struct RefusedSpeed {
    const char* name;
    const char* text;
};

void PrintTo(const RefusedSpeed& c, std::ostream* os) {
    *os << c.name;
}

class RefusedSpeeds : public Handlers, public ::testing::WithParamInterface<RefusedSpeed> {};

TEST_P(RefusedSpeeds, PlusAndMinusOneAreRefused) {
    window->EditField2().Text(GetParam().text);
    ExpectSpeed(0.6, 31, "0.6");
}

INSTANTIATE_TEST_SUITE_P(Handlers, RefusedSpeeds,
                         ::testing::Values(RefusedSpeed{"MinusOne", "-1"}, RefusedSpeed{"One", "1"},
                                           RefusedSpeed{"BeyondTheLargestDouble", "1e400"},
                                           RefusedSpeed{"MinusSeven", "-7"},
                                           RefusedSpeed{"OneWithZeros", "1.0000"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Handlers, EveryChangeOfTheTextIsJudgedOnItsOwn) {
    TypeOver("");
    SpeedField()->clear();
    ExpectSpeed(0, 20, "");  // an empty field reads as 0
    QTest::keyClicks(SpeedField(), "1");
    ExpectSpeed(0, 20, "0");  // refused at its first character
    QTest::keyClicks(SpeedField(), ".5");
    ExpectSpeed(0.5, 30, "0.5");
}

TEST_F(Handlers, ARefusalAfterASpeedNearOneRestoresItExactly) {
    window->EditField2().Text("0.9999999999999999");
    ExpectSpeed(0.9999999999999999, 39, "0.9999999999999999");
    ForgetPaints();
    window->EditField2().Text("2");
    ExpectSpeed(0.9999999999999999, 39, "0.9999999999999999");
    EXPECT_EQ(CanvasPaints(), 1) << "one repaint, from the nested run on the restored text";
}

TEST_F(Handlers, SpeedSlider) {
    struct Case {
        std::int64_t slider;
        double sinPhi;
        const char* field;
    } cases[] = {{1, -0.95, "-0.95"}, {20, 0, "0"}, {39, 0.95, "0.95"}, {33, 0.64999999999999991, "0.65"}};
    for (const auto& c : cases) {
        window->SpeedSlider().Value(c.slider);
        EXPECT_EQ(Globals::sinPhi, c.sinPhi) << c.slider;
        EXPECT_EQ(window->EditField2().Text(), c.field) << c.slider;
    }
    window->SpeedSlider().Value(20);
    Click(window->RadioButton2());
    EXPECT_EQ(window->SpeedSlider().Value(), 20);
    EXPECT_EQ(window->EditField2().Text(), "0");
}

TEST_F(Handlers, UnitsRewriteTheTimeReadout) {
    Press(228, 256);
    NextPaint();
    Release(228, 256);
    struct Case {
        std::int64_t step;
        const char* readout;
    } cases[] = {{5, "1.00 us"}, {0, "10.00 ps"}, {9, "10.00 ms"}, {3, "10.00 ns"}};
    for (const auto& c : cases) {
        ForgetPaints();
        window->UnitSlider().Value(c.step);
        EXPECT_EQ(Globals::stUnits, c.step);
        EXPECT_EQ(window->EditField14().Text(), c.readout);
        EXPECT_EQ(CanvasPaints(), 1);
    }
    window->UnitSlider().Value(8);
    EXPECT_EQ(Globals::x_units, " km");
    EXPECT_EQ(window->EditField10().Text(), "25.00 ns") << "event readouts wait for the next press";
}

TEST_F(Handlers, BackAndAheadMoveTheTimeByOne) {
    Click(window->PushButton1());
    EXPECT_EQ(Globals::theTime, 71);
    EXPECT_EQ(window->TimeSlider().Value(), 571);
    EXPECT_EQ(window->EditField14().Text(), "9.86 ns");
    EXPECT_EQ(CanvasPaints(), 1);
    Click(window->PushButton2());
    Click(window->PushButton2());
    EXPECT_EQ(Globals::theTime, 73);
    EXPECT_EQ(window->EditField14().Text(), "10.14 ns");

    window->TimeSlider().Value(0);
    EXPECT_EQ(Globals::theTime, -500);
    EXPECT_EQ(window->EditField14().Text(), "-69.44 ns");
    ForgetPaints();
    Click(window->PushButton1());
    EXPECT_EQ(window->TimeSlider().Value(), 0) << "held at the end of the range";
    EXPECT_EQ(Globals::theTime, -500);
    EXPECT_EQ(CanvasPaints(), 0);
    window->TimeSlider().Value(1000);
    Click(window->PushButton2());
    EXPECT_EQ(Globals::theTime, 500);
    EXPECT_EQ(window->EditField14().Text(), "69.44 ns");
}

TEST_F(Handlers, ObjectAndLightConeControlsRepaint) {
    for (gui::CheckBox* box :
         {&window->CheckBox1(), &window->CheckBox2(), &window->CheckBox3(), &window->CheckBox4(),
          &window->CheckBox5(), &window->CheckBox6(), &window->CheckBox7()}) {
        ForgetPaints();
        Click(*box);
        EXPECT_TRUE(box->Value());
        EXPECT_EQ(CanvasPaints(), 1) << box->Name();
    }
    for (gui::Slider* slider : {&window->BlackPosSlider(), &window->BlackLengthSlider(),
                                &window->RedPosSlider(), &window->RedLengthSlider()}) {
        ForgetPaints();
        slider->Value(slider->Value() == 1 ? 0 : 1);
        EXPECT_EQ(CanvasPaints(), 1) << slider->Name();
    }
    EXPECT_TRUE(ContainsInOrder(
        NextPaint(), {"DrawingColor 80 80 222", "DrawingColor 100 100 100", "DrawingColor 200 0 0"}));
}

TEST_F(Handlers, QuitEndsTheProgram) {
    std::vector<int> codes;
    gui::hooks::quit = [&](int code) { codes.push_back(code); };
    Click(window->PushButton3());
    gui::hooks::quit = nullptr;
    EXPECT_EQ(codes, std::vector<int>{0});
}

}  // namespace
