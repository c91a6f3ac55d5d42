#include <QLineEdit>

#include "gui/Numbers.h"
#include "support/MainWindowFixture.h"

namespace {

constexpr double kNearLight = 1 - 0x1p-53;

struct NearLightCase {
    const char* name;
    const char* typed;
    double speed;
    std::int64_t slider;
    const char* fieldInRed;
    std::int64_t sliderInRed;
};

void PrintTo(const NearLightCase& c, std::ostream* os) {
    *os << c.name;
}

class SpeedNearLight : public MainWindowFixture, public ::testing::WithParamInterface<NearLightCase> {
  protected:
    void TypeOver(const std::string& keys) {
        auto* field = static_cast<QLineEdit*>(Widget(window->EditField2()));
        field->selectAll();
        QTest::keyClicks(field, QString::fromStdString(keys));
    }
};

// A speed one step below light, switched between the frames: the field always shows the speed the diagram
// uses, and typing the field's own text again is taken, not refused.
TEST_P(SpeedNearLight, SwitchingFramesShowsTheSpeedTheFieldAccepts) {
    const NearLightCase& c = GetParam();
    TypeOver(c.typed);
    ASSERT_EQ(Globals::sinPhi, c.speed);
    ASSERT_EQ(window->SpeedSlider().Value(), c.slider);

    Click(window->RadioButton2());
    EXPECT_EQ(Globals::sinPhi, -c.speed);
    EXPECT_EQ(window->EditField2().Text(), c.fieldInRed);
    EXPECT_EQ(window->SpeedSlider().Value(), c.sliderInRed);

    const std::string shown = window->EditField2().Text();
    TypeOver(shown);
    EXPECT_EQ(window->EditField2().Text(), shown) << "the field's own text is refused";
    EXPECT_EQ(Globals::sinPhi, -c.speed);
    EXPECT_EQ(window->SpeedSlider().Value(), c.sliderInRed);

    window->EditField2().Text("2");
    EXPECT_EQ(window->EditField2().Text(), shown) << "a refused entry brings back the speed's text";
    EXPECT_EQ(Globals::sinPhi, -c.speed);

    Click(window->RadioButton1());
    EXPECT_EQ(Globals::sinPhi, c.speed);
    EXPECT_EQ(window->EditField2().Text(), c.typed);
    EXPECT_EQ(window->SpeedSlider().Value(), c.slider);
}

INSTANTIATE_TEST_SUITE_P(SpeedField, SpeedNearLight,
                         ::testing::Values(NearLightCase{"Forwards", "0.9999999999999999", kNearLight, 39,
                                                         "-0.9999999999999999", 1},
                                           NearLightCase{"Backwards", "-0.9999999999999999", -kNearLight, 1,
                                                         "0.9999999999999999", 39}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
