// SPDX-License-Identifier: MIT
// The screenshots in pictures/: every picture the script names is there under its exact name,
// is a GIF of 640 x 480 pixels, and no two pictures show the same image. Beside each lies its
// copy at twice the density, 1280 x 960 pixels, showing the same screen.

#include "platform/picture.h"
#include "script/tutorial_script.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

const QString kPictures = QStringLiteral(ORVANE_PICTURES_DIR);

QStringList scriptPictures() {
    QStringList names;
    for (const script::ScriptRow& row : script::kTutorialScript)
        names.append(QString::fromLatin1(row.picture));
    return names;
}

// The names as the directory holds them: a case-insensitive file system would find
// "Main.GIF" for "main.GIF", the listing does not.
QStringList filesInPictures() {
    return QDir(kPictures).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QImage decode(const QString& name, QString* problem) {
    QImageReader reader(QDir(kPictures).filePath(name), "gif");
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        *problem =
            QStringLiteral("%1 does not decode as a GIF: %2").arg(name, reader.errorString());
    return image;
}

// The mean over all pixels of the largest difference in one channel, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return sum / (double(a.width()) * a.height());
}

// The pictures differ from their copies brought down by 2 to 12 on that scale; two different
// screens of the tutorial by 35 and more.
constexpr double kSameScreen = 20;

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachPictureIsAGifOfTheScreenSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const QString& name : scriptPictures()) {
            QTest::newRow(qPrintable(name)) << name << QSize(640, 480);
            const QString dense = platform::doubleDensityName(name);
            QTest::newRow(qPrintable(dense)) << dense << QSize(1280, 960);
        }
    }

    void eachPictureIsAGifOfTheScreenSize() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QVERIFY2(
            filesInPictures().contains(name),
            qPrintable(name + QStringLiteral(" is missing, or has another case, in ") + kPictures));
        QImageReader reader(QDir(kPictures).filePath(name));
        QCOMPARE(reader.format(), QByteArray("gif"));
        QString problem;
        const QImage image = decode(name, &problem);
        QVERIFY2(!image.isNull(), qPrintable(problem));
        QCOMPARE(image.size(), size);
    }

    // The script names 80 different pictures, and pictures/ holds those, their copies at twice
    // the density and nothing else: a renamed or left-over file would never be shown.
    void picturesHoldExactlyTheScriptsPictures() {
        const QStringList named = scriptPictures();
        QCOMPARE(QSet<QString>(named.begin(), named.end()).size(), named.size());
        QStringList files = filesInPictures();
        QStringList expected = named;
        for (const QString& name : named)
            expected.append(platform::doubleDensityName(name));
        files.sort();
        expected.sort();
        QCOMPARE(files, expected);
    }

    // Each scene shows a screen of its own: two identical images would be a copy left in
    // place of a scene's own screen.
    void noTwoPicturesAreTheSameImage() {
        QMap<QByteArray, QString> seen;
        for (const QString& name : scriptPictures()) {
            QString problem;
            const QImage image = decode(name, &problem).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!image.isNull(), qPrintable(problem));
            QCryptographicHash hash(QCryptographicHash::Sha256);
            for (int y = 0; y < image.height(); ++y)
                hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)),
                                            image.width() * 4));
            const QByteArray digest = hash.result();
            QVERIFY2(!seen.contains(digest),
                     qPrintable(name + QStringLiteral(" shows the same image as ") +
                                seen.value(digest)));
            seen.insert(digest, name);
        }
        QCOMPARE(seen.size(), script::kScriptScenes);
    }

    // A copy at twice the density shows its own scene's screen: brought down to the picture's
    // size it differs from the picture only by how edges and letters are smoothed. A copy left
    // from another screen differs far more.
    void eachDenseCopyShowsItsPicturesScreen_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : scriptPictures())
            QTest::newRow(qPrintable(name)) << name;
    }

    void eachDenseCopyShowsItsPicturesScreen() {
        QFETCH(QString, name);
        QString problem;
        const QImage picture = decode(name, &problem).convertToFormat(QImage::Format_RGB32);
        const QImage dense = decode(platform::doubleDensityName(name), &problem)
                                 .convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!picture.isNull() && !dense.isNull(), qPrintable(problem));
        const QImage reduced =
            dense.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(
            meanDifference(picture, reduced) < kSameScreen,
            qPrintable(QStringLiteral("mean difference %1").arg(meanDifference(picture, reduced))));
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
