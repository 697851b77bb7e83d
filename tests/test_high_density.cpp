// SPDX-License-Identifier: MIT
// On a screen of two device pixels to each logical one, the presentation draws the picture's copy
// at twice the density, pixel for pixel, in the picture's place; everything placed by the
// picture's size lands where the picture alone puts it; a copy that is missing or unfit gives way
// to the picture.

#include "tutorial_test.h"

#include "platform/controls.h"
#include "platform/directories.h"
#include "platform/picture.h"
#include "platform/picture_cache.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryFile>

#include <cstdio>

#include <unistd.h>

using platform::Int16;

namespace {

const QString kPicture = QStringLiteral("Dense.GIF");    // 640 x 480, black, with a copy
const QString kAlone = QStringLiteral("DenseAlone.GIF"); // 640 x 480, black, no copy
const QString kOwn = QStringLiteral("DenseOwn"); // scene n of four shows DenseOwn<n>, with a copy
const int kOwnScenes = 4;
const QRgb kBlack = qRgb(0, 0, 0);

// A checkerboard of single pixels: drawn any way but one to one, it would blur or lose pixels.
QImage checkerboard(QSize size) {
    QImage image(size, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 255), qRgb(255, 255, 255)});
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, uint((x + y) % 2));
        }
    }
    return image;
}

QImage copyImage() {
    return checkerboard(QSize(1280, 960));
}

bool writeCopy(const QString& picture, const QByteArray& bytes) {
    return gifs::writeFile(fixture::besideProgram(platform::doubleDensityName(picture)), bytes);
}

// A scene with a callout and a pointer, showing `picture`, in an 800 x 600 window.
void prepare(TestWindow& w, const QString& picture) {
    fixture::oneScene(w, {.HelpText = QStringLiteral("Crisp on any screen."),
                          .HelpTop = 2000,
                          .HelpLeft = 2000,
                          .MouseY = 1000,
                          .MouseX = 1550,
                          .SectionName = {},
                          .PictureFile = picture});
}

// Every number the presentation derives from the picture.
QList<float> placesOf(const TestWindow& w) {
    return {w->Image1->Width(),          w->Image1->Height(),
            w->Image1->Left(),           w->Image1->Top(),
            w->HelpTextMemo->Left(),     w->HelpTextMemo->Top(),
            w->HelpTextMemoBack->Left(), w->HelpTextMemoBack->Top(),
            w->MousePict->Left(),        w->MousePict->Top()};
}

// What the screen shows of the picture, pixel for pixel: the top left of Image1, whose extent is
// the picture's HIMETRIC numbers taken as twips.
QImage shownPicture(const TestWindow& w) {
    QImage image = w->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image.copy(0, 0, 1280, 960);
}

// The copy at twice the density of a scene of the real script, as its file holds it.
QImage copyOf(const TestWindow& w, int scene) {
    const QString picture = fixture::besideProgram(w.scenes(Int16(scene)).PictureFile);
    QImage copy(platform::doubleDensityName(picture));
    copy.setDevicePixelRatio(1); // as shownPicture's
    return copy.convertToFormat(QImage::Format_RGB32);
}

void restUntilDecoded(const TestWindow& w) {
    QTRY_VERIFY(!w->pictureCache().preparing());
}

// The lines that `action` writes on stderr about copies at twice the density.
template <class Action> QStringList copyReports(Action action) {
    QTemporaryFile file;
    if (!file.open()) {
        return {QStringLiteral("stderr can't be caught")};
    }
    std::fflush(stderr);
    const int original = dup(STDERR_FILENO);
    dup2(file.handle(), STDERR_FILENO);
    action();
    std::fflush(stderr);
    dup2(original, STDERR_FILENO);
    close(original);
    file.seek(0);
    return QString::fromLocal8Bit(file.readAll()).split(u'\n').filter(QStringLiteral("@2x"));
}

} // namespace

class HighDensityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        QVERIFY(fixture::writePicture(kPicture, {640, 480}, kBlack));
        QVERIFY(fixture::writePicture(kAlone, {640, 480}, kBlack));
        for (int i = 1; i <= kOwnScenes; ++i) {
            QVERIFY(fixture::writePicture(fixture::ownPicture(kOwn, i), {640, 480}));
            QVERIFY(writeCopy(fixture::ownPicture(kOwn, i), gifs::solidGif({1280, 960}, kBlack)));
        }
    }
    void init() { QVERIFY(writeCopy(kPicture, gifs::gifFile({{copyImage()}}))); }
    void cleanupTestCase() {
        for (const QString& name : {kPicture, kAlone, platform::doubleDensityName(kPicture)}) {
            QFile::remove(fixture::besideProgram(name));
        }
        for (int i = 1; i <= kOwnScenes; ++i) {
            QFile::remove(fixture::besideProgram(fixture::ownPicture(kOwn, i)));
            QFile::remove(
                fixture::besideProgram(platform::doubleDensityName(fixture::ownPicture(kOwn, i))));
        }
    }

    // The copy is drawn one to one onto the screen's pixels, and the window's numbers are those
    // of the picture alone: the HIMETRIC extent, the picture's corner, the callout, the pointer.
    void copyIsDrawnInThePicturesPlace() {
        TestWindow dense;
        prepare(dense, kPicture);
        dense->show();
        QVERIFY(QTest::qWaitForWindowExposed(dense.window));
        dense->SetCurrentScene();
        QCOMPARE(shownPicture(dense), copyImage().convertToFormat(QImage::Format_RGB32));

        TestWindow alone;
        prepare(alone, kAlone);
        alone->SetCurrentScene();
        QCOMPARE(dense->Image1->Width(), 16933.0f);
        QCOMPARE(dense->Image1->Height(), 12700.0f);
        QCOMPARE(placesOf(dense), placesOf(alone));
    }

    // A copy that can't be used leaves the picture shown as on any screen, at its size, and
    // stderr says why (`why`; nothing for a copy that isn't there) at each presentation.
    void unfitCopyGivesWayToThePicture_data() {
        QTest::addColumn<QByteArray>("copy");
        QTest::addColumn<QString>("why");
        QTest::newRow("missing") << QByteArray() << QString();
        QTest::newRow("not a GIF")
            << QByteArray("GIF? not really") << QStringLiteral("not a GIF picture");
        const QByteArray whole = gifs::gifFile({{copyImage()}});
        QTest::newRow("cut off") << whole.left(whole.size() - 1)
                                 << QStringLiteral("damaged GIF picture (the file is cut off)");
        QTest::newRow("the picture's size") << gifs::solidGif({640, 480}, qRgb(0, 0, 255))
                                            << QStringLiteral("640 x 480 pixels, not twice the "
                                                              "picture's");
        QTest::newRow("one row short") << gifs::solidGif({1280, 959}, qRgb(0, 0, 255))
                                       << QStringLiteral("1280 x 959 pixels, not twice the "
                                                         "picture's");
    }

    void unfitCopyGivesWayToThePicture() {
        QFETCH(QByteArray, copy);
        QFETCH(QString, why);
        const QString copyPath = fixture::besideProgram(platform::doubleDensityName(kPicture));
        QFile::remove(copyPath);
        if (!copy.isEmpty()) {
            QVERIFY(writeCopy(kPicture, copy));
        }
        TestWindow w;
        prepare(w, kPicture);
        const QStringList reports = copyReports([&] {
            w->SetCurrentScene();
            w->SetCurrentScene();
        });
        const QString report =
            QStringLiteral("orvane-tutorial: screenshot %1: %2; the picture is shown instead")
                .arg(platform::doubleDensityName(platform::workingDirectory() + u'/' + kPicture),
                     why);
        QCOMPARE(reports, why.isEmpty() ? QStringList() : QStringList(2, report));
        QCOMPARE(w->Image1->picture().pixmap.devicePixelRatio(), 1.0);
        QCOMPARE(w->Image1->picture().pixmap.toImage().pixel(20, 20), kBlack);
        TestWindow alone;
        prepare(alone, kAlone);
        alone->SetCurrentScene();
        QCOMPARE(placesOf(w), placesOf(alone));
    }

    // The copies decoded ahead are drawn as those loaded at the presentation: Next after a rest
    // shows the one decoded ahead, a jump by the section list one loaded then.
    void copiesDecodedAheadAndLoadedAtAJumpLookTheSame() {
        TestWindow w;
        w->Load();
        w->resize(1000, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        w->CurrentScene = 28;
        w->SetCurrentScene();
        restUntilDecoded(w);
        w->btnNext_Click();
        QCOMPARE(shownPicture(w), copyOf(w, 29));
        w->cmbCurrentSection->setListIndex(
            w->cmbCurrentSection->findText(QStringLiteral("Inventory")));
        QCOMPARE(shownPicture(w), copyOf(w, w->CurrentScene));
    }

    // After a rest each way leads to a copy decoded ahead, to either end of the script.
    void copiesAfterARestAreServedReady() {
        TestWindow w;
        fixture::ownPictures(w, kOwn, kOwnScenes);
        QCOMPARE(fixture::walkWithRests(w, {3, 4, 3, 2, 1}), QStringList());
    }

    // A copy rewritten after it was decoded ahead is shown as the file now is.
    void copyRewrittenAfterItsDecodeIsShownAnew() {
        const QString next = QStringLiteral("DenseNext.GIF");
        const QString copy = platform::doubleDensityName(next);
        QVERIFY(fixture::writePicture(next, {640, 480}, qRgb(0, 0, 0)));
        QVERIFY(fixture::writePicture(copy, {1280, 960}, qRgb(255, 255, 255)));
        TestWindow w;
        w->Load();
        w.scenes(29).PictureFile = next;
        w->CurrentScene = 28;
        w->SetCurrentScene();
        restUntilDecoded(w);
        QVERIFY(fixture::writePicture(copy, {1280, 960}, qRgb(255, 0, 0)));
        w->btnNext_Click();
        QCOMPARE(shownPicture(w).pixelColor(20, 20), QColor(Qt::red));
        QFile::remove(fixture::besideProgram(next));
        QFile::remove(fixture::besideProgram(copy));
    }

    // Closing the window while the copies are decoded waits for no more than the running decode,
    // and leaves nothing behind for the sanitizers to find.
    void windowClosesWhileDecodesRun() {
        auto w = std::make_unique<TestWindow>();
        (*w)->Load();
        (*w)->SetCurrentScene();
        QElapsedTimer waited;
        waited.start();
        while (!(*w)->pictureCache().decoding() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents();
        }
        QVERIFY((*w)->pictureCache().decoding());
        (*w)->btnExit_Click();
        w.reset();
    }

    // A picture denser than the screen (the copy on a screen at 1.25 or 1.5) is brought down
    // smoothly: a checkerboard of single pixels at twice the screen's density becomes an even
    // blend, where nearest pixels would keep one colour of each pair.
    void denserPictureIsBroughtDownSmoothly() {
        QImage dense = checkerboard(QSize(256, 256)).convertToFormat(QImage::Format_RGB32);
        dense.setDevicePixelRatio(4);
        platform::Image image(nullptr);
        image.setPicture(platform::pictureFromImage(dense));
        image.resize(64, 64);
        const QImage shown = image.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(128, 128));
        const QColor middle = shown.pixelColor(64, 64);
        QVERIFY2(middle.red() > 64 && middle.red() < 192,
                 qPrintable(QStringLiteral("the blend is %1").arg(middle.name())));
    }

    // Without the picture there is nothing the copy could stand for: the page that names the
    // missing file, as on any screen.
    void copyWithoutItsPictureShowsThePlaceholder() {
        const QString missing = QStringLiteral("DenseMissing.GIF");
        QVERIFY(writeCopy(missing, gifs::gifFile({{copyImage()}})));
        TestWindow w;
        prepare(w, missing);
        QCOMPARE(copyReports([&] { w->SetCurrentScene(); }), QStringList());
        QFile::remove(fixture::besideProgram(platform::doubleDensityName(missing)));
        QCOMPARE(w->Image1->picture().pixmap.devicePixelRatio(), 1.0);
        QCOMPARE(w->Image1->picture().pixmap.toImage().pixelColor(20, 20), QColor(236, 236, 236));
        QCOMPARE(w->Image1->Width(), 16933.0f);
    }
};

ORVANE_TEST_MAIN(HighDensityTest)
#include "test_high_density.moc"
