#include <QImage>
#include <QPalette>
#include <QSlider>

#include "support/MainWindowFixture.h"

namespace {

class SliderLook : public MainWindowFixture {};

// The sliders draw themselves as Qt's own slider does, track, handle and tick marks, at the screen's device
// pixel ratio too: at 1.5 the marks fall between device pixels, and what shows there is the style's own
// drawing, not a picture of ours.
TEST_F(SliderLook, EverySliderDrawsAsQtsOwn) {
    int sliders = 0;
    for (const gui::RectControl* control : window->Controls()) {
        auto* ours = qobject_cast<QSlider*>(Widget(*control));
        if (!ours) continue;
        ++sliders;
        QWidget stage;
        stage.setPalette(ours->palette());
        stage.setFont(ours->font());
        stage.resize(ours->size());
        QSlider qts(ours->orientation(), &stage);
        qts.setGeometry(QRect(QPoint(0, 0), ours->size()));
        qts.setRange(ours->minimum(), ours->maximum());
        qts.setSingleStep(ours->singleStep());
        qts.setPageStep(ours->pageStep());
        qts.setTickPosition(ours->tickPosition());
        qts.setTickInterval(ours->tickInterval());
        qts.setValue(ours->value());
        qts.setEnabled(ours->isEnabled());
        stage.setAttribute(Qt::WA_DontShowOnScreen);
        stage.show();
        Settle();
        const QImage shown = ours->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage own = qts.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.devicePixelRatio(), Widget(*control)->devicePixelRatioF());
        EXPECT_TRUE(shown == own) << control->Name();
    }
    EXPECT_EQ(sliders, 7);
}

}  // namespace
