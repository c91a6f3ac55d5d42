#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QImage>
#include <QWidget>

#include "gui/Application.h"

namespace {

// The application gets its icon once the first window has painted, and the icon is read from the resources
// only when a picture of it is asked for; asked, it gives the resources' pictures at every size they hold.
TEST(WindowIcon, GivesTheResourcePicturesAtEverySizeOnceAWindowHasPainted) {
    gui::RuntimeInit(0, nullptr);
    EXPECT_TRUE(QApplication::windowIcon().isNull());
    QWidget window;
    window.resize(40, 30);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (QApplication::windowIcon().isNull() && waited.elapsed() < 5000) QApplication::processEvents();
    EXPECT_FALSE(window.windowIcon().isNull());
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
