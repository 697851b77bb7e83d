// SPDX-License-Identifier: MIT
// The screenshots in pictures/: every picture the script names is there under its exact name,
// is a GIF of 640 x 480 pixels, and no two pictures show the same image.

#include "script/tutorial_script.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <QTest>

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

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachPictureIsAGifOfTheScreenSize_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : scriptPictures())
            QTest::newRow(qPrintable(name)) << name;
    }

    void eachPictureIsAGifOfTheScreenSize() {
        QFETCH(QString, name);
        QVERIFY2(
            filesInPictures().contains(name),
            qPrintable(name + QStringLiteral(" is missing, or has another case, in ") + kPictures));
        QImageReader reader(QDir(kPictures).filePath(name));
        QCOMPARE(reader.format(), QByteArray("gif"));
        QString problem;
        const QImage image = decode(name, &problem);
        QVERIFY2(!image.isNull(), qPrintable(problem));
        QCOMPARE(image.size(), QSize(640, 480));
    }

    // The script names 80 different pictures, and pictures/ holds those and nothing else: a
    // renamed or left-over file would never be shown.
    void picturesHoldExactlyTheScriptsPictures() {
        const QStringList named = scriptPictures();
        QCOMPARE(QSet<QString>(named.begin(), named.end()).size(), named.size());
        QStringList files = filesInPictures();
        QStringList expected = named;
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
};

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
