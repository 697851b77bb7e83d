// SPDX-License-Identifier: MIT
#pragma once

// The tutorial program as a user and a screen reader meet it: started as a process on the
// test's desktop, driven with real key presses and mouse events (xdotool), and read through the
// accessibility bus, where its page label, buttons, screenshot and callout publish their text,
// state and place on the screen. The program has no test hooks: this is what any assistive
// technology sees.
//
// The helpers report problems through QtTest (QVERIFY and friends) and return early; a caller
// checks QTest::currentTestFailed() after them, as E2E_CHECK does.

#include "x_session.h"

#include <QDBusConnection>
#include <QHash>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>

#include <optional>

#define E2E_RETURN_IF_FAILED()                                                                     \
    do {                                                                                           \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

#define E2E_CHECK(call)                                                                            \
    do {                                                                                           \
        call;                                                                                      \
        E2E_RETURN_IF_FAILED();                                                                    \
    } while (false)

namespace e2e {

// How long the tests wait for a condition before they fail. Generous: a sanitizer build on a
// busy machine is slow, and every wait ends as soon as its condition holds.
inline constexpr int kPatienceMs = 60000;

struct LaunchOptions {
    QString binary;           // the program file to start (a copy, a symlink, the build's own)
    QString workingDirectory; // where it is started from
    bool asNobody = false;    // run with the rights of user nobody (tests run as root)
    QProcessEnvironment environment; // the desktop's when empty
};

class Tutorial {
public:
    Tutorial(Desktop& desktop, const LaunchOptions& options);
    ~Tutorial();
    Tutorial(const Tutorial&) = delete;
    Tutorial& operator=(const Tutorial&) = delete;

    // Waits until the window is on the screen, active and published on the accessibility bus,
    // and finds the controls the tests read.
    void waitUntilReady();

    qint64 pid() const { return process_.processId(); }
    QString windowId() const { return windowId_; }
    bool running() const { return process_.state() != QProcess::NotRunning; }
    // Everything the program wrote to stderr so far.
    QString errors();

    // The page label's text, "Page  k of  80".
    QString pageLabel();
    // Waits until the page label shows scene k.
    void waitForScene(int scene);

    // A control by its accessible name ("Next", "Screenshot") or, for the page label and the
    // callout text, by its accessible description ("Page number", "Help text").
    QRect extents(const QString& control);
    bool isEnabled(const QString& control);
    bool isShowing(const QString& control);

    // Does the control's first accessible action (a button's Press), the way a screen reader or
    // a test on a display without input injection (Wayland) presses it. False when the program
    // didn't confirm it (a program that ends on the action may not).
    bool doAction(const QString& control);

    // Real input through the X server.
    void key(const QString& keys);
    void click(QPoint at);
    void drag(QPoint from, QPoint to);

    // Waits for the program's end and returns its exit code; fails if it doesn't end normally.
    int waitForExit();

    // The peak of the program's resident memory so far, in kB (VmHWM).
    qint64 peakResidentKb() const;

private:
    struct Node {
        QString path;
        QString name;
        QString description;
    };
    QString nodePath(const QString& control);
    QStringList children(const QString& path);
    QString property(const QString& path, const QString& name);
    void findApplication();
    void indexControls();
    void waitForActiveWindow();
    void findWindowId();

    Desktop& desktop_;
    QProcess process_;
    QString stderr_;
    QDBusConnection bus_;
    QString connectionName_;
    QString service_; // the program's name on the accessibility bus
    QHash<QString, QString> controls_;
    QString windowPath_;
    QString windowId_;
};

// Polls `condition` with the event loop running until it holds or `timeoutMs` passes.
template <class Condition> bool waitFor(Condition condition, int timeoutMs = kPatienceMs);

} // namespace e2e

#include <QDeadlineTimer>
#include <QTest>

template <class Condition> bool e2e::waitFor(Condition condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}
