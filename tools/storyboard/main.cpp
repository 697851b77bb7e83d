// SPDX-License-Identifier: MIT
// orvane-storyboard: every scene of the tutorial as its window shows it.
//
//   orvane-storyboard [OUTPUT-DIR]   writes scene-NN-<picture>.png (the window as grabbed),
//                                    annotated/scene-NN-<picture>.png (with what lies where),
//                                    contact-sheet.png and index.html
//   orvane-storyboard --check        renders every scene, writes nothing, and fails when any
//                                    scene has a problem (missing picture, text cut off, a
//                                    callout off the window or over the pointer's target)
//
// The tool runs the real window on the real script, on Qt's offscreen platform with the same
// 1024 x 768 screen as the unit tests, unless QT_QPA_PLATFORM says otherwise. Like the program,
// it loads the screenshots from its own directory: the build puts them beside it.

#include "capture.h"
#include "drawing.h"
#include "report.h"

#include "platform/app_font.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPalette>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>

namespace {

void fail(const QString& message) {
    std::fprintf(stderr, "orvane-storyboard: %s\n", qPrintable(message));
    std::exit(EXIT_FAILURE);
}

// The offscreen platform on the tutorial's screen, unless the caller chose a platform.
void chooseScreen() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return;
    }
    const QString config = QStringLiteral(ORVANE_OFFSCREEN_CONFIG);
    if (!QFile::exists(config)) {
        fail(QStringLiteral("the screen description %1 is missing").arg(config));
    }
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen:configfile=") + config.toLocal8Bit());
}

// The desktop the scenes were rendered on, as the platform theme presents it: its colours and
// its general font (which the program doesn't use: it has its own).
QString desktopLine() {
    const QColor window = QApplication::palette().color(QPalette::Window);
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    return QStringLiteral("desktop: window colour %1 (%2), general font %3 %4 pt\n")
        .arg(window.name(),
             window.lightness() < 128 ? QStringLiteral("dark") : QStringLiteral("light"))
        .arg(font.family())
        .arg(font.pointSizeF());
}

void writeImage(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        fail(QStringLiteral("can't write %1").arg(path));
    }
}

void writeText(const QString& text, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        fail(QStringLiteral("can't write %1").arg(path));
    }
}

// Pictures of an earlier run go first, so that a renamed screenshot leaves no stale scene.
void clearScenes(const QDir& dir) {
    const QStringList old =
        dir.entryList({QStringLiteral("scene-*.png")}, QDir::Files | QDir::NoDotAndDotDot);
    for (const QString& name : old) {
        QFile::remove(dir.filePath(name));
    }
}

void writeStoryboard(const QList<storyboard::SceneShot>& shots, const QString& where) {
    QDir dir(where);
    if (!dir.mkpath(QStringLiteral("annotated"))) {
        fail(QStringLiteral("can't create %1").arg(dir.filePath(QStringLiteral("annotated"))));
    }
    const QDir annotated(dir.filePath(QStringLiteral("annotated")));
    clearScenes(dir);
    clearScenes(annotated);
    for (const storyboard::SceneShot& shot : shots) {
        const QString name = storyboard::sceneFileName(shot);
        writeImage(shot.window, dir.filePath(name));
        writeImage(storyboard::annotatedScene(shot), annotated.filePath(name));
    }
    writeImage(storyboard::contactSheet(shots), dir.filePath(QStringLiteral("contact-sheet.png")));
    writeText(storyboard::indexPage(shots), dir.filePath(QStringLiteral("index.html")));
}

} // namespace

int main(int argc, char* argv[]) {
    chooseScreen();
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvane-storyboard"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Renders every scene of the tutorial as its window shows it."));
    parser.addHelpOption();
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Write nothing; fail when any scene has a problem."));
    parser.addOption(check);
    parser.addPositionalArgument(
        QStringLiteral("output"),
        QStringLiteral("Directory for the storyboard (default: storyboard)."));
    parser.process(application);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1 || (parser.isSet(check) && !positional.isEmpty())) {
        parser.showHelp(EXIT_FAILURE);
    }

    if (!platform::installApplicationFont()) {
        fail(QStringLiteral("without the program's font the scenes would not look as they do"));
    }
    const QList<storyboard::SceneShot> shots = storyboard::captureAllScenes();
    const QString summary = desktopLine() + storyboard::summary(shots);
    std::fputs(qPrintable(summary), stdout);

    if (parser.isSet(check)) {
        for (const storyboard::SceneShot& shot : shots) {
            if (!shot.problems.isEmpty()) {
                return EXIT_FAILURE;
            }
        }
        return EXIT_SUCCESS;
    }
    const QString where = positional.isEmpty() ? QStringLiteral("storyboard") : positional.first();
    writeStoryboard(shots, where);
    std::printf("storyboard written to %s: contact-sheet.png, index.html, %lld scenes and their "
                "annotated copies\n",
                qPrintable(QDir(where).absolutePath()), static_cast<long long>(shots.size()));
    return EXIT_SUCCESS;
}
