#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <cmath>
#include <string>

#include "model/Globals.h"
#include "support/DiagramState.h"
#include "support/ImageSurface.h"

namespace {

// The canvas sits this far inside a larger picture, so that ink beyond its edges can be seen.
constexpr int kMargin = 40;

// Passes on one frame's caption only, moved into the larger picture; the frame's settings go with it.
class OneCaption final : public gui::Graphics {
  public:
    OneCaption(gui::Graphics& target, std::string caption) : target_(target), caption_(std::move(caption)) {}

    void DrawLine(std::int64_t, std::int64_t, std::int64_t, std::int64_t) override {}
    void DrawOval(std::int64_t, std::int64_t, std::int64_t, std::int64_t) override {}
    void FillRect(std::int64_t, std::int64_t, std::int64_t, std::int64_t) override {}
    void DrawString(const std::string& text, std::int64_t x, std::int64_t y) override {
        if (text != caption_) return;
        anchorX = x;
        anchorY = y;
        target_.DrawString(text, x + kMargin, y + kMargin);
    }

    std::int64_t anchorX = 0;
    std::int64_t anchorY = 0;

  protected:
    void SettingChanged(Setting) override {
        target_.DrawingColor(DrawingColor());
        target_.PenSize(PenSize());
        target_.FontName(FontName());
        target_.FontSize(FontSize());
    }

  private:
    gui::Graphics& target_;
    std::string caption_;
};

// The picture's white: any other pixel is ink. Read straight from the scan lines, since every caption's
// picture is scanned whole.
constexpr QRgb kPaper = qRgb(255, 255, 255);

class CaptionInk : public DiagramState {};

// Every caption of both frames is drawn whole inside the canvas over the states a user reaches: the one
// allowance is the descender of "p" when "Space" stands on the canvas's bottom line.
TEST_F(CaptionInk, EveryCaptionLiesInsideTheCanvas) {
    using namespace Globals;
    const int width = static_cast<int>(gw), height = static_cast<int>(gh);
    // The columns of the "p" in "Space", from its anchor, at the diagram's caption font.
    QFont arial("Arial");
    arial.setPixelSize(10);
    const QFontMetricsF metrics(arial);
    const double pFrom = std::floor(metrics.horizontalAdvance("S")) - 1;
    const double pTo = std::ceil(metrics.horizontalAdvance("Sp")) + 1;

    struct Origin {
        std::int64_t x, y;
    };
    // The default and the four corners an origin drag can reach.
    const Origin origins[] = {{300, 400}, {21, 21}, {615, 21}, {21, 532}, {615, 532}};
    int checked = 0;
    // One picture for all the captions, made white again for each: a new one for each costs more than
    // the drawing.
    ImageSurface image(width + 2 * kMargin, height + 2 * kMargin);
    for (const std::int64_t units : {0, 9}) {
        stUnits = units;
        calcUnits();
        for (const std::int64_t our : {0, 1}) {
            for (const double speed : {0.0, 0.6, -0.6, 0.95, -0.95}) {
                Tilt(speed, our);
                for (const Origin& origin : origins) {
                    Nx = origin.x;
                    Ny = origin.y;
                    for (KoordSys* frame : {myBlackSys.get(), myRedSys.get()}) {
                        for (const char* caption : {"Time", "Space"}) {
                            image.Fill(gui::RGB(255, 255, 255));
                            std::int64_t ax = 0, ay = 0;
                            image.Paint([&](gui::Graphics& g) {
                                OneCaption only(g, caption);
                                frame->Draw(only);
                                ax = only.anchorX;
                                ay = only.anchorY;
                            });
                            const std::string state = std::string(caption) + " of the " +
                                                      (frame == myBlackSys.get() ? "black" : "red") +
                                                      " frame, units " + std::to_string(units) + ", frame " +
                                                      std::to_string(our) + ", v/c " + std::to_string(speed) +
                                                      ", origin " + std::to_string(Nx) + "," +
                                                      std::to_string(Ny);
                            const bool onBottomLine = std::string(caption) == "Space" && ay == gh - 1;
                            int inside = 0;
                            const QImage& picture = image.Image();
                            for (int y = 0; y < picture.height(); ++y) {
                                const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
                                for (int x = 0; x < picture.width(); ++x) {
                                    if (line[x] == kPaper) continue;
                                    const int cx = x - kMargin, cy = y - kMargin;
                                    if (cx >= 0 && cx < width && cy >= 0 && cy < height) {
                                        ++inside;
                                        continue;
                                    }
                                    const bool descender = onBottomLine && cx >= 0 && cx < width &&
                                                           cy >= height && cx >= ax + pFrom && cx <= ax + pTo;
                                    EXPECT_TRUE(descender) << state << ": ink at " << cx << "," << cy;
                                    if (!descender) goto nextCaption;
                                }
                            }
                            EXPECT_GT(inside, 20) << state << ": too little ink inside the canvas";
                            ++checked;
                        nextCaption:;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 2 * 2 * 5 * 5 * 2 * 2);
}

}  // namespace
