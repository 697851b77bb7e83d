// SPDX-License-Identifier: MIT
// The window as it stands before any handler runs: its eleven controls with their kinds, places,
// captions and states, the stacking order, the focus order and the access keys.

#include "tutorial_test.h"

#include "window/program_icon.h"

#include <QLineEdit>

using namespace platform;

namespace {
struct Design {
    const char* name;
    const char* container;
    float left, top, width, height;
};
} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsStandAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRectF>("twips");
        const Design designs[] = {
            {"FrameHoldsControls", "", 0, 6930, 10200, 435},
            {"btnNext", "FrameHoldsControls", 1125, 75, 1095, 315},
            {"btnPrevious", "FrameHoldsControls", 0, 75, 1095, 315},
            {"btnExit", "FrameHoldsControls", 8310, 75, 1095, 315},
            {"cmbCurrentSection", "FrameHoldsControls", 3000, 45, 2160, 315},
            {"LabelSection", "FrameHoldsControls", 2250, 90, 675, 255},
            {"labelPageNumber", "FrameHoldsControls", 5835, 90, 2340, 255},
            {"HelpTextMemo", "", 1470, 1770, 4605, 1365},
            {"HelpTextMemoBack", "", 1365, 1665, 4875, 1605},
            {"MousePict", "", 9000, 6720, 480, 480},
            {"Image1", "", 195, 3570, 7710, 1005},
        };
        for (const Design& d : designs) {
            QTest::newRow(d.name) << QString::fromLatin1(d.name) << QString::fromLatin1(d.container)
                                  << QRectF(d.left, d.top, d.width, d.height);
        }
    }
    void controlsStandAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRectF, twips);
        TestWindow w;
        auto* control = w->findChild<QWidget*>(name);
        QVERIFY(control);
        auto* geometry = dynamic_cast<TwipGeometry*>(control);
        QVERIFY(geometry);
        QCOMPARE(QRectF(geometry->Left(), geometry->Top(), geometry->Width(), geometry->Height()),
                 twips);
        if (container.isEmpty()) {
            QVERIFY(control->parentWidget()->parentWidget() == w.window); // the client area
        } else {
            QCOMPARE(control->parentWidget()->objectName(), container);
        }
        QVERIFY2(!control->accessibleName().isEmpty() ||
                     !control->accessibleDescription().isEmpty(),
                 "every control can be told apart by a screen reader");
    }

    void captionsStatesAndKinds() {
        TestWindow w;
        QCOMPARE(w->btnNext->text(), QStringLiteral("&Next"));
        QCOMPARE(w->btnPrevious->text(), QStringLiteral("&Previous"));
        QCOMPARE(w->btnExit->text(), QStringLiteral("&Exit"));
        QCOMPARE(w->cmbCurrentSection->Text(), QStringLiteral("cmbCurrentSection"));
        QCOMPARE(w->cmbCurrentSection->ListCount(), 0);
        QVERIFY(w->cmbCurrentSection->isEditable());
        QCOMPARE(w->LabelSection->Caption(), QStringLiteral("Section:"));
        QVERIFY(w->LabelSection->alignment() & Qt::AlignRight);
        QVERIFY(w->labelPageNumber->alignment() & Qt::AlignLeft);
        QCOMPARE(w->labelPageNumber->Caption(), QStringLiteral("Page: 1 of "));
        QVERIFY(w->HelpTextMemo->Caption().isEmpty());
        QVERIFY(w->HelpTextMemo->wordWrap());
        QCOMPARE(w->HelpTextMemoBack->palette().color(QPalette::Window), QColor(255, 255, 192));
        QVERIFY(!w->btnPrevious->isEnabled());
        QVERIFY(w->btnNext->isEnabled() && w->btnExit->isEnabled());
        QVERIFY(w->MousePict->isHidden() && w->Image1->isHidden());
        QVERIFY(!w->btnNext->isDefault() && !w->btnNext->autoDefault());
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w->CurrentScene, Int16(0));
        QCOMPARE(w->NumberOfScenes, Int16(0));
        QCOMPARE(w->MoveHelp, Int16(0));
    }

    void pointerIsTheArrowOnATransparentSurround() {
        TestWindow w;
        const QImage arrow = w->MousePict->picture().pixmap.toImage();
        QCOMPARE(arrow.size(), QSize(32, 32));
        QCOMPARE(arrow.pixelColor(0, 0), QColor(Qt::black));   // the tip
        QCOMPARE(arrow.pixelColor(1, 5), QColor(Qt::white));   // inside
        QCOMPARE(arrow.pixelColor(14, 14), QColor(Qt::black)); // right end of row 14
        QCOMPARE(arrow.pixelColor(11, 23), QColor(Qt::black)); // the foot
        QCOMPARE(arrow.pixelColor(15, 14).alpha(), 0);         // outside
        QCOMPARE(arrow.pixelColor(0, 21).alpha(), 0);
        QCOMPARE(arrow.pixelColor(31, 31).alpha(), 0);
        int opaque = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                opaque += arrow.pixelColor(x, y).alpha() == 255 ? 1 : 0;
                QVERIFY(arrow.pixelColor(x, y).alpha() == 0 || (x < 15 && y < 24));
            }
        }
        QCOMPARE(opaque, 178); // the arrow's pixels, outline included
    }

    // The icon: a page on a transparent surround with the arrow's first rows on it, in three
    // forms. At 32 pixels the arrow's tip is at (6, 10) and 17 of its rows are drawn, at 16
    // pixels it is at (3, 5) with 10 rows: below them lies the surround.
    void iconComesInThreeForms_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("colours");
        QTest::addColumn<QPoint>("page");      // a pixel of the page's white
        QTest::addColumn<QPoint>("arrowFoot"); // the left edge of the arrow's last row drawn
        QTest::newRow("32, two colours") << 32 << 2 << QPoint(2, 20) << QPoint(6, 26);
        QTest::newRow("32, sixteen colours") << 32 << 16 << QPoint(2, 20) << QPoint(6, 26);
        QTest::newRow("16, sixteen colours") << 16 << 16 << QPoint(1, 10) << QPoint(3, 14);
    }
    void iconComesInThreeForms() {
        QFETCH(int, size);
        QFETCH(int, colours);
        QFETCH(QPoint, page);
        QFETCH(QPoint, arrowFoot);
        const QImage icon = programIconImage(size, colours);
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(icon.pixelColor(size - 1, 0).alpha(), 0); // the surround
        QCOMPARE(icon.pixelColor(page), QColor(Qt::white));
        QCOMPARE(icon.pixelColor(arrowFoot), QColor(Qt::black));
        QCOMPARE(icon.pixelColor(arrowFoot + QPoint(0, 1)).alpha(), 0);
    }

    void iconsMonochromeFormIsBlackAndWhite() {
        const QImage mono = programIconImage(32, 2);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QColor c = mono.pixelColor(x, y);
                QVERIFY(c.alpha() == 0 || c == Qt::black || c == Qt::white);
            }
        }
        QCOMPARE(programIcon().availableSizes().size(), 2); // 16 and 32 pixels
    }

    // The window's one-pixel border frames the client area, which stops inside it: the bar, which
    // spans the window's outer width at its bottom, leaves the border lines visible.
    void borderLinesFrameTheClientArea() {
        TestWindow w;
        w->resize(800, 600);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        w->Form_Resize();
        const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb border = w->palette().color(QPalette::Shadow).rgb();
        for (const QPoint at : {QPoint(0, 0), QPoint(400, 0), QPoint(0, 590), QPoint(400, 599),
                                QPoint(799, 590), QPoint(799, 300)}) {
            QVERIFY2(shot.pixel(at) == border,
                     qPrintable(QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y())));
        }
        QVERIFY(shot.pixel(400, 598) != border); // the bar
    }

    // Stacking, front to back: the bar, the callout text, its plate, the pointer, the screenshot.
    void stackingOnTheGrabbedPixels() {
        TestWindow w;
        w->resize(800, 600);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        QImage black(640, 480, QImage::Format_RGB32);
        black.fill(Qt::black);
        w->Image1->setPicture(pictureFromImage(black));
        w->Image1->place(0, 0, 9600, 7200);
        w->Image1->show();
        w->MousePict->place(1500, 1500, 480, 480); // arrow tip at pixel (100, 100)
        w->MousePict->show();
        w->HelpTextMemoBack->place(1605, 1500, 4875, 1605); // covers the arrow from x = 107
        w->HelpTextMemoBack->show();
        w->HelpTextMemo->place(1725, 1620, 4605, 1365);
        w->HelpTextMemo->show();
        w->FrameHoldsControls->place(0, 6930, 12000, 435); // its top at pixel 462
        const QImage shot = w->grab().toImage();
        const auto at = [&shot](int x, int y) { return shot.pixelColor(x + 1, y + 1); };
        QCOMPARE(at(100, 100), QColor(Qt::black));     // arrow tip's outline on black
        QCOMPARE(at(102, 105), QColor(Qt::white));     // the arrow in front of the picture
        QCOMPARE(at(105, 100), QColor(Qt::black));     // transparent surround: the picture
        QCOMPARE(at(110, 113), QColor(255, 255, 192)); // the plate in front of the arrow
        QCOMPARE(at(200, 150), QColor(255, 255, 192)); // the text lets the plate through
        QCOMPARE(at(300, 463), w->FrameHoldsControls->palette().color(QPalette::Window));
        QVERIFY(at(300, 463) != QColor(Qt::black)); // the bar in front of the picture

        // A callout dragged down over the bar goes behind it, its text and its plate alike.
        const QRect bar = w->FrameHoldsControls->geometry().translated(1, 1);
        w->HelpTextMemo->setCaption(QStringLiteral("Dragged down over the bar"));
        const QImage barAlone = w->grab(bar).toImage();
        w->HelpTextMemoBack->setTop(6600);
        w->HelpTextMemo->setTop(6960); // its first line inside the bar
        QCOMPARE(w->grab(bar).toImage(), barAlone);
    }

    void tabVisitsListExitPreviousNext() {
        TestWindow w;
        w->Load();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        w->activateWindow();
        QTRY_VERIFY(w->cmbCurrentSection->hasFocus());
        const auto tab = [&w] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
        tab();
        QVERIFY(w->btnExit->hasFocus());
        tab(); // Previous is disabled and skipped
        QVERIFY(w->btnNext->hasFocus());
        tab();
        QVERIFY(w->cmbCurrentSection->hasFocus() || w->cmbCurrentSection->lineEdit()->hasFocus());
        w->btnPrevious->setEnabled(true);
        tab();
        tab();
        QVERIFY(w->btnPrevious->hasFocus());
    }
};

ORVANE_TEST_MAIN(LayoutTest)
#include "test_layout.moc"
