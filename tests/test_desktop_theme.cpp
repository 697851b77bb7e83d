// SPDX-License-Identifier: MIT
// A desktop's theme changing the application's font or colours while the tutorial runs: the
// built-in font comes back at once, so every text keeps fitting; the callout stays black on
// pale yellow, while the window itself follows the new colours.

#include "tutorial_test.h"

#include <QPalette>

namespace {
const QColor kDarkWindow(0x30, 0x2f, 0x2e);

// The share of dark pixels (every channel below 96) in `area` of the window's picture.
double shareOfInk(const QImage& picture, QRect area) {
    area &= picture.rect();
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            dark += qRed(pixel) < 96 && qGreen(pixel) < 96 && qBlue(pixel) < 96;
        }
    }
    return static_cast<double>(dark) / (area.width() * area.height());
}

QRect inWindow(const QWidget* window, const QWidget* control) {
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}
} // namespace

class DesktopThemeTest : public QObject {
    Q_OBJECT
private:
    // The window at scene 3, the first with a callout, on a screen of 1024 x 768.
    static void showSceneThree(TestWindow& w) {
        w->resize(1024, 768);
        w->Load();
        w->CurrentScene = 3;
        w->SetCurrentScene();
    }

private Q_SLOTS:
    void cleanup() { QApplication::setPalette(QPalette()); }

    void aThemeFontSetLaterIsUndone() {
        const QFont builtIn = QApplication::font();
        TestWindow w;
        showSceneThree(w);
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::font(), builtIn);
        for (const QWidget* control :
             {static_cast<QWidget*>(w->HelpTextMemo), static_cast<QWidget*>(w->LabelSection)}) {
            QCOMPARE(control->font(), builtIn);
        }
        QVERIFY(w->HelpTextMemo->heightForWidth(w->HelpTextMemo->width()) <=
                w->HelpTextMemo->height());
        QVERIFY(w->LabelSection->fontMetrics().horizontalAdvance(w->LabelSection->Caption()) <=
                w->LabelSection->width());
    }

    void aDarkPaletteLeavesTheCalloutBlackOnYellow() {
        TestWindow w;
        showSceneThree(w);
        QPalette dark;
        dark.setColor(QPalette::Window, kDarkWindow);
        dark.setColor(QPalette::WindowText, Qt::white);
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();
        const QImage picture = w->grab().toImage();
        QVERIFY(shareOfInk(picture, inWindow(w.window, w->HelpTextMemo)) > 0.01);
        const QRect plate = inWindow(w.window, w->HelpTextMemoBack);
        QCOMPARE(picture.pixelColor(plate.topLeft()), QColor(Qt::black)); // its border
        QCOMPARE(picture.pixelColor(plate.topLeft() + QPoint(3, 3)), QColor(255, 255, 192));
        // The window around the screenshot follows the desktop's colours.
        QCOMPARE(picture.pixelColor(4, 4), kDarkWindow);
    }
};

ORVANE_TEST_MAIN(DesktopThemeTest)
#include "test_desktop_theme.moc"
