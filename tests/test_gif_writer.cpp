// SPDX-License-Identifier: MIT
// The screenshot generator's GIF output: palette reduction and the file giflib writes.

#include "gifwriter.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace shots;

namespace {

QImage readGif(const QString& path) {
    QImageReader reader(path, "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// A screen-like image: a few flat colours with a smooth gradient band of many more.
QImage screenWithGradient() {
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(qRgb(0xd4, 0xd0, 0xc8));
    for (int y = 20; y < 60; ++y)
        for (int x = 0; x < 320; ++x)
            image.setPixel(x, y, qRgb(x * 255 / 319, (x * 7 + y) % 256, 255 - x * 255 / 319));
    for (int y = 100; y < 120; ++y)
        for (int x = 10; x < 300; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

int worstChannelError(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

} // namespace

class TestGifWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A screen of 256 colours or fewer keeps every pixel exactly, through the file and back.
    void fewColoursSurviveExactly() {
        QImage image(256, 40, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x, 255 - x, (x * 3) % 256));
        const IndexedImage indexed = reduceColours(image);
        QCOMPARE(indexed.palette.size(), 256);
        QCOMPARE(expand(indexed), image);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("exact.GIF"));
        QCOMPARE(writeGif(indexed, path), QString());
        QCOMPARE(readGif(path), image);
    }

    // Many colours: at most 256 entries, the frequent flat colours stay exact and the rest
    // moves only a little.
    void manyColoursShareThePalette() {
        const QImage image = screenWithGradient();
        const IndexedImage indexed = reduceColours(image);
        QVERIFY(indexed.palette.size() <= 256);
        const QImage reduced = expand(indexed);
        QCOMPARE(reduced.pixel(5, 5), image.pixel(5, 5));       // the face colour
        QCOMPARE(reduced.pixel(50, 110), image.pixel(50, 110)); // black
        QVERIFY2(worstChannelError(image, reduced) <= 24,
                 qPrintable(QString::number(worstChannelError(image, reduced))));
    }

    // The file is readable by everyone, no partial file is left behind, and the same image
    // gives the same bytes.
    void fileIsDeterministicAndWorldReadable() {
        QTemporaryDir dir;
        const IndexedImage indexed = reduceColours(screenWithGradient());
        const QString first = dir.filePath(QStringLiteral("a.gif"));
        const QString second = dir.filePath(QStringLiteral("b.gif"));
        QCOMPARE(writeGif(indexed, first), QString());
        QCOMPARE(writeGif(indexed, second), QString());
        QFile a(first), b(second);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(first).constData(), &st), 0);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        QCOMPARE(int(st.st_mode & 0777), int(0644 & ~mask));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({QStringLiteral("a.gif"), QStringLiteral("b.gif")}));
    }

    void unwritablePlaceIsReported() {
        const IndexedImage indexed = reduceColours(screenWithGradient());
        QTemporaryDir dir;
        const QString error = writeGif(indexed, dir.filePath(QStringLiteral("missing/x.gif")));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGifWriter)
#include "test_gif_writer.moc"
