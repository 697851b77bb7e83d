// SPDX-License-Identifier: MIT
#pragma once

// Shared by the tests of what moves on the screen: a look at what the screen shows, and a tap
// on a widget's events.

#include "tutorial_test.h"

#include <QScreen>

#include <functional>

namespace fixture {

// What the screen shows of the window: its backing store as last painted and flushed.
inline QImage onScreen(QWidget* window) {
    return window->screen()
        ->grabWindow(window->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// What the window would show if it were painted now.
inline QImage paintedNow(QWidget* window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Calls `react` for every event of `type` that `target` receives, before the target handles it.
class EventTap : public QObject {
public:
    EventTap(QObject* target, QEvent::Type type, std::function<void()> react)
        : type_(type), react_(std::move(react)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) {
            react_();
        }
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void()> react_;
};

} // namespace fixture
