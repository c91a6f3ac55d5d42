// The picture and the icons as the program reaches them, through the paths it embeds them under, and the same
// images as the files installed for the desktop.
#include <gtest/gtest.h>

#include <QImage>
#include <QSize>
#include <QString>

namespace {

TEST(Artwork, EmbeddedPicturesHaveTheirSizesAndMatchTheInstalledFiles) {
    struct Case {
        const char* resource;
        const char* file;
        QSize size;
    } cases[] = {
        {":/Pemo2020.jpg", "Pemo2020.jpg", {194, 251}},
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
