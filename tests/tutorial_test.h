// SPDX-License-Identifier: MIT
#pragma once

// Shared by the unit tests: a main that sets up the application as the program does, a window
// on a scene table of the test's own, and a one-scene script with its picture beside the test
// program (the program directory the window loads pictures from).

#include "support/gif_files.h"

#include "platform/app_font.h"
#include "platform/picture_cache.h"
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

// Scene 3's own picture is "<name>3.GIF": a picture kept for one scene serves no other.
inline QString ownPicture(const QString& name, int scene) {
    return name + QString::number(scene) + QStringLiteral(".GIF");
}

// The window at 800 x 600 on a script of `count` scenes, each showing its own picture.
inline void ownPictures(TestWindow& w, const QString& name, int count) {
    w->resize(800, 600);
    for (int i = 1; i <= count; ++i) {
        w.scenes(platform::Int16(i)).PictureFile = ownPicture(name, i);
    }
    w->NumberOfScenes = platform::Int16(count);
}

// Presents the scenes of `walk`, the first at once, the others by Next or Previous, resting on
// each until the pictures of its neighbours are decoded. Returns what the decodes ahead failed
// to do: a presentation not served a picture decoded ahead, a picture gone while on the screen.
inline QStringList walkWithRests(TestWindow& w, const QList<int>& walk) {
    QStringList amiss;
    for (qsizetype step = 0; step < walk.size(); ++step) {
        const int served = w->pictureCache().counts().servedReady;
        if (step == 0) {
            w->CurrentScene = platform::Int16(walk[0]);
            w->SetCurrentScene();
        } else if (walk[step] > walk[step - 1]) {
            w->btnNext_Click();
        } else {
            w->btnPrevious_Click();
        }
        if (step > 0 && w->pictureCache().counts().servedReady != served + 1) {
            amiss << QStringLiteral("scene %1 decoded at its presentation").arg(walk[step]);
        }
        if (!QTest::qWaitFor([&] { return !w->pictureCache().preparing(); })) {
            amiss << QStringLiteral("scene %1: the decodes never end").arg(walk[step]);
        }
        const QString shown = besideProgram(w.scenes(w->CurrentScene).PictureFile);
        if (!w->pictureCache().holds(shown, w->Image1->devicePixelRatio())) {
            amiss << QStringLiteral("scene %1 dropped while on the screen").arg(walk[step]);
        }
    }
    return amiss;
}

} // namespace fixture
