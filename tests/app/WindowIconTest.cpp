#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>

#include "gui/Application.h"

namespace {

// The icon is read from the resources only when a picture of it is asked for; asked, it gives the
// resources' pictures at every size they hold.
TEST(WindowIcon, GivesTheResourcePicturesAtEverySize) {
    gui::RuntimeInit(0, nullptr);
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {256, 256}}));
    for (const int size : {16, 32, 48, 256}) {
        const QImage expected =
            QImage(QStringLiteral(":/icons/travik-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(expected.isNull()) << size;
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32), expected) << size;
    }
}

}  // namespace
