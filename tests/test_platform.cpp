// SPDX-License-Identifier: MIT
// The platform layer: units, 16-bit arithmetic, the scene table's index check, twip geometry and
// picture loading.

#include "tutorial_test.h"

#include "gif_fixture.h"

#include "platform/controls.h"
#include "platform/picture.h"
#include "platform/runtime_error.h"
#include "platform/units.h"

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

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void himetricAndTwips() {
        QCOMPARE(pixelsToHimetric(640), 16933);
        QCOMPARE(pixelsToHimetric(480), 12700);
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

    void loadsGifWithHimetricSize() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tiny.GIF"));
        writeFile(path, fixture::gif(640, 480));
        const PictureLoad load = loadPicture(path);
        QVERIFY2(load.ok(), qPrintable(load.error));
        QCOMPARE(load.picture.pixmap.size(), QSize(640, 480));
        QCOMPARE(load.picture.himetricWidth, 16933);
        QCOMPARE(load.picture.himetricHeight, 12700);
    }

    void badPicturesSayWhy_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("empty file");
        QTest::newRow("text") << QByteArray("just some words\n")
                              << QStringLiteral("not a GIF picture");
        QTest::newRow("huge") << fixture::gif(30000, 30000, 1, 16)
                              << QStringLiteral("picture too large (30000 x 30000 pixels)");
        QTest::newRow("truncated")
            << fixture::gif(640, 480).left(30) << QStringLiteral("damaged GIF picture");
    }
    void badPicturesSayWhy() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.GIF"));
        writeFile(path, bytes);
        const PictureLoad load = loadPicture(path);
        QVERIFY(!load.ok());
        QVERIFY2(load.error.startsWith(reason), qPrintable(load.error));
    }

    void missingPictureIsNotFound() {
        const PictureLoad load = loadPicture(QStringLiteral("/nonexistent/Nothing.GIF"));
        QCOMPARE(load.error, QStringLiteral("not found"));
    }

    void pngContentIsNotAGif() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("disguised.GIF"));
        QImage(8, 8, QImage::Format_RGB32).save(path, "PNG");
        QCOMPARE(loadPicture(path).error, QStringLiteral("not a GIF picture"));
    }
};

ORVANE_TEST_MAIN(PlatformTest)
#include "test_platform.moc"
