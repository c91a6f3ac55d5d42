#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "gui/Clip.h"
#include "gui/internal/PainterGraphics.h"
#include "support/ImageSurface.h"
#include "support/PaintRecorder.h"

using namespace gui;

namespace {

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kBlack = RGB(0, 0, 0);

// One shape drawn twice on a white surface of `width` by `height`: through a PainterGraphics with a pen of
// `pen` pixels, and straight onto an unclipped QPainter with that pen, whose middle lies `pen / 2` right of
// and below the coordinates.
struct OursAndQts {
    QImage ours, qts;
    OursAndQts(int width, int height, std::int64_t pen, const std::function<void(Graphics&)>& drawOurs,
               const std::function<void(QPainter&, double)>& drawQts)
        : ours(width, height, QImage::Format_RGB32), qts(width, height, QImage::Format_RGB32) {
        ours.fill(Qt::white);
        qts.fill(Qt::white);
        {
            QPainter painter(&ours);
            PainterGraphics g(painter, QRectF(0, 0, width, height));
            g.PenSize(pen);
            drawOurs(g);
        }
        QPainter painter(&qts);
        const double penWidth = static_cast<double>(pen);
        painter.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        drawQts(painter, penWidth / 2);
    }
    bool Blank() const {
        QImage white(qts.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        return qts == white;
    }
};

TEST(ClipLine, KeepsTheVisiblePartOnly) {
    const ClipBox box{0, 0, 100, 50};
    struct Case {
        const char* name;
        LineF line;
        std::optional<LineF> expected;
    } cases[] = {
        {"inside stays exact", {10, 10, 90, 40}, LineF{10, 10, 90, 40}},
        {"horizontal through", {-1e12, 20, 1e12, 20}, LineF{0, 20, 100, 20}},
        {"vertical through", {30, 1e15, 30, -1e15}, LineF{30, 50, 30, 0}},
        {"diagonal from far", {-100, -100, 200, 200}, LineF{0, 0, 50, 50}},
        {"left of the box", {-20, 0, -10, 50}, std::nullopt},
        {"misses a corner", {90, -20, 120, 10}, std::nullopt},
        {"not finite", {0, 0, std::nan(""), 10}, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto clipped = ClipLine(c.line, box);
        ASSERT_EQ(clipped.has_value(), c.expected.has_value()) << c.name;
        if (!clipped) continue;
        EXPECT_DOUBLE_EQ(clipped->x1, c.expected->x1) << c.name;
        EXPECT_DOUBLE_EQ(clipped->y1, c.expected->y1) << c.name;
        EXPECT_DOUBLE_EQ(clipped->x2, c.expected->x2) << c.name;
        EXPECT_DOUBLE_EQ(clipped->y2, c.expected->y2) << c.name;
    }
}

TEST(PainterGraphics, SettingsStayUntilSetAgain) {
    ImageSurface image(20, 20);
    image.Paint([](Graphics& g) {
        EXPECT_EQ(g.PenSize(), 1);
        g.PenSize(2);
        g.DrawingColor(RGB(255, 0, 0));
        g.FontName("Arial");
        g.FontSize(10);
        g.DrawLine(0, 0, 5, 5);
        g.DrawString("x", 2, 12);
        EXPECT_EQ(g.PenSize(), 2);
        EXPECT_EQ(g.DrawingColor(), RGB(255, 0, 0));
        EXPECT_EQ(g.FontName(), "Arial");
        EXPECT_EQ(g.FontSize(), 10);
    });
}

TEST(PainterGraphics, WholePixelsRightOfAndBelowTheCoordinates) {
    ImageSurface image(40, 40);
    image.Paint([](Graphics& g) {
        g.DrawingColor(kBlack);
        g.DrawLine(5, 10, 20, 10);  // pen 1: row 10, columns 5 to 20
        g.PenSize(2);
        g.DrawLine(5, 20, 20, 20);  // pen 2: rows 20 and 21
        g.DrawingColor(RGB(0, 0, 255));
        g.FillRect(2, 30, 4, 5);  // columns 2 to 5, rows 30 to 34
    });
    for (int x = 5; x <= 20; ++x) {
        EXPECT_EQ(image.PixelAt(x, 10), kBlack) << x;
        EXPECT_EQ(image.PixelAt(x, 9), kWhite) << x;
        EXPECT_EQ(image.PixelAt(x, 11), kWhite) << x;
        EXPECT_EQ(image.PixelAt(x, 20), kBlack) << x;
        EXPECT_EQ(image.PixelAt(x, 21), kBlack) << x;
        EXPECT_EQ(image.PixelAt(x, 22), kWhite) << x;
    }
    EXPECT_EQ(image.PixelAt(4, 10), kWhite);
    EXPECT_EQ(image.PixelAt(21, 10), kWhite);
    for (int x = 0; x < 10; ++x) {
        for (int y = 28; y < 37; ++y) {
            const bool inside = x >= 2 && x <= 5 && y >= 30 && y <= 34;
            EXPECT_EQ(image.PixelAt(x, y), inside ? RGB(0, 0, 255) : kWhite) << x << "," << y;
        }
    }
}

// The page of a PDF at a printer's resolution, scaled to `size` diagram pixels as paper is, and drawn by
// `draw`: rendered at one pixel to the diagram pixel, with lines unsmoothed. None where pdftoppm is missing,
// a null image where it fails.
std::optional<QImage> OnPaper(const QString& name, int size, const std::function<void(QPainter&)>& draw) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) return std::nullopt;
    const QString base = TRAVIK_ARTIFACTS "/" + name;
    {
        QPdfWriter pdf(base + ".pdf");
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QSizeF(size * 72.0 / 96, size * 72.0 / 96), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        painter.scale(1200.0 / 96, 1200.0 / 96);
        draw(painter);
    }
    QProcess render;
    render.start(pdftoppm, {"-r", "96", "-aaVector", "no", "-png", "-singlefile", base + ".pdf", base});
    if (!render.waitForFinished(30000) || render.exitCode() != 0) return QImage();
    return QImage(base + ".png").convertToFormat(QImage::Format_RGB32);
}

// A picture drawn one to one fills level and upright lines as the rectangles their pens cover; shifted by a
// whole number of pixels, at twice the resolution and on paper, the painter strokes them instead. All must
// set the same pixels. A line of no length, a point, sets the square its pen covers right of and below it.
TEST(PainterGraphics, LevelAndUprightLinesAndPointsSetThePixelsTheirPenCovers) {
    const int size = 60;
    // Where the points lie, each drawn with the pen of its size, and nothing else.
    const int pointsTop = 38, pointsBottom = 47;
    const struct Point {
        std::int64_t x, y, pen;
    } points[] = {{5, 40, 1}, {12, 40, 2}, {20, 40, 3}, {30, 44, 1}, {-1, 44, 3}, {58, 45, 2}};
    const auto draw = [&points](QPainter& painter) {
        PainterGraphics g(painter, QRectF(0, 0, size, size));
        g.DrawingColor(kBlack);
        for (const std::int64_t pen : {1, 2, 3}) {
            g.PenSize(pen);
            const std::int64_t at = 10 * pen;
            g.DrawLine(5, at, 30, at);
            g.DrawLine(30, at + 4, 5, at + 4);
            g.DrawLine(35 + pen * 5, 5, 35 + pen * 5, 30);
            g.DrawLine(37 + pen * 5, 30, 37 + pen * 5, 5);
            g.DrawLine(-1000000000000, 50 + pen, 1000000000000, 50 + pen);
        }
        for (const Point& p : points) {
            g.PenSize(p.pen);
            g.DrawLine(p.x, p.y, p.x, p.y);
        }
    };
    const auto white = [](int width, int height, double ratio = 1) {
        QImage image(width, height, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        return image;
    };

    QImage filled = white(size, size);
    {
        QPainter painter(&filled);
        draw(painter);
    }
    int ink = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) ink += qGray(filled.pixel(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(ink, 300);
    for (int y = pointsTop; y <= pointsBottom; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool covered = std::any_of(std::begin(points), std::end(points), [x, y](const Point& p) {
                return x >= p.x && x < p.x + p.pen && y >= p.y && y < p.y + p.pen;
            });
            EXPECT_EQ(QColor(filled.pixel(x, y)).name().toStdString(), covered ? "#000000" : "#ffffff")
                << x << "," << y;
        }
    }

    QImage shifted = white(size + 10, size + 10);
    {
        QPainter painter(&shifted);
        painter.translate(10, 10);
        draw(painter);
    }
    QImage doubled = white(2 * size, 2 * size, 2);
    {
        QPainter painter(&doubled);
        draw(painter);
    }
    const std::optional<QImage> paper = OnPaper("level-lines-and-points", size, draw);
    struct Surface {
        const char* name;
        QImage image;
        int scale, offset;
    } surfaces[] = {
        {"shifted", shifted, 1, 10},
        {"at twice the resolution", doubled, 2, 0},
        {"on paper", paper.value_or(QImage()), 1, 0},
    };
    for (const Surface& s : surfaces) {
        if (!paper && s.image.isNull()) continue;
        ASSERT_EQ(s.image.size(), QSize(size + s.offset, size + s.offset) * s.scale) << s.name;
        int differing = 0;
        for (int y = 0; y < s.image.height() - s.offset; ++y) {
            for (int x = 0; x < s.image.width() - s.offset; ++x) {
                differing +=
                    s.image.pixel(x + s.offset, y + s.offset) != filled.pixel(x / s.scale, y / s.scale);
            }
        }
        EXPECT_EQ(differing, 0) << s.name;
    }
    if (!paper) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: the paper was not compared";
}

// A picture drawn one to one clips the painter to its surface, which makes Qt stroke faster. Sloped lines of
// every pen, inside, from corner to corner and across every edge, set the pixels Qt sets without a clip.
TEST(PainterGraphics, SlopedLinesSetThePixelsOfAnUnclippedPainter) {
    const int size = 40;
    // Ends up to the clipping margin beyond the surface: the painter gets the lines whole, as here.
    const std::int64_t ends[] = {-14, -3, 0, 9, 20, 31, 39, 43, 53};
    int inked = 0;
    for (const std::int64_t pen : {1, 2, 3}) {
        for (const std::int64_t x1 : ends) {
            for (const std::int64_t y2 : ends) {
                const std::int64_t y1 = ((x1 * 7 + 5) % 67 + 67) % 67 - 14, x2 = 53 - y2 / 2;
                if (x1 == x2 || y1 == y2) continue;
                const auto d = [](std::int64_t v) { return static_cast<double>(v); };
                const OursAndQts drawn(
                    size, size, pen, [&](Graphics& g) { g.DrawLine(x1, y1, x2, y2); },
                    [&](QPainter& painter, double o) {
                        painter.drawLine(QLineF(d(x1) + o, d(y1) + o, d(x2) + o, d(y2) + o));
                    });
                EXPECT_EQ(drawn.ours, drawn.qts)
                    << "pen " << pen << " from " << x1 << " " << y1 << " to " << x2 << " " << y2;
                inked += drawn.Blank() ? 0 : 1;
            }
        }
    }
    EXPECT_GT(inked, 150);
}

// A paint leaves the painter's clipping as it found it: none, or the caller's own.
TEST(PainterGraphics, APaintLeavesThePaintersClippingAsItFoundIt) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        PainterGraphics g(painter, QRectF(0, 0, 40, 40));
        g.DrawLine(0, 0, 39, 20);
    }
    EXPECT_FALSE(painter.hasClipping());
    painter.setClipRect(QRect(5, 5, 10, 10));
    {
        PainterGraphics g(painter, QRectF(0, 0, 40, 40));
        g.PenSize(2);
        g.DrawLine(0, 0, 39, 20);
    }
    EXPECT_TRUE(painter.hasClipping());
    EXPECT_EQ(painter.clipBoundingRect(), QRectF(5, 5, 10, 10));
}

