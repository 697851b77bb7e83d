// SPDX-License-Identifier: MIT
// Dragging the callout: driven through the window, as the platform delivers the mouse, so that
// moves and the release outside the callout and outside the window reach it too. The plate
// follows 120 twips up and left, nothing is clamped, and the next presentation puts it back.

#include "motion_fixture.h"

using platform::Int16;

namespace {
const QString kPicture = QStringLiteral("DragWhite.GIF"); // 640 x 480

bool near(QPointF actual, QPointF expected) {
    return qAbs(actual.x() - expected.x()) < 0.01 && qAbs(actual.y() - expected.y()) < 0.01;
}

QPointF callout(const TestWindow& w) {
    return {w->HelpTextMemo->Left(), w->HelpTextMemo->Top()};
}

bool plateFollows(const TestWindow& w) {
    return near({w->HelpTextMemoBack->Left(), w->HelpTextMemoBack->Top()},
                callout(w) - QPointF(120, 120));
}

// The window's point over the given pixel of the callout's text label.
QPoint onCallout(const TestWindow& w, QPoint pixel) {
    return w->HelpTextMemo->mapTo(w.window, pixel);
}

// An 800 x 600 window, shown, at scene 1 of two scenes with callouts and no glide.
bool showTwoScenes(TestWindow& w) {
    fixture::oneScene(w,
                      {.HelpText = QStringLiteral("Drag this callout aside to see what it covers."),
                       .HelpTop = 1500,
                       .HelpLeft = 1500,
                       .MouseY = 0,
                       .MouseX = 0,
                       .SectionName = {},
                       .PictureFile = kPicture});
    w.scenes(2) = w.scenes(1);
    w.scenes(2).HelpTop = 600;
    w.scenes(2).HelpLeft = 4000;
    w->NumberOfScenes = 2;
    w->show();
    return QTest::qWaitForWindowExposed(w.window);
}

// Where the presentation puts the callout of the scene on screen.
QPointF sceneCallout(const TestWindow& w) {
    const script::Scene& scene = w.scenes(w->CurrentScene);
    return {w->Image1->Left() + scene.HelpLeft, w->Image1->Top() + scene.HelpTop};
}
} // namespace

class DraggingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(fixture::writePicture(kPicture, {640, 480})); }
    void cleanupTestCase() { QFile::remove(fixture::besideProgram(kPicture)); }

    // The handlers' own arithmetic, with positions that are no whole pixels.
    void pressAndMoveInTwips() {
        TestWindow w;
        w->HelpTextMemo_MouseMove(0, 0, 450, 260); // no press: nothing moves
        QCOMPARE(callout(w), QPointF(1470, 1770));
        w->HelpTextMemo_MouseDown(1, 0, 300, 200);
        w->HelpTextMemo_MouseMove(1, 0, 450, 260);
        QCOMPARE(callout(w), QPointF(1620, 1830));
        QVERIFY(plateFollows(w));
        w->HelpTextMemo_MouseMove(1, 0, 300, 200); // the grabbed point itself: no change
        QCOMPARE(callout(w), QPointF(1620, 1830));
        w->HelpTextMemo_MouseUp(1, 0, 0, 0);
        QCOMPARE(w->MoveHelp, Int16(0));
        w->HelpTextMemo_MouseDown(4, 7, 100.5f, 101.5f); // ties round to the even neighbour
        QCOMPARE(w->OldX, Int16(100));
        QCOMPARE(w->OldY, Int16(102));
    }

    void dragFollowsThePointerAlsoOutsideTheWindow() {
        TestWindow w;
        QVERIFY(showTwoScenes(w));
        QWindow* window = w->windowHandle();
        const QPointF start = callout(w);
        const QPoint grab = onCallout(w, {20, 13}); // (300, 195) twips into the callout
        QTest::mousePress(window, Qt::LeftButton, {}, grab);
        QCOMPARE(w->MoveHelp, Int16(-1));
        QTest::mouseMove(window, grab + QPoint(10, 4)); // to (450, 255)
        QVERIFY(near(callout(w), start + QPointF(150, 60)));
        QVERIFY(plateFollows(w));

        // Off the callout, past the window's top-left corner, past its bottom-right corner: the
        // grabbed point stays under the pointer, and negative places are kept.
        for (const QPoint pointer : {QPoint(400, 300), QPoint(-40, -30), QPoint(900, 700)}) {
            QTest::mouseMove(window, pointer);
            const QPoint grabbed = onCallout(w, {20, 13});
            QVERIFY2((grabbed - pointer).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("(%1, %2)").arg(grabbed.x()).arg(grabbed.y())));
            QVERIFY(plateFollows(w));
            if (pointer.x() < 0) {
                QVERIFY(w->HelpTextMemo->Left() < 0 && w->HelpTextMemo->Top() < 0);
            }
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(900, 700));
        QCOMPARE(w->MoveHelp, Int16(0));
        const QPointF dropped = callout(w);
        QTest::mouseMove(window, QPoint(850, 650));
        QCOMPARE(callout(w), dropped);
    }

    void anyButtonDragsAndTheFirstReleaseEndsIt() {
        TestWindow w;
        QVERIFY(showTwoScenes(w));
        QWindow* window = w->windowHandle();
        const QPointF start = callout(w);
        const QPoint grab = onCallout(w, {20, 13});
        QTest::mousePress(window, Qt::RightButton, {}, grab);
        QTest::mouseMove(window, grab + QPoint(10, 4));
        QVERIFY(near(callout(w), start + QPointF(150, 60)));

        // With a second button pressed as well, the first release ends the drag.
        const QPoint regrab = grab + QPoint(10, 4);
        QTest::mousePress(window, Qt::LeftButton, {}, regrab);
        QCOMPARE(w->MoveHelp, Int16(-1));
        QTest::mouseRelease(window, Qt::RightButton, {}, regrab);
        QCOMPARE(w->MoveHelp, Int16(0));
        const QPointF dropped = callout(w);
        QTest::mouseMove(window, regrab + QPoint(25, 25)); // the left button still held
        QCOMPARE(callout(w), dropped);
        QTest::mouseRelease(window, Qt::LeftButton, {}, regrab + QPoint(25, 25));
    }

    void passingOverItOrPressingThePlateMovesNothing() {
        TestWindow w;
        QVERIFY(showTwoScenes(w));
        QWindow* window = w->windowHandle();
        const QPointF start = callout(w);
        QTest::mouseMove(window, onCallout(w, {30, 20}));
        QTest::mouseMove(window, onCallout(w, {60, 40}));
        QCOMPARE(callout(w), start);

        // The plate shows 120 twips (8 pixels) around the text's left and top edges.
        const QPoint onPlate = w->HelpTextMemoBack->mapTo(w.window, QPoint(3, 30));
        QTest::mousePress(window, Qt::LeftButton, {}, onPlate);
        QCOMPARE(w->MoveHelp, Int16(0));
        QTest::mouseMove(window, onPlate + QPoint(30, 30));
        QTest::mouseRelease(window, Qt::LeftButton, {}, onPlate + QPoint(30, 30));
        QCOMPARE(callout(w), start);
        QVERIFY(plateFollows(w));
    }

    void resizeAndNextPutTheCalloutBack() {
        TestWindow w;
        QVERIFY(showTwoScenes(w));
        QWindow* window = w->windowHandle();
        const auto dragAside = [&] {
            const QPoint grab = onCallout(w, {20, 13});
            QTest::mousePress(window, Qt::LeftButton, {}, grab);
            QTest::mouseMove(window, grab + QPoint(50, 40));
            QTest::mouseRelease(window, Qt::LeftButton, {}, grab + QPoint(50, 40));
        };
        dragAside();
        QVERIFY(!near(callout(w), sceneCallout(w)));
        w->resize(820, 600);
        QCoreApplication::processEvents();
        QVERIFY(near(callout(w), sceneCallout(w)));
        QVERIFY(plateFollows(w));

        dragAside();
        QTest::mouseClick(window, Qt::LeftButton, {},
                          w->btnNext->mapTo(w.window, w->btnNext->rect().center()));
        QCOMPARE(w->CurrentScene, Int16(2));
        QVERIFY(near(callout(w), sceneCallout(w)));
        QVERIFY(plateFollows(w));
    }
};

ORVANE_TEST_MAIN(DraggingTest)
#include "test_dragging.moc"
