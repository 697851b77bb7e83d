// SPDX-License-Identifier: MIT
// Odd places and what needs a real process, each with the real program in a directory of its
// own: a copy of the binary beside a full set of made-up screenshots, one of them replaced,
// started from another working directory that holds a decoy of the same name. The tutorial must
// run on, show what it can, say on stderr what it can't, keep its memory when a picture claims
// to be huge, and write nothing anywhere. Which pictures load and why the others don't is the
// unit tests' table (test_platform).

#include "support/e2e_main.h"
#include "support/gif_files.h"
#include "support/sandbox.h"
#include "support/scenes.h"
#include "support/screen_check.h"
#include "support/tutorial_app.h"

#include "script/tutorial_script.h"

#include <QFile>
#include <QStandardPaths>

#include <memory>
#include <optional>
#include <tuple>

#include <unistd.h>

using e2e::Desktop;
using e2e::Sandbox;
using e2e::Tutorial;

namespace {
constexpr QSize kPictureSize(160, 120);
const QString kFirstPicture = QStringLiteral("TutorialTips.GIF"); // scene 1, no callout
constexpr QRgb kDecoy = 0xffff0000;                               // in the working directory
// A decoded 30000 x 30000 picture needs gigabytes; the toolkit alone refuses more than 256 MB.
// A run with such a picture may use only a little more memory than a run with a good one.
constexpr qint64 kLargePictureAllowanceKb = 64 * 1024;

QImage solid(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// What scene 1 should show: a picture, or the placeholder page with a reason that begins with
// `reason` (any reason when it is empty).
struct Expected {
    std::optional<QImage> picture;
    QString reason;
};

Expected shows(const QImage& picture) {
    return Expected{picture, QString()};
}

Expected placeholderBecause(const QString& reason) {
    return Expected{std::nullopt, reason};
}
} // namespace

class TestPicturesE2E : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Desktop> desktop_;
    qint64 goodRunPeakKb_ = 0; // the memory peak of a run with good pictures only
    qint64 lastPeakKb_ = 0;

    // A run with good pictures only, once, for the memory it takes.
    qint64 goodRunPeakKb() {
        if (goodRunPeakKb_ == 0) {
            auto sandbox = makeSandbox();
            if (!QTest::currentTestFailed()) {
                run(*sandbox, shows(solid(kPictureSize, e2e::sceneColour(1))));
                goodRunPeakKb_ = lastPeakKb_;
            }
        }
        return goodRunPeakKb_;
    }

    // A program directory with the program and all its screenshots, each of its scene's colour,
    // and a working directory with a decoy of scene 1's screenshot.
    std::unique_ptr<Sandbox> makeSandbox(const QString& directoryName = QStringLiteral("program")) {
        auto sandbox = std::make_unique<Sandbox>(directoryName);
        if (!sandbox->ok()) {
            return sandbox;
        }
        sandbox->installProgram(QStringLiteral(ORVANE_TUTORIAL_BINARY));
        for (int number = 1; number <= script::kScriptScenes; ++number) {
            sandbox->writePicture(e2e::scene(number).PictureFile,
                                  gifs::solidGif(kPictureSize, e2e::sceneColour(number)));
        }
        sandbox->writeToWorkingDirectory(kFirstPicture, gifs::solidGif(kPictureSize, kDecoy));
        return sandbox;
    }

    void expectSceneOne(Tutorial& tutorial, const Expected& expected) {
        const QPoint corner = tutorial.extents(QStringLiteral("Screenshot")).topLeft();
        if (expected.picture) {
            double share = 0;
            e2e::waitFor([&] {
                share = e2e::shareOfPicture(Desktop::grabScreen(), *expected.picture, corner,
                                            Desktop::screenGeometry());
                return share == 1.0;
            });
            QVERIFY2(share == 1.0, qPrintable(QStringLiteral("scene 1's picture is not on the "
                                                             "screen: %1 of it")
                                                  .arg(share)));
            return;
        }
        // The placeholder: a grey page with its message in dark letters.
        const QRect page(corner, QSize(640, 480));
        double grey = 0;
        e2e::waitFor([&] {
            grey = e2e::shareOfColour(Desktop::grabScreen(), page, e2e::kPlaceholderGrey);
            return grey > 0.5;
        });
        QVERIFY2(grey > 0.5, "the placeholder page is not on the screen");
        QVERIFY2(e2e::shareOfDark(Desktop::grabScreen(), page) > 0.002,
                 "the placeholder page carries no message");
    }

    void expectSceneTwo(Tutorial& tutorial) {
        const QPoint corner = tutorial.extents(QStringLiteral("Screenshot")).topLeft();
        const QImage picture = solid(kPictureSize, e2e::sceneColour(2));
        QVERIFY2(e2e::waitFor([&] {
                     return e2e::shareOfPicture(Desktop::grabScreen(), picture, corner,
                                                Desktop::screenGeometry()) == 1.0;
                 }),
                 "scene 2's picture is not on the screen");
    }

