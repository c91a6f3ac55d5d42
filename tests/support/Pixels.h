#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

// What a top-level window shows, grabbed once and read at a control's own coordinates.
struct WindowShot {
    explicit WindowShot(QWidget* window) : window(window), image(window->grab().toImage()) {}

    // `colour` at `at` or at one of its eight neighbours: a line lands within a pixel of its worked position.
    ::testing::AssertionResult Shows(const QWidget* control, QPoint at, QColor colour) const {
        return Around(control, at, colour, false);
    }
    // White at `at` and all around it: nothing is drawn there.
    ::testing::AssertionResult Blank(const QWidget* control, QPoint at) const {
        return Around(control, at, QColor(255, 255, 255), true);
    }
    // The part of the picture that `area` of the control covers.
    QImage Part(const QWidget* control, QRect area) const {
        return image.copy(area.translated(control->mapTo(window, QPoint(0, 0))));
    }

    QWidget* window;
    QImage image;

  private:
    // Whether any (or, with `all`, every) pixel of the nine has `colour`.
    ::testing::AssertionResult Around(const QWidget* control, QPoint at, QColor colour, bool all) const {
        const QPoint centre = control->mapTo(window, at);
        QString seen;
        bool any = false, every = true;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QColor c = image.pixelColor(centre + QPoint(dx, dy));
                any = any || c == colour;
                every = every && c == colour;
                seen += c.name() + ' ';
            }
        }
        if (all ? every : any) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "no " << (all ? "all " : "") << colour.name().toStdString() << " around (" << at.x() << ", "
               << at.y() << "): " << seen.toStdString();
    }
};
