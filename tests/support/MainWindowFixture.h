#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QTest>
#include <string>
#include <vector>

#include "gui/TestHooks.h"
#include "gui/internal/ControlImpl.h"
#include "gui/internal/PainterGraphics.h"
#include "gui/internal/Runtime.h"
#include "model/Globals.h"
#include "support/PaintCounter.h"
#include "support/RecordingGraphics.h"
#include "window/Window1.h"

// The main window as a user finds it after start-up, driven through its controls and the mouse.
class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        gui::internal::DestroyAllWindows();
        Globals::SetDefaults();
        gui::hooks::unhandledError = [this](const std::string& text) { errors.push_back(text); };
        window = &Window1();
        CanvasWidget()->installEventFilter(&canvasPaints_);
        ForgetPaints();
    }

    void TearDown() override {
        EXPECT_TRUE(errors.empty()) << "unhandled error: " << (errors.empty() ? "" : errors.front());
        gui::hooks::unhandledError = nullptr;
        gui::internal::DestroyAllWindows();
        Globals::SetDefaults();
    }

    static void Settle() { QApplication::processEvents(); }

    // The paints the canvas received since the last ForgetPaints, once the event loop has settled.
    int CanvasPaints() {
        Settle();
        return canvasPaints_.Of(CanvasWidget());
    }
    void ForgetPaints() {
        Settle();
        canvasPaints_.Clear();
    }

    QWidget* Widget(const gui::RectControl& control) const { return gui::WidgetOf(control); }
    QWidget* CanvasWidget() const { return Widget(window->Canvas1()); }
    // A click on a button, radio button or check box, as the user makes it.
    void Click(const gui::RectControl& control) const {
        static_cast<QAbstractButton*>(Widget(control))->click();
    }

    void Press(int x, int y) {
        QTest::mousePress(CanvasWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    }
    void Drag(int x, int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), CanvasWidget()->mapToGlobal(QPointF(x, y)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(CanvasWidget(), &move);
    }
    void Hover(int x, int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), CanvasWidget()->mapToGlobal(QPointF(x, y)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(CanvasWidget(), &move);
    }
    void Release(int x, int y) {
        QTest::mouseRelease(CanvasWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    }

    // What the next paint of the canvas draws.
    std::vector<std::string> NextPaint() {
        RecordingGraphics g;
        window->Canvas1_Paint(window->Canvas1(), g, {});
        return g.lines;
    }

    // What the screen shows of the canvas once the event loop has settled, in the screen's device pixels.
    QImage CanvasOnScreen() {
        Settle();
        return CanvasWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The paint handler drawn from scratch, with nothing kept, into a picture of the canvas with `ratio`
    // device pixels to the unit, as a screen of that ratio shows it.
    QImage FreshCanvas(double ratio) {
        const QSize size = CanvasWidget()->size();
        QImage image(size * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        gui::PainterGraphics g(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        window->Canvas1_Paint(window->Canvas1(), g, {});
        return image;
    }
    // The number of pixels whose colours differ, or -1 where the sizes do.
    static int Differing(const QImage& a, const QImage& b) {
        if (a.size() != b.size()) return -1;
        int differing = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x)
                differing += (a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff);
        }
        return differing;
    }

    class Window1* window = nullptr;
    std::vector<std::string> errors;

  private:
    PaintCounter canvasPaints_;
};