    // Starts the program, checks scene 1, moves to scene 2 and back (the bad picture is read
    // again and the tutorial goes on), ends it with Alt+E, and checks that nothing was written.
    void run(Sandbox& sandbox, const Expected& expected, const QString& binary = QString(),
             bool asNobody = false) {
        const QStringList before = sandbox.listing();
        Tutorial tutorial(*desktop_,
                          e2e::LaunchOptions{binary.isEmpty() ? sandbox.binary() : binary,
                                             sandbox.workingDirectory(), asNobody,
                                             sandbox.environment(*desktop_)});
        E2E_CHECK(tutorial.waitUntilReady());
        QCOMPARE(tutorial.pageLabel(), e2e::pageLabel(1));
        E2E_CHECK(expectSceneOne(tutorial, expected));

        tutorial.key(QStringLiteral("alt+n"));
        E2E_CHECK(tutorial.waitForScene(2));
        E2E_CHECK(expectSceneTwo(tutorial));
        tutorial.key(QStringLiteral("alt+p"));
        E2E_CHECK(tutorial.waitForScene(1));
        E2E_CHECK(expectSceneOne(tutorial, expected));

        const qint64 peakKb = tutorial.peakResidentKb();
        tutorial.key(QStringLiteral("alt+e"));
        QCOMPARE(tutorial.waitForExit(), 0);

        // Each presentation of scene 1 (two at start-up, one on the way back) says what is
        // wrong with its picture, naming the file; nothing else is reported.
        const QStringList lines = tutorial.errors().split(u'\n', Qt::SkipEmptyParts);
        const QString report = QStringLiteral("orvane-tutorial: screenshot %1: %2")
                                   .arg(sandbox.picturePath(kFirstPicture), expected.reason);
        for (const QString& line : lines) {
            if (line.contains(QLatin1String("screenshot"))) {
                QVERIFY2(!expected.picture && line.startsWith(report), qPrintable(line));
            }
        }
        if (!expected.picture) {
            QCOMPARE(lines.filter(report).size(), 3);
        }
        QCOMPARE(sandbox.listing(), before);
        lastPeakKb_ = peakKb;
    }

private Q_SLOTS:
    void initTestCase() {
        desktop_ = std::make_unique<Desktop>(Desktop::WindowManager::None);
        QVERIFY2(desktop_->ok(), qPrintable(desktop_->error()));
    }

    void cleanupTestCase() { desktop_.reset(); }

    // Odd places: the program finds its pictures in its own directory, whatever the directory's
    // name, however it was started and from wherever.
    void aDirectoryNameWithBlanksAndNonAsciiLetters() {
        auto sandbox = makeSandbox(QStringLiteral("Orvane Tutorial – Übungen für Anfänger ñ"));
        E2E_RETURN_IF_FAILED();
        E2E_CHECK(run(*sandbox, shows(solid(kPictureSize, e2e::sceneColour(1)))));
        goodRunPeakKb_ = lastPeakKb_;
    }

    void startedThroughASymlinkFromAnotherDirectory() {
        auto sandbox = makeSandbox();
        E2E_RETURN_IF_FAILED();
        const QString links = sandbox->root() + QStringLiteral("/links");
        QVERIFY(QDir().mkpath(links));
        const QString link = links + QStringLiteral("/tutorial link");
        QVERIFY(QFile::link(sandbox->binary(), link));
        E2E_CHECK(run(*sandbox, shows(solid(kPictureSize, e2e::sceneColour(1))), link));
    }

    // A missing picture: the placeholder, and the stderr line that names the file and the
    // reason.
    void aMissingFile() {
        auto sandbox = makeSandbox();
        E2E_RETURN_IF_FAILED();
        QVERIFY(QFile::remove(sandbox->picturePath(kFirstPicture)));
        E2E_CHECK(run(*sandbox, placeholderBecause(QStringLiteral("not found"))));
    }

    // A picture too large to show must not take the program down nor eat the memory: one that
    // says so in its screen and its frame, and one whose screen alone is that large.
    void aGifDeclaring30000By30000Pixels() {
        const QSize huge(30000, 30000);
        const QSize small(16, 16);
        const qint64 goodKb = goodRunPeakKb();
        E2E_RETURN_IF_FAILED();
        for (const auto& [screen, frame, reason] :
             {std::tuple{huge, huge, QStringLiteral("picture too large (30000 x 30000 pixels)")},
              std::tuple{huge, small, QString()}}) {
            auto sandbox = makeSandbox();
            E2E_RETURN_IF_FAILED();
            E2E_CHECK(sandbox->writePicture(kFirstPicture, gifs::gifDeclaring(screen, frame)));
            E2E_CHECK(run(*sandbox, placeholderBecause(reason)));
            qInfo("memory peak %lld kB, with good pictures %lld kB", lastPeakKb_, goodKb);
            QVERIFY2(
                lastPeakKb_ < goodKb + kLargePictureAllowanceKb,
                qPrintable(QStringLiteral("%1 kB at the peak, against %2 kB with good pictures")
                               .arg(lastPeakKb_)
                               .arg(goodKb)));
        }
    }

    // A file the program's user may not read. Tests run as root, whom permissions don't stop:
    // then the program runs as user nobody, for whom the program directory is read-only too.
    void aFileThatCantBeRead() {
        const bool root = geteuid() == 0;
        if (root && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) {
            QSKIP("running as root without setpriv: can't make a file unreadable");
        }
        auto sandbox = makeSandbox();
        E2E_RETURN_IF_FAILED();
        QVERIFY(QFile::setPermissions(sandbox->picturePath(kFirstPicture), {}));
        if (root) {
            E2E_CHECK(sandbox->openToNobody());
        }
        E2E_CHECK(
            run(*sandbox, placeholderBecause(QStringLiteral("can't be read")), QString(), root));
    }
};

ORVANE_E2E_MAIN(TestPicturesE2E)
#include "test_e2e_pictures.moc"