// A canvas keeps the fills and outlines its paints begin with as one picture. Over what lay on the surface
// before, a paint with the kept picture sets the same pixels as a paint from scratch, also when the calls
// change from one paint to the next and when they leave part of the surface uncovered.
TEST(PainterGraphics, AKeptBackgroundSetsThePixelsOfAFreshOne) {
    const auto draw = [](Graphics& g, std::int64_t shift) {
        g.DrawingColor(RGB(255, 255, 0));
        g.FillRect(10, 10, 30, 20);
        g.DrawingColor(RGB(220, 220, 220));
        for (std::int64_t k = 1; k <= 4; ++k) g.DrawOval(30 + shift - 8 * k, 30 - 8 * k, 16 * k, 16 * k);
        g.DrawingColor(kBlack);
        g.DrawLine(0, 5, 50, 45);
        g.FontName("Arial");
        g.FontSize(10);
        g.DrawString("Time", 5, 50);
    };
    const auto backdrop = [] {
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(QColor(0, 0, 200));
        return image;
    };
    PaintCache cache;
    for (const std::int64_t shift : {0, 0, 3, 3, 0}) {
        QImage kept = backdrop(), fresh = backdrop();
        {
            QPainter painter(&kept);
            PainterGraphics g(painter, QRectF(0, 0, 64, 64), &cache);
            draw(g, shift);
        }
        {
            QPainter painter(&fresh);
            PainterGraphics g(painter, QRectF(0, 0, 64, 64));
            draw(g, shift);
        }
        EXPECT_EQ(kept, fresh) << "circles shifted by " << shift;
    }
}

