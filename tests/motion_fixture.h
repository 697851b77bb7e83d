// SPDX-License-Identifier: MIT
#pragma once

// Shared by the tests of the glide, the resizing and the dragging: pictures written beside the
// test program (the program directory the window loads them from), a look at what is on the
// screen, and a tap on a widget's events.

#include "gif_fixture.h"
#include "tutorial_test.h"

#include <QFile>
#include <QScreen>

#include <functional>

namespace fixture {

inline QString besideProgram(const QString& name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// A white GIF of width x height pixels beside the program.
inline bool writeWhitePicture(const QString& name, quint16 width, quint16 height) {
    QFile file(besideProgram(name));
    return file.open(QIODevice::WriteOnly) && file.write(gif(width, height, 1)) > 0;
}

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
