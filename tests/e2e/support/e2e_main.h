// SPDX-License-Identifier: MIT
#pragma once

// The main of an end-to-end test program: an X server of its own first, then the application,
// which connects to it so that the tests can read the screen.

#include "x_session.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#define ORVANE_E2E_MAIN(TestClass)                                                                 \
    int main(int argc, char* argv[]) {                                                             \
        e2e::XServer xServer;                                                                      \
        QTemporaryDir runtimeDirectory;                                                            \
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDirectory.path()));                    \
        qputenv("QT_QPA_PLATFORM", "xcb");                                                         \
        /* The harness reads the program's accessibility bus; it publishes nothing itself. */      \
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");                                                     \
        QGuiApplication application(argc, argv);                                                   \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
