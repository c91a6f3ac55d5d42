// The picture and the icons as the program reaches them, through the paths it embeds them under, and the same
// images as the files installed for the desktop.
#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdlib>

namespace {

TEST(Artwork, EmbeddedPicturesHaveTheirSizesAndMatchTheInstalledFiles) {
    struct Case {
        const char* resource;
        const char* file;
        QSize size;
    } cases[] = {
        {":/Pemo2020.jpg", "Pemo2020.jpg", {194, 251}},
        {":/Pemo2020@2x.jpg", "Pemo2020@2x.jpg", {388, 502}},
        {":/icons/travik-16.png", "travik-16.png", {16, 16}},
        {":/icons/travik-32.png", "travik-32.png", {32, 32}},
        {":/icons/travik-48.png", "travik-48.png", {48, 48}},
        {":/icons/travik-256.png", "travik-256.png", {256, 256}},
    };
    for (const auto& c : cases) {
        const QImage embedded(c.resource);
        ASSERT_FALSE(embedded.isNull()) << c.resource << " does not load";
        EXPECT_EQ(embedded.size(), c.size) << c.resource;
        EXPECT_EQ(embedded, QImage(QString(TRAVIK_ARTWORK_DIR "/") + c.file)) << c.file;
    }
}

// The picture for screens with two device pixels to the unit is the same artwork drawn at twice the
// resolution, not the small one scaled up.
TEST(Artwork, TheDoubledPictureIsTheSameArtworkDrawnAtTwiceTheResolution) {
    const QImage one = QImage(":/Pemo2020.jpg").convertToFormat(QImage::Format_RGB32);
    const QImage two = QImage(":/Pemo2020@2x.jpg").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(two.size(), one.size() * 2);

    // Each block of four averages to the small picture's pixel, but where a smoothed edge or a star falls
    // otherwise on the finer grid.
    int unlike = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            int red = 0, green = 0, blue = 0;
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb p = two.pixel(2 * x + d.x(), 2 * y + d.y());
                red += qRed(p), green += qGreen(p), blue += qBlue(p);
            }
            const QRgb p = one.pixel(x, y);
            unlike += std::abs(qRed(p) - red / 4) + std::abs(qGreen(p) - green / 4) +
                          std::abs(qBlue(p) - blue / 4) >
                      60;
        }
    }
    EXPECT_LT(unlike, one.width() * one.height() / 100);

    // The faint line across the event, a unit wide, lies half on each of two rows of the small picture.
    // Drawn at twice the resolution it covers two rows wholly, with the dark sky right above and below;
    // scaled up, the four rows would be alike.
    const auto grey = [](const QImage& image, int row) {
        int sum = 0;
        for (int x = 20; x < 80; ++x) sum += qGray(image.pixel(x, row));
        return sum / 60;
    };
    for (const int row : {299, 300}) {
        EXPECT_GE(grey(two, row), grey(two, 298) + 40) << row;
        EXPECT_GE(grey(two, row), grey(two, 301) + 40) << row;
    }
}

// At every size the card has rounded corners that let the desktop show through, and white paper left of the
// axes.
TEST(Artwork, IconsAreCardsWithClearCorners) {
    for (const int side : {16, 32, 48, 256}) {
        const QImage icon(QString(":/icons/travik-%1.png").arg(side));
        ASSERT_EQ(icon.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << side;
        EXPECT_EQ(qAlpha(icon.pixel(side - 1, side - 1)), 0) << side;
        const QRgb paper = icon.pixel(side / 4, side * 3 / 10);
        EXPECT_EQ(qAlpha(paper), 255) << side;
        EXPECT_GE(qGray(paper), 235) << side;
    }
}

}  // namespace
