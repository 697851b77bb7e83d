// SPDX-License-Identifier: MIT
#pragma once

// A Wayland desktop for the end-to-end tests: weston with its headless backend on a socket of
// its own, with the desktop shell (no panel, so the work area is the whole output) and its
// debugging protocols, through which the screen can be grabbed.

#include <QImage>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

namespace e2e {

class WestonServer {
public:
    explicit WestonServer(QSize output);
    ~WestonServer();
    WestonServer(const WestonServer&) = delete;
    WestonServer& operator=(const WestonServer&) = delete;

    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }

    // The socket's full path: a client finds the server through WAYLAND_DISPLAY set to it.
    QString socketPath() const;

    // The output as weston composes it; a null image, with a warning, when it can't be grabbed.
    QImage grabScreen();

private:
    bool writeConfig();
    bool waitForSocket();

    QTemporaryDir runtime_; // weston's XDG_RUNTIME_DIR: its socket and lock live here
    QProcess weston_;
    QString error_;
};

} // namespace e2e
