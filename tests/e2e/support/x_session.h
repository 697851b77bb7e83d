// SPDX-License-Identifier: MIT
#pragma once

// The real conditions the end-to-end tests and the benchmark run under: an X server of their
// own (Xvfb on a free display), optionally a window manager (openbox), and a private session
// bus that offers an accessibility bus, so that the program's widgets can be read the way a
// screen reader reads them. Nothing of this is the program's: it sees an ordinary desktop.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#include <sys/types.h>

#include <memory>

namespace e2e {

// Xvfb on the first free display, started before the application object so that the harness
// itself can connect to it and read the screen. Sets DISPLAY for this process. Ends the process
// with a message when no X server can be started.
class XServer {
public:
    explicit XServer(int width = 1024, int height = 768);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    QString display() const { return display_; }

private:
    pid_t pid_ = -1;
    QString display_;
};

// Runs a helper program of the desktop (xdotool, xprop, xwininfo) to its end and returns its
// standard output; empty when it fails, with the reason as a warning.
QString runTool(const QString& program, const QStringList& arguments, int timeoutMs = 20000);

// Children of the harness die with it, also when ctest kills the harness on a time-out.
void dieWithParent(QProcess& process);

// What runs on the X server besides the program: the session bus with its accessibility bus,
// and the window manager if asked for. Needs the application object.
class Desktop {
public:
    enum class WindowManager { None, Openbox };

    explicit Desktop(WindowManager windowManager);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // False, with the reason, when a part could not be started.
    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }

    WindowManager windowManager() const { return windowManager_; }
    QString busAddress() const { return busAddress_; }

    // The environment for a program on this desktop: this process's environment (so that the
    // sanitizers' options reach the program), DISPLAY and the session bus.
    QProcessEnvironment environment() const;

    // The whole screen as the X server holds it.
    static QImage grabScreen();
    static QRect screenGeometry();

private:
    bool startBus();
    bool startWindowManager();

    WindowManager windowManager_;
    QTemporaryDir home_; // the window manager's home: it may write there, the program may not
    QProcess bus_;
    QProcess windowManagerProcess_;
    QString busAddress_;
    QThread serviceThread_;
    QString error_;
};

} // namespace e2e
