// SPDX-License-Identifier: MIT
// The pointer's glide: its 60 positions in single precision, every step on the screen before its
// pause ends (also the first glide after the window is shown), the real pause's length without
// a busy processor, and input made during a glide handled after it, in its order.

#include "motion_fixture.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <ctime>

using platform::Int16;

namespace {
const QString kPicture = QStringLiteral("GlideWhite.GIF"); // 640 x 480
const QString kSmall = QStringLiteral("GlideSmall.GIF");   // 96 x 96: 1440 x 1440 twips
const QString kTall = QStringLiteral("GlideTall.GIF");     // 96 x 900: higher than the window
const QColor kWhite(Qt::white);

// The 640 x 480 picture with a pointer target at (1550, 1000) from its corner, and a callout:
// in the 800 x 600 window the target lies at (2750.1, 1900).
void prepare(TestWindow& w, const QString& picture = kPicture, Int16 mouseX = 1550,
             Int16 mouseY = 1000) {
    fixture::oneScene(w, {.HelpText = QStringLiteral("Where the pointer points."),
                          .HelpTop = 2000,
                          .HelpLeft = 2000,
                          .MouseY = mouseY,
                          .MouseX = mouseX,
                          .SectionName = {},
                          .PictureFile = picture});
}

bool near(QPointF actual, QPointF expected) {
    return qAbs(actual.x() - expected.x()) < 0.006 && qAbs(actual.y() - expected.y()) < 0.006;
}

QPointF pointerAt(const TestWindow& w) {
    return {w->MousePict->Left(), w->MousePict->Top()};
}
} // namespace

class GlideTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(fixture::writePicture(kPicture, {640, 480}));
        QVERIFY(fixture::writePicture(kSmall, {96, 96}));
        QVERIFY(fixture::writePicture(kTall, {96, 900}));
    }
    void cleanupTestCase() {
        QFile::remove(fixture::besideProgram(kPicture));
        QFile::remove(fixture::besideProgram(kSmall));
        QFile::remove(fixture::besideProgram(kTall));
    }

    void stepsLieOnTheLineFromTheCornerToTheTarget() {
        TestWindow w;
        prepare(w);
        QList<QPointF> steps;
        w->setGlidePause([&](double seconds) {
            QCOMPARE(seconds, 0.04);
            steps << pointerAt(w);
        });
        w->SetCurrentScene();
        QVERIFY(near({w->Image1->Left(), w->Image1->Top()}, {1200.1, 900}));
        QCOMPARE(steps.size(), 60);
        QVERIFY(near(steps[0], {11845.83, 8881.67}));
        QVERIFY(near(steps[29], {7375.05, 5450}));
        QVERIFY(near(steps[59], {2750.1, 1900}));
        const QPointF stride = steps[1] - steps[0];
        for (qsizetype i = 1; i < steps.size(); ++i) {
            QVERIFY2(near(steps[i] - steps[i - 1], stride), qPrintable(QString::number(i)));
        }
        QVERIFY(w->MousePict->isVisibleTo(w.window)); // left on its target

        // The picture's corner at (5280, 3780): a target of (6720, 5220) is the start point.
        TestWindow still;
        prepare(still, kSmall, 6720, 5220);
        steps.clear();
        still->setGlidePause([&](double) { steps << pointerAt(still); });
        still->SetCurrentScene();
        QCOMPARE(steps, QList<QPointF>(60, QPointF(12000, 9000)));
    }

    // The presentation at the first show runs before the platform has put the window on the
    // screen; its glide must still be seen step by step, over the screenshot, with the bar laid
    // out from the first picture on, and without arrows left behind where it was: strides of
    // 10 pixels and more uncover the arrow's foot. The tall picture's corner is at (5280, -2250).
    void everyStepIsOnTheScreenFromTheFirstShow_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("mouseX");
        QTest::addColumn<int>("mouseY");
        QTest::newRow("short strides") << kPicture << 1550 << 1000;
        QTest::newRow("long strides to the window's corner") << kTall << -5280 << 2252;
    }
    void everyStepIsOnTheScreenFromTheFirstShow() {
        QFETCH(QString, picture);
        QFETCH(int, mouseX);
        QFETCH(int, mouseY);
        TestWindow w;
        prepare(w, picture, Int16(mouseX), Int16(mouseY));
        int steps = 0;
        QStringList faults;
        w->setGlidePause([&](double) {
            ++steps;
            const QImage screen = fixture::onScreen(w.window);
            if (screen != fixture::paintedNow(w.window)) {
                faults << QStringLiteral("step %1 is not on the screen").arg(steps);
            }
            const QPoint picture =
                w->Image1->mapTo(w.window, w->Image1->picture().pixmap.rect().center());
            if (steps == 1 && screen.pixelColor(picture) != kWhite) {
                faults << QStringLiteral("the screenshot is not on the screen");
            }
        });
        float barWidthAtFirstPaint = -1;
        fixture::EventTap firstPaint(w->FrameHoldsControls, QEvent::Paint, [&] {
            if (barWidthAtFirstPaint < 0) {
                barWidthAtFirstPaint = w->FrameHoldsControls->Width();
            }
        });
        QList<QPointF> moves; // the pointer after each change of its place
        fixture::EventTap moved(w->MousePict, QEvent::Move, [&] { moves << pointerAt(w); });

        w->show();
        QTRY_COMPARE(steps, 60);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QCOMPARE(barWidthAtFirstPaint, 12000.0f);
        const QPoint tip = w->MousePict->mapTo(w.window, QPoint(0, 0));
        QTRY_COMPARE(fixture::onScreen(w.window).pixelColor(tip), QColor(Qt::black));
        // Start at the outer corner, left edge first; then each step moves the top first.
        const qsizetype start = moves.indexOf(QPointF(12000, 9000));
        QVERIFY(start >= 1 && start + 2 < moves.size());
        QCOMPARE(moves[start - 1], QPointF(12000, 6720)); // from its designed place
        const QPointF target(w->Image1->Left() + mouseX, w->Image1->Top() + mouseY);
        const QPointF first = QPointF(12000, 9000) - (QPointF(12000, 9000) - target) / 60;
        QVERIFY(near(moves[start + 1], {12000, first.y()}));
        QVERIFY(near(moves[start + 2], first));
    }

    // Each step's repaint happens within its pause: slow repaints (20 ms, half a pause) leave the
    // glide at 2.4 seconds, where repaints before the pauses would add 1.2 seconds.
    void realPauseLastsAndHandlesNoEvent() {
        TestWindow w;
        prepare(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        w->setGlidePause({});
        fixture::EventTap slowRepaint(w->MousePict, QEvent::Paint, [] { QThread::msleep(20); });
        bool timerFired = false;
        bool postedDelivered = false;
        QObject receiver;
        fixture::EventTap posted(&receiver, QEvent::User, [&] { postedDelivered = true; });
        QTimer::singleShot(0, &receiver, [&] { timerFired = true; });
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));

        QElapsedTimer wall;
        wall.start();
        const std::clock_t processorAtStart = std::clock();
        w->SetCurrentScene();
        const double processorMs =
            1000.0 * double(std::clock() - processorAtStart) / double(CLOCKS_PER_SEC);
        const qint64 wallMs = wall.elapsed();
        qInfo("glide: wall %lld ms, processor %.0f ms", wallMs, processorMs);

        QVERIFY2(wallMs >= 2400 && wallMs < 3000, qPrintable(QString::number(wallMs)));
        QVERIFY2(processorMs < 0.5 * double(wallMs), qPrintable(QString::number(processorMs)));
        QVERIFY(!timerFired);
        QVERIFY(!postedDelivered);
        QTRY_VERIFY(timerFired && postedDelivered);
    }

    // Three quick clicks on Next at scene 22 of the tutorial's own script; scene 23 glides, and
    // the two clicks made during its glide wait in the queue.
    void clicksDuringAGlideTakeEffectAfterItInOrder() {
        TestWindow w;
        w->Load();
        w->resize(800, 600);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        w->CurrentScene = 22;
        w->SetCurrentScene();

        QList<int> presented;
        fixture::EventTap shown(w->Image1, QEvent::Show, [&] { presented << w->CurrentScene; });
        QWindow* window = w->windowHandle();
        const QPoint next = w->btnNext->mapTo(w.window, w->btnNext->rect().center());
        const QPointF global = window->mapToGlobal(next);
        int pauses = 0;
        QList<int> presentedBeforeLastPause;
        w->setGlidePause([&](double) {
            if (++pauses == 1) {
                for (int click = 0; click < 2; ++click) {
                    QCoreApplication::postEvent(
                        window, new QMouseEvent(QEvent::MouseButtonPress, next, next, global,
                                                Qt::LeftButton, Qt::LeftButton, {}));
                    QCoreApplication::postEvent(
                        window, new QMouseEvent(QEvent::MouseButtonRelease, next, next, global,
                                                Qt::LeftButton, Qt::NoButton, {}));
                }
            }
            if (pauses == 60) {
                presentedBeforeLastPause = presented;
            }
        });

        QTest::mouseClick(window, Qt::LeftButton, {}, next);
        QTRY_COMPARE(w->CurrentScene, Int16(25));
        QCOMPARE(presentedBeforeLastPause, QList<int>{23});
        QCOMPARE(presented, (QList<int>{23, 24, 25}));
        QCOMPARE(pauses, 60);
    }
};

ORVANE_TEST_MAIN(GlideTest)
#include "test_glide.moc"
