// SPDX-License-Identifier: MIT
// An error that no procedure handles is shown in a message box and on stderr, and the program
// ends with a non-zero status instead of going on in a half-updated state.

#include <QProcess>
#include <QTest>

class UnhandledErrorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void overflowEndsTheProgramWithAReport() {
        QProcess probe;
        probe.start(QStringLiteral(ORVANE_ERROR_PROBE), {});
        QVERIFY(probe.waitForFinished(20000));
        const QString out = QString::fromLocal8Bit(probe.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(probe.readAllStandardError());
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 1);
        QVERIFY2(out.contains(QStringLiteral("box: Run-time error: Overflow")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("btnNext_Click")), qPrintable(out));
        QVERIFY(!out.contains(QStringLiteral("went on")));
        QVERIFY2(err.contains(QStringLiteral("Overflow")) &&
                     err.contains(QStringLiteral("32767 + 1")),
                 qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(UnhandledErrorTest)
#include "test_unhandled_error.moc"
