#pragma once

// Only for gui/: the pointer events that canvases and labels share.

#include <QEnterEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <cmath>
#include <cstdint>

#include "gui/internal/Events.h"

namespace gui {

// A pointer position in whole pixels of the control.
inline std::int64_t ToPixel(qreal v) {
    return static_cast<std::int64_t>(std::floor(v));
}

// The pointer events that canvases and labels share: enter, exit, and a press whose answer decides whether
// its release is delivered, wherever the pointer is by then. A press that was answered always ends: when
// its release is lost (the button found up, the window blocked by a modal window, deactivated or hidden,
// the pointer grab taken away), the release is delivered at the last point seen.
template <class Base, class Control>
class PointerForwarding : public Base {
  public:
    PointerForwarding(Control& control, QWidget* parent) : Base(parent), control_(control) {}

  protected:
    void enterEvent(QEnterEvent*) override {
        if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) EndPress();
        internal::RaiseEvent([&] {
            if (control_.MouseEnter) control_.MouseEnter(control_);
        });
    }
    void leaveEvent(QEvent*) override {
        internal::RaiseEvent([&] {
            if (control_.MouseExit) control_.MouseExit(control_);
        });
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        EndPress();
        const auto x = ToPixel(event->position().x()), y = ToPixel(event->position().y());
        lastX_ = x;
        lastY_ = y;
        bool answered = false;
        internal::RaiseEvent([&] {
            if (control_.MouseDown) answered = control_.MouseDown(control_, x, y);
        });
        if (answered) StartPress();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || !captured_) return;
        lastX_ = ToPixel(event->position().x());
        lastY_ = ToPixel(event->position().y());
        EndPress();
    }
    // True when the move belongs to an answered press whose button is still down.
    bool TrackPress(QMouseEvent* event) {
        if (!captured_) return false;
        if (!(event->buttons() & Qt::LeftButton)) {
            EndPress();
            return false;
        }
        lastX_ = ToPixel(event->position().x());
        lastY_ = ToPixel(event->position().y());
        return true;
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        TrackPress(event);
        Base::mouseMoveEvent(event);
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::UngrabMouse) EndPress();
        return Base::event(event);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == topLevel_ &&
            (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowDeactivate ||
             event->type() == QEvent::Hide)) {
            EndPress();
        }
        return Base::eventFilter(watched, event);
    }

    Control& control_;
    bool captured_ = false;
    std::int64_t lastX_ = 0;
    std::int64_t lastY_ = 0;

  private:
    // The top-level window is watched while a press lasts: a modal window blocks it, not this child.
    void StartPress() {
        captured_ = true;
        topLevel_ = this->window();
        if (topLevel_ != this) topLevel_->installEventFilter(this);
    }
    void EndPress() {
        if (!captured_) return;
        captured_ = false;
        if (topLevel_ && topLevel_ != this) topLevel_->removeEventFilter(this);
        topLevel_ = nullptr;
        internal::RaiseEvent([&] {
            if (control_.MouseUp) control_.MouseUp(control_, lastX_, lastY_);
        });
    }

    QPointer<QWidget> topLevel_;
};

}  // namespace gui
