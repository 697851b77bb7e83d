// SPDX-License-Identifier: MIT
#pragma once

// Shared by the unit tests: a main that sets up the application as the program does, and a
// window on a scene table of the test's own.

#include "platform/app_font.h"
#include "script/scene_table.h"
#include "window/frm_main.h"

#include <QApplication>
#include <QTest>

#include <memory>

// Like QTEST_MAIN, with the program's own default font.
#define ORVANE_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char* argv[]) {                                                             \
        QApplication application(argc, argv);                                                      \
        platform::installApplicationFont();                                                        \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// A tutorial window with its own scene table, never shown unless a test shows it. The glide's
// pause is skipped unless a test asks for the real one.
struct TestWindow {
    script::SceneTable scenes;
    frmMain* window;

    TestWindow() : window(new frmMain(scenes)) {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->setGlidePause([](double) {});
    }
    ~TestWindow() { delete window; }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    frmMain* operator->() const { return window; }
};
