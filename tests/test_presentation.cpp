// SPDX-License-Identifier: MIT
// Presenting a scene: the page label, the screenshot loaded from the program's directory and
// centred from the window's outer size, the ends of the script, the section shown in the list,
// and the callout sized from its text and placed beside the screenshot.

#include "motion_fixture.h"

#include "platform/picture.h"
#include "platform/picture_cache.h"
#include "window/placeholder.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

using platform::Int16;

namespace {
const QString kPicture = QStringLiteral("PresentationFixture.GIF"); // 640 x 480, black
const QString kOwn = QStringLiteral("PresentationOwn"); // scene n of six shows PresentationOwn<n>
const int kOwnScenes = 6;

bool near(float actual, float expected) {
    return qAbs(actual - expected) < 0.01f;
}

// A window of 800 x 600 pixels (12000 x 9000 twips) on a script of `count` scenes, each with
// the 640 x 480 fixture picture, showing scene `current`.
void prepare(TestWindow& w, int count, int current) {
    w->resize(800, 600);
    for (int i = 1; i <= count; ++i) {
        w.scenes(Int16(i)).PictureFile = kPicture;
    }
    w->NumberOfScenes = Int16(count);
    w->CurrentScene = Int16(current);
}

QColor placeholderGrey() {
    return QColor(236, 236, 236);
}

QColor colourShown(const TestWindow& w) {
    return w->Image1->picture().pixmap.toImage().pixelColor(20, 20);
}

// Presents the scene and waits until the pictures of its neighbours are decoded.
void presentAndRest(TestWindow& w, int scene) {
    w->CurrentScene = Int16(scene);
    w->SetCurrentScene();
    QTRY_VERIFY(!w->pictureCache().preparing());
}
} // namespace

class PresentationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(fixture::writePicture(kPicture, {640, 480}, qRgb(0, 0, 0)));
        for (int i = 1; i <= kOwnScenes; ++i) {
            QVERIFY(fixture::writePicture(fixture::ownPicture(kOwn, i), {640, 480}));
        }
    }
    void cleanupTestCase() {
        QFile::remove(fixture::besideProgram(kPicture));
        for (int i = 1; i <= kOwnScenes; ++i) {
            QFile::remove(fixture::besideProgram(fixture::ownPicture(kOwn, i)));
        }
    }

    void pageLabelHasDoubleBlanks() {
        TestWindow w;
        prepare(w, 80, 1);
        w->SetCurrentScene();
        QCOMPARE(w->labelPageNumber->Caption(), QStringLiteral("Page  1 of  80"));
        w->CurrentScene = 42;
        w->SetCurrentScene();
        QCOMPARE(w->labelPageNumber->Caption(), QStringLiteral("Page  42 of  80"));
    }

    // Started from elsewhere, the program still finds its pictures: each presentation makes the
    // program's directory the working directory.
    void pictureIsCentredFromTheOuterSize() {
        TestWindow w;
        prepare(w, 80, 5);
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        w->SetCurrentScene();
        QVERIFY(w->Image1->isVisibleTo(w.window));
        QCOMPARE(w->Image1->Width(), 16933.0f); // the raw HIMETRIC numbers
        QCOMPARE(w->Image1->Height(), 12700.0f);
        QVERIFY(near(w->Image1->Left(), 1200.1f));
        QCOMPARE(w->Image1->Top(), 900.0f);
        QCOMPARE(w->Image1->picture().pixmap.toImage().pixelColor(20, 20), QColor(Qt::black));
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
    }

    void calloutHeightFollowsTextLength() {
        TestWindow w;
        prepare(w, 80, 3);
        w.scenes(3).HelpText = QString(283, u'x');
        w.scenes(3).HelpLeft = 5200;
        w.scenes(3).HelpTop = 800;
        w->SetCurrentScene();
        QCOMPARE(w->HelpTextMemo->Height(), 1232.0f);
        QCOMPARE(w->HelpTextMemoBack->Height(), 1377.0f);
        QCOMPARE(w->HelpTextMemo->Width(), 4605.0f); // widths stay as designed
        QCOMPARE(w->HelpTextMemoBack->Width(), 4875.0f);
        QVERIFY(near(w->HelpTextMemo->Left(), 1200.1f + 5200));
        QCOMPARE(w->HelpTextMemo->Top(), 900.0f + 800);
        QVERIFY(near(w->HelpTextMemoBack->Left(), 1200.1f + 5200 - 120));
        QCOMPARE(w->HelpTextMemoBack->Top(), 900.0f + 800 - 120);
        QCOMPARE(w->HelpTextMemo->Caption(), w.scenes(3).HelpText);
        QVERIFY(w->HelpTextMemo->isVisibleTo(w.window));
        QVERIFY(w->HelpTextMemoBack->isVisibleTo(w.window));
        w.scenes(3).HelpText = QString(53, u'y'); // the fraction of a line is kept
        w->SetCurrentScene();
        QCOMPARE(w->HelpTextMemo->Height(), 312.0f);
    }

    void negativeOffsetsGoAboveAndLeftOfThePicture() {
        TestWindow w;
        prepare(w, 80, 21);
        w.scenes(21).HelpText = QStringLiteral("above");
        w.scenes(21).HelpTop = -700;
        w.scenes(21).HelpLeft = -600;
        w->SetCurrentScene();
        QCOMPARE(w->HelpTextMemo->Top(), 200.0f);
        QVERIFY(near(w->HelpTextMemo->Left(), 600.1f));
        QVERIFY(w->HelpTextMemo->Top() < w->Image1->Top());
    }

    void emptyTextHidesCalloutAndKeepsItsCaption() {
        TestWindow w;
        prepare(w, 80, 3);
        w.scenes(3).HelpText = QStringLiteral("Old text");
        w->SetCurrentScene();
        const float left = w->HelpTextMemo->Left();
        w->CurrentScene = 4;
        w->SetCurrentScene();
        QVERIFY(w->HelpTextMemo->isHidden() && w->HelpTextMemoBack->isHidden());
        QCOMPARE(w->HelpTextMemo->Caption(), QStringLiteral("Old text"));
        QCOMPARE(w->HelpTextMemo->Left(), left);
    }

    void buttonsAreOnlyDisabledAtTheEnds() {
        TestWindow w;
        prepare(w, 80, 80);
        w->SetCurrentScene();
        QVERIFY(!w->btnNext->isEnabled());
        QVERIFY(!w->btnPrevious->isEnabled()); // as designed; the presentation enables nothing
        w->CurrentScene = 40;
        w->SetCurrentScene();
        QVERIFY(!w->btnNext->isEnabled());
        w->btnPrevious->setEnabled(true);
        w->btnNext->setEnabled(true);
        w->CurrentScene = 1;
        w->SetCurrentScene();
        QVERIFY(!w->btnPrevious->isEnabled());
        QVERIFY(w->btnNext->isEnabled());
        TestWindow single;
        prepare(single, 1, 1);
        single->btnPrevious->setEnabled(true);
        single->SetCurrentScene();
        QVERIFY(!single->btnNext->isEnabled() && !single->btnPrevious->isEnabled());
    }

    void sectionNameChangesTheListTextWithoutClick() {
        TestWindow w;
        prepare(w, 80, 39);
        w->cmbCurrentSection->AddItem(QStringLiteral("Receivables"));
        w->cmbCurrentSection->AddItem(QStringLiteral("Payables"));
        w.scenes(39).SectionName = QStringLiteral("Payables");
        QSignalSpy clicks(w->cmbCurrentSection, &platform::ComboBox::Click);
        w->SetCurrentScene();
        QCOMPARE(w->cmbCurrentSection->Text(), QStringLiteral("Payables"));
        w->CurrentScene = 38; // no section name: the list keeps what it shows
        w->SetCurrentScene();
        QCOMPARE(w->cmbCurrentSection->Text(), QStringLiteral("Payables"));
        QCOMPARE(clicks.count(), 0);
    }

    void pointerGlidesOnlyAboveOne_data() {
        QTest::addColumn<int>("mouseY");
        QTest::addColumn<bool>("glides");
        QTest::newRow("-1") << -1 << false;
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << false;
        QTest::newRow("2") << 2 << true;
        QTest::newRow("1000") << 1000 << true;
    }
    void pointerGlidesOnlyAboveOne() {
        QFETCH(int, mouseY);
        QFETCH(bool, glides);
        TestWindow w;
        prepare(w, 80, 23);
        w.scenes(23).MouseY = Int16(mouseY);
        int pauses = 0;
        w->setGlidePause([&pauses](double) { ++pauses; });
        w->MousePict->show();
        w->SetCurrentScene();
        QCOMPARE(w->MousePict->isVisibleTo(w.window), glides);
        QCOMPARE(pauses, glides ? 60 : 0);
    }

    void unreadablePictureShowsAPlaceholder() {
        const QString file = QStringLiteral("NotThere.GIF");
        TestWindow w;
        prepare(w, 80, 3);
        w.scenes(3).PictureFile = file;
        w.scenes(3).HelpText = QStringLiteral("Still explained.");
        w.scenes(3).HelpLeft = 100;
        w->SetCurrentScene();
        const QImage shown = w->Image1->picture().pixmap.toImage();
        QCOMPARE(shown.size(), QSize(640, 480));
        QCOMPARE(shown.pixelColor(20, 20), placeholderGrey());
        QCOMPARE(w->Image1->Width(), 16933.0f);
        QVERIFY(near(w->Image1->Left(), 1200.1f));
        QCOMPARE(w->Image1->accessibleDescription(), file);
        // Everything else of the presentation goes on.
        QCOMPARE(w->labelPageNumber->Caption(), QStringLiteral("Page  3 of  80"));
        QVERIFY(w->HelpTextMemo->isVisibleTo(w.window));
        QVERIFY(near(w->HelpTextMemo->Left(), 1300.1f));
        // The file is loaded afresh on every presentation: once it is there, it shows.
        w.scenes(3).PictureFile = kPicture;
        w->SetCurrentScene();
        QCOMPARE(w->Image1->picture().pixmap.toImage().pixelColor(20, 20), QColor(Qt::black));
    }

    // The neighbours' pictures are decoded while the user reads, yet each presentation shows its
    // file as it is then: a ready picture is shown again as it is, a changed file is read again,
    // and a file that fails is told at its presentation (test_e2e_pictures counts its lines).
    void picturesDecodedAheadAreTheFilesAsTheyAreNow() {
        const QString next = QStringLiteral("PresentationNext.GIF");
        const QString broken = QStringLiteral("PresentationBroken.GIF");
        QVERIFY(fixture::writePicture(next, {640, 480}, qRgb(255, 255, 255)));
        QVERIFY(gifs::writeFile(fixture::besideProgram(broken), "GIF? not really"));
        TestWindow w;
        prepare(w, 80, 5);
        w.scenes(6).PictureFile = next;
        w.scenes(4).PictureFile = broken;
        presentAndRest(w, 5);
        QCOMPARE(w->pictureCache().readyCount(), 2); // scenes 5 and 6: scene 4 failed
        presentAndRest(w, 6);
        QCOMPARE(colourShown(w), QColor(Qt::white));
        const qint64 decodedAhead = w->Image1->picture().pixmap.cacheKey();
        presentAndRest(w, 5);
        presentAndRest(w, 6);
        QCOMPARE(w->Image1->picture().pixmap.cacheKey(), decodedAhead);

        QVERIFY(fixture::writePicture(next, {640, 480}, qRgb(255, 0, 0)));
        presentAndRest(w, 6);
        QCOMPARE(colourShown(w), QColor(Qt::red));
        presentAndRest(w, 4);
        QCOMPARE(colourShown(w), placeholderGrey());
        QFile::remove(fixture::besideProgram(next));
        QFile::remove(fixture::besideProgram(broken));
    }

    // At a ratio of 1 the picture decoded ahead is the picture itself, never its copy at twice
    // the density that lies beside it.
    void aheadAtRatioOneIsThePictureItself() {
        TestWindow w;
        w->Load();
        presentAndRest(w, 28);
        w->btnNext_Click();
        QCOMPARE(w->Image1->picture().pixmap.devicePixelRatio(), 1.0);
        QCOMPARE(w->Image1->picture().pixmap.width(), 640);
    }

    // A section the pointer or the arrow keys rest on in the open list is decoded before it is
    // chosen: the first scene of that section, not of the section shown or a neighbour's.
    void sectionRestedOnInTheListIsDecodedAhead() {
        TestWindow w;
        w->Load();
        presentAndRest(w, 1);
        const int entry = 4;
        const QString section = w->cmbCurrentSection->itemText(entry);
        Int16 first = 1;
        while (w.scenes(first).SectionName != section) {
            ++first;
        }
        const QString path = fixture::besideProgram(w.scenes(first).PictureFile);
        QVERIFY(!w->pictureCache().holds(path, 1));
        Q_EMIT w->cmbCurrentSection->highlighted(entry);
        QTRY_VERIFY(w->pictureCache().holds(path, 1));
    }

    // After a rest each way leads to a picture decoded ahead, to either end of the script, and the
    // picture on the screen is the last that the new ones push out.
    void presentationAfterARestIsServedReady_data() {
        QTest::addColumn<QList<int>>("walk");
        QTest::newRow("on to the last scene") << QList<int>{3, 4, 5, 6};
        QTest::newRow("back to the first scene") << QList<int>{4, 3, 2, 1};
        QTest::newRow("back over pictures kept") << QList<int>{1, 2, 3, 4, 5, 4, 3, 2};
    }
    void presentationAfterARestIsServedReady() {
        QFETCH(QList<int>, walk);
        TestWindow w;
        fixture::ownPictures(w, kOwn, kOwnScenes);
        QCOMPARE(fixture::walkWithRests(w, walk), QStringList());
    }

    // Quick presses decode nothing of the pages passed over: once the user rests, only the
    // neighbour that no presentation loaded.
    void quickPressesDecodeNoPagePassedOver() {
        TestWindow w;
        fixture::ownPictures(w, kOwn, kOwnScenes);
        presentAndRest(w, 1);
        const int queued = w->pictureCache().counts().decodesQueued;
        for (int i = 0; i < 3; ++i) {
            w->btnNext_Click();
        }
        QTRY_VERIFY(!w->pictureCache().preparing());
        QCOMPARE(w->pictureCache().counts().decodesQueued, queued + 1);
    }

    // However often a picture is asked for, the one worker decodes it once, and never two at a
    // time: the other core is the window's. Closing drops what the worker hasn't begun.
    void decodesAheadRunOnceEachOneAtATime() {
        QStringList paths; // the screenshots, of their copies none
        for (const QString& name : QDir(QStringLiteral(ORVANE_PICTURES_DIR))
                                       .entryList({QStringLiteral("*.GIF")})
                                       .filter(QRegularExpression(QStringLiteral("^[^@]*$")))) {
            paths << QStringLiteral(ORVANE_PICTURES_DIR "/") + name;
        }
        platform::PictureCache cache;
        cache.prepare(paths.mid(0, 4), 1);
        cache.prepare(paths.mid(0, 4), 1);
        QTRY_VERIFY(!cache.decoding());
        QCOMPARE(cache.counts().decodesBegun, 4);
        QCOMPARE(cache.counts().mostAtOnce, 1);

        platform::PictureCache closing;
        closing.prepare(paths, 1);
        closing.stop();
        const platform::PictureCache::Counts counts = closing.counts();
        QVERIFY(counts.decodesDropped > 0);
        QCOMPARE(counts.decodesBegun + counts.decodesDropped, paths.size());
    }

    // Walking on, the pictures decoded ahead make room for the new ones: never more than four.
    void noMoreThanFourPicturesAreKept() {
        TestWindow w;
        prepare(w, 80, 1);
        for (int i = 1; i <= 8; ++i) {
            w.scenes(Int16(i)).PictureFile = QStringLiteral("Walk%1.GIF").arg(i);
            QVERIFY(fixture::writePicture(w.scenes(Int16(i)).PictureFile, {640, 480}));
        }
        for (int i = 1; i <= 7; ++i) {
            presentAndRest(w, i);
            QVERIFY(w->pictureCache().readyCount() <= platform::PictureCache::kCapacity);
        }
        QCOMPARE(w->pictureCache().readyCount(), platform::PictureCache::kCapacity);
        for (int i = 1; i <= 8; ++i) {
            QFile::remove(fixture::besideProgram(w.scenes(Int16(i)).PictureFile));
        }
    }

    // A screen of one device pixel to the picture's shows the picture itself, never its copy at
    // twice the density, however well that copy would load.
    void copyAtTwiceTheDensityIsLeftAloneAtRatioOne() {
        const QString copy = fixture::besideProgram(platform::doubleDensityName(kPicture));
        QVERIFY(gifs::writeFile(copy, gifs::solidGif({1280, 960}, qRgb(0, 0, 255))));
        TestWindow w;
        prepare(w, 80, 3);
        w->SetCurrentScene();
        QFile::remove(copy);
        QCOMPARE(w->Image1->devicePixelRatio(), 1.0);
        QCOMPARE(w->Image1->picture().pixmap.size(), QSize(640, 480));
        QCOMPARE(w->Image1->picture().pixmap.toImage().pixelColor(20, 20), QColor(Qt::black));
    }

    // The placeholder page says which file is missing and why: each of the two changes it.
    void placeholderNamesTheFileAndTheReason() {
        const auto page = [](const char* file, const char* reason) {
            return placeholderPicture(QLatin1String(file), QLatin1String(reason)).pixmap.toImage();
        };
        const QImage missing = page("Help.GIF", "not found");
        QCOMPARE(missing.size(), QSize(640, 480));
        QVERIFY(missing != page("Job.GIF", "not found"));
        QVERIFY(missing != page("Help.GIF", "empty file"));
    }

    // The presentation repaints the window before it returns: the new page number is on the
    // screen at once, not only once the event loop comes round.
    void theNewPageIsOnTheScreenBeforeTheEventLoopRuns() {
        TestWindow w;
        prepare(w, 80, 5);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        w->CurrentScene = 6;
        w->SetCurrentScene();
        const QRect label(w->labelPageNumber->mapTo(w.window, QPoint(0, 0)),
                          w->labelPageNumber->size());
        QCOMPARE(fixture::onScreen(w.window).copy(label),
                 fixture::paintedNow(w.window).copy(label));
    }
};

ORVANE_TEST_MAIN(PresentationTest)
#include "test_presentation.moc"
