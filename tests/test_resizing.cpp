// SPDX-License-Identifier: MIT
// Resize: the bar follows the window's outer size without rounding or clamping, and the handler
// runs once for each change of size or state, presenting the scene again with its glide from the
// new bottom-right corner.

#include "motion_fixture.h"

using platform::Int16;

namespace {
const QString kPicture = QStringLiteral("ResizeWhite.GIF"); // 640 x 480

void prepare(TestWindow& w, Int16 mouseY) {
    fixture::oneScene(w, {.HelpText = QStringLiteral("The bar stays at the bottom."),
                          .HelpTop = 1500,
                          .HelpLeft = 1500,
                          .MouseY = mouseY,
                          .MouseX = 1550,
                          .SectionName = {},
                          .PictureFile = kPicture});
}
} // namespace

class ResizingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(fixture::writePicture(kPicture, {640, 480})); }
    void cleanupTestCase() { QFile::remove(fixture::besideProgram(kPicture)); }

    void barFollowsTheOuterSize_data() {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<float>("frameTop");
        QTest::addColumn<float>("exitLeft");
        QTest::newRow("12000 x 9000") << QSize(800, 600) << 8565.0f << 10785.0f;
        // Lower than the bar, narrower than Exit and its gap: negative places are kept.
        QTest::newRow("1005 x 300") << QSize(67, 20) << -135.0f << -210.0f;
    }
    void barFollowsTheOuterSize() {
        QFETCH(QSize, pixels);
        QFETCH(float, frameTop);
        QFETCH(float, exitLeft);
        TestWindow w;
        prepare(w, 0);
        w->resize(pixels);
        w->Form_Resize();
        QCOMPARE(w->FrameHoldsControls->Width(), float(pixels.width() * 15));
        QCOMPARE(w->FrameHoldsControls->Top(), frameTop);
        QCOMPARE(w->FrameHoldsControls->Height(), 435.0f);
        QCOMPARE(w->btnExit->Left(), exitLeft);
        QCOMPARE(w->Image1->isVisibleTo(w.window), true); // and the scene was presented
    }

    void runsOnceForEachChangeOfSizeOrState() {
        TestWindow w;
        prepare(w, 1000);
        int pauses = 0;
        int glides = 0;
        QStringList faults;
        w->setGlidePause([&](double) {
            if (pauses++ % 60 != 0) {
                return;
            }
            ++glides;
            // The first step lies 1/60 of the way from the window's outer corner to the target.
            const QPointF corner(w->Width(), w->Height());
            const QPointF target(w->Image1->Left() + 1550, w->Image1->Top() + 1000);
            const QPointF expected = corner - (corner - target) / 60;
            const QPointF actual(w->MousePict->Left(), w->MousePict->Top());
            if ((actual - expected).manhattanLength() > 0.01) {
                faults << QStringLiteral("glide %1 starts elsewhere").arg(glides);
            }
        });
        const auto settled = [] { QCoreApplication::processEvents(); };

        w->show();
        QTRY_COMPARE(glides, 1);
        QCOMPARE(w->FrameHoldsControls->Width(), 12000.0f);
        w->resize(700, 500);
        settled();
        QCOMPARE(glides, 2);
        QCOMPARE(w->FrameHoldsControls->Width(), 10500.0f);
        QCOMPARE(w->FrameHoldsControls->Top(), 7500.0f - 435);
        w->resize(700, 500);
        w->activateWindow();
        settled();
        w->setWindowState(w->windowState() | Qt::WindowActive);
        settled();
        QCOMPARE(glides, 2); // neither the same size nor the activation is a change
        w->showMinimized();
        settled();
        QCOMPARE(glides, 3);
        w->showNormal();
        settled();
        QCOMPARE(glides, 4);
        w->showMaximized();
        settled();
        QCOMPARE(glides, 5);
        QCOMPARE(w->FrameHoldsControls->Width(), 1024.0f * 15);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // A minimised window is never put on the screen, so no expose will raise its Resize: it is
    // raised at once. Under X, a window that the window manager iconifies is unmapped before the
    // new state is reported.
    void aMinimisedWindowPresentsAtOnce() {
        TestWindow w;
        prepare(w, 1000);
        int pauses = 0;
        w->setGlidePause([&pauses](double) { ++pauses; });
        w->show();
        QTRY_COMPARE(pauses, 60);
        w->setAttribute(Qt::WA_Mapped, false);
        w->setWindowState(Qt::WindowMinimized);
        QCOMPARE(pauses, 120);
    }
};

ORVANE_TEST_MAIN(ResizingTest)
#include "test_resizing.moc"