TEST(PainterGraphics, OvalInscribedInItsBox) {
    ImageSurface image(100, 100);
    image.Paint([](Graphics& g) {
        g.DrawingColor(kBlack);
        g.DrawOval(10, 20, 61, 41);  // box columns 10..70, rows 20..60
    });
    EXPECT_EQ(image.PixelAt(10, 40), kBlack);
    EXPECT_EQ(image.PixelAt(70, 40), kBlack);
    EXPECT_EQ(image.PixelAt(40, 20), kBlack);
    EXPECT_EQ(image.PixelAt(40, 60), kBlack);
    EXPECT_EQ(image.PixelAt(9, 40), kWhite);
    EXPECT_EQ(image.PixelAt(71, 40), kWhite);
    EXPECT_EQ(image.PixelAt(40, 40), kWhite);
}

// The ink of a text lies above its anchor and starts at its x: the anchor is the baseline's start.
TEST(PainterGraphics, TextAnchorIsTheBaselineStart) {
    ImageSurface image(120, 60);
    image.Paint([](Graphics& g) {
        g.FontName("Arial");
        g.FontSize(10);
        g.DrawString("Time", 40, 40);
    });
    int top = 60, bottom = -1, left = 120;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 120; ++x) {
            if (image.PixelAt(x, y).red < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
        }
    }
    EXPECT_EQ(bottom, 39);  // "Time" has no descender: its ink ends on the row above the baseline
    EXPECT_GE(top, 31);     // size 10 is a 10-pixel font: its capitals are about 7 to 8 pixels high
    EXPECT_LE(top, 33);
    EXPECT_GE(left, 40);
    EXPECT_LE(left, 42);
}

