// SPDX-License-Identifier: MIT
// The platform layer: units, 16-bit arithmetic, the scene table's index check, twip geometry and
// picture loading.

#include "tutorial_test.h"

#include "platform/controls.h"
#include "platform/picture.h"
#include "platform/runtime_error.h"
#include "platform/units.h"

#include <QBuffer>
#include <QTemporaryDir>

using namespace platform;

namespace {
template <class Action> ErrorKind errorOf(Action&& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    QTest::qFail("no run-time error was raised", __FILE__, __LINE__);
    return ErrorKind::PathNotFound;
}

QImage solid(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Bands of colour two rows high: a row out of place shows.
QImage bands(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, QColor::fromHsv((y / 2) % 7 * 50, 200, 210).rgb());
        }
    }
    return image;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void himetricAndTwips() {
        QCOMPARE(pixelsToHimetric(640), 16933);
        QCOMPARE(pixelsToHimetric(480), 12700);
        QCOMPARE(pixelsToHimetric(2), 53); // 52.92: rounded, not cut
        QCOMPARE(himetricToTwips(12700), 7200.0f);
        QVERIFY(qAbs(himetricToTwips(16933) - 9599.81f) < 0.005f);
    }

    void numberToTextHasLeadingBlank() {
        QCOMPARE(numberToText(1), QStringLiteral(" 1"));
        QCOMPARE(numberToText(80), QStringLiteral(" 80"));
        QCOMPARE(numberToText(0), QStringLiteral(" 0"));
        QCOMPARE(numberToText(-7), QStringLiteral("-7"));
    }

    void toInt16RoundsHalfToEven_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("100.5") << 100.5f << 100;
        QTest::newRow("101.5") << 101.5f << 102;
        QTest::newRow("2.5") << 2.5f << 2;
        QTest::newRow("3.5") << 3.5f << 4;
        QTest::newRow("-2.5") << -2.5f << -2;
        QTest::newRow("0.49") << 0.49f << 0;
        QTest::newRow("32767.4") << 32767.4f << 32767;
        QTest::newRow("-32768.5 ties to even") << -32768.5f << -32768;
    }
    void toInt16RoundsHalfToEven() {
        QFETCH(float, value);
        QFETCH(int, expected);
        QCOMPARE(int(toInt16(value)), expected);
    }

    void toInt16OverflowsOutsideRange() {
        QCOMPARE(errorOf([] { toInt16(32767.5f); }), ErrorKind::Overflow);
        QCOMPARE(errorOf([] { toInt16(-32769.0f); }), ErrorKind::Overflow);
        QCOMPARE(errorOf([] { toInt16(1e30f); }), ErrorKind::Overflow);
        QCOMPARE(errorOf([] { toInt16(std::numeric_limits<float>::quiet_NaN()); }),
                 ErrorKind::Overflow);
    }

    void countersOverflowAndKeepTheirValue() {
        Int16 counter = 32767;
        QCOMPARE(errorOf([&] { increment(counter); }), ErrorKind::Overflow);
        QCOMPARE(counter, Int16(32767));
        counter = -32768;
        QCOMPARE(errorOf([&] { decrement(counter); }), ErrorKind::Overflow);
        QCOMPARE(counter, Int16(-32768));
        counter = 79;
        increment(counter);
        QCOMPARE(counter, Int16(80));
    }

    void sceneTableChecksEveryIndex() {
        script::SceneTable table;
        table(0).HelpTop = 5;
        table(500).PictureFile = QStringLiteral("last.GIF");
        QCOMPARE(table(500).PictureFile, QStringLiteral("last.GIF"));
        QCOMPARE(errorOf([&] { table(501); }), ErrorKind::SubscriptOutOfRange);
        QCOMPARE(errorOf([&] { table(-1); }), ErrorKind::SubscriptOutOfRange);
        QCOMPARE(errorOf([&] { table(-32768); }), ErrorKind::SubscriptOutOfRange);
        const script::Scene& untouched = table(250);
        QVERIFY(untouched.HelpText.isEmpty() && untouched.PictureFile.isEmpty() &&
                untouched.SectionName.isEmpty());
        QVERIFY(untouched.HelpTop == 0 && untouched.HelpLeft == 0 && untouched.MouseX == 0 &&
                untouched.MouseY == 0);
    }

    void controlsKeepTheTwipsWrittenToThem() {
        QWidget container;
        Label label(QString(), &container);
        label.setLeft(1200.1f);
        label.setTop(-700.25f);
        label.setWidth(4605);
        label.setHeight(1232);
        QCOMPARE(label.Left(), 1200.1f);
        QCOMPARE(label.Top(), -700.25f);
        QCOMPARE(label.Width(), 4605.0f);
        QCOMPARE(label.Height(), 1232.0f);
        QCOMPARE(label.geometry(), QRect(80, -47, 307, 82));
        label.setLeft(-1.0e30f); // far off the window: stored, and harmless in pixels
        QCOMPARE(label.Left(), -1.0e30f);
        QVERIFY(label.x() < -100000);
    }

    // A picture is shown as it is, or not at all with the reason why. The reason is the start
    // of the error text; an empty reason: the picture loads and shows `shows`. Beside each lies
    // a copy at twice the density that can't be used: it is blamed only where the picture is
    // shown instead, not where the placeholder is.
    void picturesLoadOrSayWhy_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QImage>("shows");
        const QImage screen = solid({640, 480}, qRgb(12, 34, 56));
        const QImage first = solid({160, 120}, qRgb(200, 30, 30));
        const QByteArray whole = gifs::solidGif({160, 120}, qRgb(200, 30, 30));
        const QString tooLarge = QStringLiteral("picture too large (%1 x %2 pixels)");
        QTest::newRow("screenshot")
            << gifs::solidGif({640, 480}, qRgb(12, 34, 56)) << QString() << screen;
        QTest::newRow("one pixel")
            << gifs::solidGif({1, 1}, qRgb(1, 2, 3)) << QString() << solid({1, 1}, qRgb(1, 2, 3));
        QTest::newRow("interlaced")
            << gifs::gifFile({{bands({160, 120}), true, 0}}) << QString() << bands({160, 120});
        QTest::newRow("animated: its first frame")
            << gifs::gifFile({{first, false, 10}, {solid({160, 120}, qRgb(0, 0, 255)), false, 10}})
            << QString() << first;
        QTest::newRow("as wide as allowed") << gifs::solidGif({4096, 1}, qRgb(9, 9, 9)) << QString()
                                            << solid({4096, 1}, qRgb(9, 9, 9));
        QTest::newRow("empty") << QByteArray() << QStringLiteral("empty file") << QImage();
        QTest::newRow("text") << QByteArray("Tutorial tips: press Alt+N.\n")
                              << QStringLiteral("not a GIF picture") << QImage();
        QTest::newRow("PNG") << png(screen) << QStringLiteral("not a GIF picture") << QImage();
        QTest::newRow("cut off in its pixels") << whole.left(whole.size() * 3 / 5)
                                               << QStringLiteral("damaged GIF picture") << QImage();
        QTest::newRow("cut off in its header")
            << whole.left(30) << QStringLiteral("damaged GIF picture") << QImage();
        QTest::newRow("too wide") << gifs::solidGif({30000, 100}, qRgb(9, 9, 9))
                                  << tooLarge.arg(30000).arg(100) << QImage();
        QTest::newRow("too high") << gifs::solidGif({100, 30000}, qRgb(9, 9, 9))
                                  << tooLarge.arg(100).arg(30000) << QImage();
        QTest::newRow("claims 30000 x 30000") << gifs::gifDeclaring({30000, 30000}, {30000, 30000})
                                              << tooLarge.arg(30000).arg(30000) << QImage();
    }
    void picturesLoadOrSayWhy() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QFETCH(QImage, shows);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Scene.GIF"));
        QVERIFY(gifs::writeFile(path, bytes));
        QVERIFY(gifs::writeFile(doubleDensityName(path), QByteArray("GIF? not really")));
        const ImageLoad load = decodePictureFor(path, 2);
        if (!reason.isEmpty()) {
            QVERIFY2(!load.ok() && load.error.startsWith(reason), qPrintable(load.error));
            QCOMPARE(load.note, QString());
            return;
        }
        QCOMPARE(load.note, QStringLiteral("not a GIF picture"));
        QVERIFY2(load.ok(), qPrintable(load.error));
        const Picture picture = pictureFromImage(load.image);
        QCOMPARE(picture.pixmap.toImage().convertToFormat(QImage::Format_RGB32), shows);
        QCOMPARE(picture.himetricWidth, pixelsToHimetric(shows.width()));
        QCOMPARE(picture.himetricHeight, pixelsToHimetric(shows.height()));
    }

    // The worker hands over the image in the format a pixmap keeps, the copy at twice the
    // density too: the GUI thread converts nothing. An alpha channel only where a colour is
    // transparent, and there it shows what lies behind.
    void decodedImageIsThePixmapsOwn_data() {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QByteArray>("copy"); // empty: none
        QTest::addColumn<bool>("transparent");
        const QByteArray opaque = gifs::solidGif({160, 120}, qRgb(0, 0, 0));
        QTest::newRow("opaque") << opaque << QByteArray() << false;
        QTest::newRow("transparent")
            << gifs::transparentGif({160, 120}, qRgb(255, 0, 255)) << QByteArray() << true;
        QTest::newRow("a transparent copy")
            << opaque << gifs::transparentGif({320, 240}, qRgb(255, 0, 255)) << true;
    }
    void decodedImageIsThePixmapsOwn() {
        QFETCH(QByteArray, picture);
        QFETCH(QByteArray, copy);
        QFETCH(bool, transparent);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Scene.GIF"));
        QVERIFY(gifs::writeFile(path, picture));
        QVERIFY(copy.isEmpty() || gifs::writeFile(doubleDensityName(path), copy));
        const QImage image = decodePictureFor(path, 2).image;
        QCOMPARE(image.devicePixelRatio(), copy.isEmpty() ? 1.0 : 2.0);
        QCOMPARE(image.format(),
                 transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        QCOMPARE(QPixmap::fromImage(image).toImage().format(), image.format());
        QCOMPARE(qAlpha(image.pixel(0, 0)), transparent ? 0 : 255);
    }

    void missingPictureIsNotFound() {
        const PictureLoad load = loadPicture(QStringLiteral("/nonexistent/Nothing.GIF"));
        QCOMPARE(load.error, QStringLiteral("not found"));
    }

    // The report of an error names its kind.
    // The copy at twice the density lies beside its picture: "@2x" before the extension, whose
    // case stays; a dot in a directory's name is not the picture's extension.
    void doubleDensityNames_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("copy");
        QTest::newRow("upper case") << QStringLiteral("main.GIF") << QStringLiteral("main@2x.GIF");
        QTest::newRow("lower case") << QStringLiteral("PO.gif") << QStringLiteral("PO@2x.gif");
        QTest::newRow("in a directory") << QStringLiteral("/opt/a.b/TransComment.gif")
                                        << QStringLiteral("/opt/a.b/TransComment@2x.gif");
        QTest::newRow("no extension")
            << QStringLiteral("/opt/a.b/main") << QStringLiteral("/opt/a.b/main@2x");
    }

    void doubleDensityNames() {
        QFETCH(QString, picture);
        QFETCH(QString, copy);
        QCOMPARE(platform::doubleDensityName(picture), copy);
    }

    void errorsAreReportedUnderTheirNames() {
        QCOMPARE(RuntimeError(ErrorKind::Overflow, {}).name(), QStringLiteral("Overflow"));
        QCOMPARE(RuntimeError(ErrorKind::SubscriptOutOfRange, {}).name(),
                 QStringLiteral("Subscript out of range"));
        QCOMPARE(RuntimeError(ErrorKind::PathNotFound, {}).name(),
                 QStringLiteral("Path not found"));
    }
};

ORVANE_TEST_MAIN(PlatformTest)
#include "test_platform.moc"
