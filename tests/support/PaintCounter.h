#pragma once

#include <QEvent>
#include <QObject>

// Counts the paint events a widget receives, once installed as its event filter: real paints, not requests.
struct PaintCounter final : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};
