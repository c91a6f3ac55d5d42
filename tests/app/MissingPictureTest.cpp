// This program is built without the embedded resources: the about window finds no picture, until the
// resources arrive while the program runs.
#include <QEnterEvent>
#include <QResource>

#include "gui/Picture.h"
#include "support/ApplicationFixture.h"

namespace {

class MissingPicture : public ApplicationFixture {};

TEST_F(MissingPicture, EmptyPictureAreaThatStillWorksAndALaterWindowTriesAgain) {
    EXPECT_EQ(Pemo2020(), nullptr);
    main->PushButton4().Push();
    class Window2* about = OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Canvas1().Backdrop(), nullptr);
    QWidget* picture = WidgetOf(about->Canvas1());
    QEnterEvent enter(QPointF(5, 5), picture->mapToGlobal(QPointF(5, 5)),
                      picture->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(picture, &enter);
    EXPECT_EQ(about->Canvas1().MouseCursor(), gui::MouseCursor::FingerPointer);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(addresses, std::vector<std::string>{"mailto:orvik.tabrusk@example.org"});
    QApplication::processEvents();
    ASSERT_TRUE(WidgetOf(*about)->grab().save(TRAVIK_ARTIFACTS "/about-window-without-picture.png"));
    about->Close();

    ASSERT_TRUE(QResource::registerResource(QStringLiteral(TRAVIK_ARTWORK_RCC)));
    main->PushButton4().Push();
    ASSERT_NE(OpenAbout()->Canvas1().Backdrop(), nullptr) << "the next about window loads it";
    EXPECT_EQ(OpenAbout()->Canvas1().Backdrop(), Pemo2020());
    QResource::unregisterResource(QStringLiteral(TRAVIK_ARTWORK_RCC));
}

}  // namespace