// Circles whose outline passes wholly outside the surface are not handed to Qt. Around the surface's
// corners, where that starts, every circle sets the pixels Qt's own outline of it sets on an unclipped
// painter.
TEST(PainterGraphics, CirclesAroundTheSurfaceSetQtsPixels) {
    const int width = 40, height = 30;
    int blank = 0, inked = 0;
    for (const std::int64_t pen : {1, 2, 3}) {
        for (const QPoint centre : {QPoint(20, 15), QPoint(7, 26), QPoint(-3, 33)}) {
            for (std::int64_t r = 10; r <= 60; ++r) {
                const std::int64_t x = centre.x() - r, y = centre.y() - r;
                const double d = static_cast<double>(2 * r);
                const OursAndQts drawn(
                    width, height, pen, [&](Graphics& g) { g.DrawOval(x, y, 2 * r, 2 * r); },
                    [&](QPainter& painter, double o) {
                        painter.drawEllipse(QRectF(static_cast<double>(x), static_cast<double>(y), d, d)
                                                .adjusted(o, o, -o, -o));
                    });
                EXPECT_EQ(drawn.ours, drawn.qts)
                    << "pen " << pen << ", centre " << centre.x() << " " << centre.y() << ", radius " << r;
                ++(drawn.Blank() ? blank : inked);
            }
        }
    }
    EXPECT_GT(blank, 20);
    EXPECT_GT(inked, 20);
}

