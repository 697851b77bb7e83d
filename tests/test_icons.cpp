// SPDX-License-Identifier: MIT
// The icon theme's files as the build draws them: each size drawn at that size, sharp, and the
// window's own forms where the window has one.

#include "window/program_icon.h"

#include <QImage>
#include <QtTest>

namespace {
QImage themeIcon(int size) {
    return QImage(QStringLiteral(ORVANE_ICON_DIR "/%1x%1/apps/orvane-tutorial.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32);
}

// The colours of the drawing: its surround and its four paints. Anything else is a blend.
bool isPaint(QRgb pixel) {
    static const QList<QRgb> paints{qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255),
                                    qRgb(0, 0, 128), qRgb(255, 255, 0)};
    return paints.contains(qAlpha(pixel) == 0 ? qRgba(0, 0, 0, 0) : pixel);
}

double shareOfBlends(const QImage& image) {
    int blends = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            blends += isPaint(image.pixel(x, y)) ? 0 : 1;
        }
    }
    return double(blends) / (image.width() * image.height());
}
} // namespace

class TestIcons : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawnAtItsSize_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QTest::addRow("%d px", size) << size;
        }
    }

    // An enlargement of a smaller size blurs every edge into blends of its neighbours (a smooth
    // one of the 32 px icon makes 29 % to 37 % of the pixels blends, at any size); a drawing at
    // the size has blends only where the arrow's slanted edges are smoothed (at most 5 %), and
    // thin outlines.
    void drawnAtItsSize() {
        QFETCH(int, size);
        const QImage icon = themeIcon(size);
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY2(shareOfBlends(icon) < 0.1, qPrintable(QString::number(shareOfBlends(icon))));
        // The page's left outline, halfway down: 1 px per 32 px, not a 16 px icon's pixel blown up.
        int outline = 0;
        while (outline < size && icon.pixel(outline, size / 2) == qRgb(0, 0, 0)) {
            ++outline;
        }
        QCOMPARE(outline, std::max(1, qRound(size / 32.0)));
    }

    void windowFormsInstalledAsTheyAre() {
        for (const int size : {16, 32}) {
            QCOMPARE(themeIcon(size), programIconImage(size, 16));
        }
    }
};

QTEST_MAIN(TestIcons)
#include "test_icons.moc"
