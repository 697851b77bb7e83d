// SPDX-License-Identifier: MIT
#pragma once

// Shared by the unit tests: a main that sets up the application as the program does, a window
// on a scene table of the test's own, and a one-scene script with its picture beside the test
// program (the program directory the window loads pictures from).

#include "support/gif_files.h"

#include "platform/app_font.h"
#include "script/scene_table.h"
#include "window/frm_main.h"

#include <QApplication>
#include <QFile>
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

namespace fixture {

inline QString besideProgram(const QString& name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// A picture of one colour beside the program; false if it can't be written.
inline bool writePicture(const QString& name, QSize size, QRgb colour = qRgb(255, 255, 255)) {
    return gifs::writeFile(besideProgram(name), gifs::solidGif(size, colour));
}

// The window at 800 x 600 pixels (12000 x 9000 twips) on a script of this one scene, at scene 1.
// A 640 x 480 picture has its corner at (1200.1, 900).
inline void oneScene(TestWindow& w, const script::Scene& scene) {
    w->resize(800, 600);
    w.scenes(1) = scene;
    w->NumberOfScenes = 1;
    w->CurrentScene = 1;
}

} // namespace fixture