// A canvas keeps the fonts its settings name. After the application's font changes, or the size changes to
// one that rounds to another pixel height, it draws its texts in the font a surface with nothing kept draws
// them in.
TEST(PainterGraphics, KeptFontsFollowTheApplicationFontAndTheSize) {
    struct Step {
        const char* name;
        double size;
        int applicationPixels;
    };
    const Step steps[] = {{"System", 0, 12},   {"System", 0, 17},   {"Arial", 10.4, 17},
                          {"Arial", 10.6, 17}, {"Arial", 10.4, 17}, {"System", 0, 12}};
    const QFont application = QGuiApplication::font();
    PaintCache canvas;
    for (const Step& step : steps) {
        QFont font = application;
        font.setPixelSize(step.applicationPixels);
        QGuiApplication::setFont(font);
        const auto draw = [&step](Graphics& g) {
            g.DrawingColor(kBlack);
            g.FontName(step.name);
            g.FontSize(step.size);
            g.DrawString("Time 12", 3, 30);
        };
        const auto painted = [&draw](PaintCache* cache) {
            QImage image(80, 40, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            PainterGraphics g(painter, QRectF(0, 0, 80, 40), cache);
            draw(g);
            return image;
        };
        const QImage fresh = painted(nullptr);
        EXPECT_TRUE(painted(&canvas) == fresh)
            << step.name << " " << step.size << " under " << step.applicationPixels << " pixels";
    }
    QGuiApplication::setFont(application);
}

// A paint that begins and ends while another paint with the same cache is under way lets go of nothing the
// outer one still draws with: the outer paint sets the pixels of a fresh drawing.
TEST(PainterGraphics, APaintInsideAnotherKeepsTheOuterOnesFont) {
    const auto outer = [](Graphics& g) {
        g.DrawingColor(kBlack);
        g.FontName("Arial");
        g.FontSize(12);
        g.DrawString("Time", 3, 20);
    };
    const auto painted = [&outer](PaintCache* cache) {
        QImage image(80, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterGraphics g(painter, QRectF(0, 0, 80, 60), cache);
        outer(g);
        for (int inner = 0; inner < 2 && cache; ++inner) {
            QImage other(40, 40, QImage::Format_RGB32);
            QPainter otherPainter(&other);
            PainterGraphics h(otherPainter, QRectF(0, 0, 40, 40), cache);
            h.FontName("DejaVu Serif");
            h.FontSize(20);
            h.DrawString("x", 3, 30);
        }
        g.DrawString("Length", 3, 45);
        return image;
    };
    PaintCache cache;
    EXPECT_TRUE(painted(&cache) == painted(nullptr));
}

// Black pixels of a line through the image from endpoints ~1e11 away, which must pass through (x0, 0) with
// the slope dx/dy.
void ExpectSteepLine(const QImage& image, double x0, double slope, int tolerance) {
    int rowsHit = 0;
    for (int y = 0; y < image.height(); ++y) {
        const double expected = x0 + slope * y;
        if (expected < 0 || expected >= image.width()) continue;
        bool hit = false;
        for (int dx = -tolerance; dx <= tolerance; ++dx) {
            const int x = static_cast<int>(std::lround(expected)) + dx;
            if (x >= 0 && x < image.width() && qGray(image.pixel(x, y)) < 160) hit = true;
        }
        rowsHit += hit ? 1 : 0;
        EXPECT_TRUE(hit) << "row " << y << " expected near x " << expected;
    }
    EXPECT_GT(rowsHit, 400);
    // Nothing drawn far from the line.
    EXPECT_GT(qGray(image.pixel(600, 50)), 200);
    EXPECT_GT(qGray(image.pixel(30, 500)), 200);
}

constexpr std::int64_t kFarX = 67'000'000'000;
constexpr std::int64_t kFarY = 90'000'000'000;
constexpr double kSlope = 67.0 / 90.0;

TEST(PainterGraphics, HugeEndpointsOnAnImage) {
    ImageSurface image(636, 553);
    image.Paint([](Graphics& g) { g.DrawLine(-kFarX, -kFarY, kFarX, kFarY); });
    ASSERT_TRUE(image.SavePng(TRAVIK_ARTIFACTS "/huge-line.png"));
    ExpectSteepLine(QImage(TRAVIK_ARTIFACTS "/huge-line.png"), 0.5, kSlope, 1);

    // What reaches Qt is already clipped to a little beyond the surface: no engine is handed the far ends,
    // which paper wraps and raster engines are slow with.
    PaintRecorder recorder(QSize(636, 553));
    {
        QPainter painter(&recorder);
        PainterGraphics g(painter, QRectF(0, 0, 636, 553));
        g.DrawLine(-kFarX, -kFarY, kFarX, kFarY);
    }
    ASSERT_EQ(recorder.Lines().size(), 1u);
    const QLineF given = recorder.Lines().front();
    const QRectF near(-100, -100, 636 + 200, 553 + 200);
    EXPECT_TRUE(near.contains(given.p1()) && near.contains(given.p2()))
        << "from " << given.x1() << "," << given.y1() << " to " << given.x2() << "," << given.y2();
}

TEST(PainterGraphics, HugeEndpointsInAPdf) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";

    const QString base = TRAVIK_ARTIFACTS "/huge-line";
    {
        QPdfWriter pdf(base + ".pdf");
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(636 * 72.0 / 96, 553 * 72.0 / 96), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        PainterGraphics g(painter, QRectF(0, 0, 636, 553));
        g.DrawLine(-kFarX, -kFarY, kFarX, kFarY);
    }
    QProcess render;
    render.start(pdftoppm, {"-r", "96", "-png", "-singlefile", base + ".pdf", base + "-pdf"});
    ASSERT_TRUE(render.waitForFinished(30000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QImage page(base + "-pdf.png");
    ASSERT_FALSE(page.isNull());
    ExpectSteepLine(page, 0.5, kSlope, 2);
}

}  // namespace
