// SPDX-License-Identifier: MIT
// The built program started where there is no display to show it on: over ssh, on a text
// console, or with a display that can't be opened. It says so in one line and ends with
// status 1, instead of aborting. Where there is one, the toolkit's messages of the start, held
// back while it looked, are told after all, and later messages as they come. --help and
// --version answer without a display, and Qt's own options still reach the toolkit: with
// -platform offscreen the tutorial starts.

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QProcessEnvironment withoutDisplay(const QTemporaryDir& runtime) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    return environment;
}

// The program makes its own directory the working directory right before it loads scene 1.
bool reachesScene1(const QProcess& program) {
    const QString cwd = QStringLiteral("/proc/%1/cwd").arg(program.processId());
    const QString programDir = QFileInfo(QStringLiteral(ORVANE_TUTORIAL_BINARY)).canonicalPath();
    const QDeadlineTimer deadline(30000);
    while (program.state() == QProcess::Running && !deadline.hasExpired()) {
        if (QFileInfo(cwd).canonicalFilePath() == programDir) {
            return true;
        }
        QTest::qWait(50);
    }
    return false;
}
} // namespace

class TestNoDisplayE2E : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saysSoInOneLineAndEndsWithStatus1_data() {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("tried");
        QTest::newRow("neither DISPLAY nor WAYLAND_DISPLAY")
            << QStringList{} << QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
        QTest::newRow("an X display that isn't there")
            << QStringList{QStringLiteral("DISPLAY=:4242")}
            << QStringLiteral("DISPLAY=:4242 can't be opened");
        QTest::newRow("a Wayland display that isn't there")
            << QStringList{QStringLiteral("WAYLAND_DISPLAY=wayland-none"),
                           QStringLiteral("QT_QPA_PLATFORM=wayland")}
            << QStringLiteral("WAYLAND_DISPLAY=wayland-none can't be opened");
        QTest::newRow("an empty DISPLAY, not named")
            << QStringList{QStringLiteral("DISPLAY="),
                           QStringLiteral("WAYLAND_DISPLAY=wayland-none"),
                           QStringLiteral("QT_QPA_PLATFORM=wayland")}
            << QStringLiteral("WAYLAND_DISPLAY=wayland-none can't be opened");
        QTest::newRow("both, neither there")
            << QStringList{QStringLiteral("DISPLAY=:4242"),
                           QStringLiteral("WAYLAND_DISPLAY=wayland-none")}
            << QStringLiteral("DISPLAY=:4242, WAYLAND_DISPLAY=wayland-none can't be opened");
    }

    void saysSoInOneLineAndEndsWithStatus1() {
        QFETCH(QStringList, variables);
        QFETCH(QString, tried);
        QVERIFY2(!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X4242")),
                 "an X server runs on display :4242");
        const QTemporaryDir runtime;
        QProcessEnvironment environment = withoutDisplay(runtime);
        for (const QString& variable : variables) {
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORVANE_TUTORIAL_BINARY), {});
        QVERIFY(program.waitForFinished(30000));
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(errors, QStringLiteral("orvane-tutorial: there is no display to show the "
                                        "tutorial on (%1)\n")
                             .arg(tried));
    }

    // Each spelling the manual page documents, and exactly what it prints.
    void answersHelpAndVersionOnStdout_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("output");
        const QString version = QStringLiteral("orvane-tutorial " ORVANE_VERSION "\n");
        const QString help = QStringLiteral(
            "Usage: orvane-tutorial [options]\n"
            "A guided tour of Orvane, a desktop accounting program, in 80 scenes.\n\n"
            "Options:\n"
            "  -h, --help     Shows this help and ends.\n"
            "  -v, --version  Shows the program's version and ends.\n\n"
            "The standard options of Qt programs, such as -platform, also apply.\n");
        QTest::newRow("--version") << QStringLiteral("--version") << version;
        QTest::newRow("-v") << QStringLiteral("-v") << version;
        QTest::newRow("--help") << QStringLiteral("--help") << help;
        QTest::newRow("-h") << QStringLiteral("-h") << help;
    }

    void answersHelpAndVersionOnStdout() {
        QFETCH(QString, option);
        QFETCH(QString, output);
        const QTemporaryDir runtime;
        QProcess program;
        program.setProcessEnvironment(withoutDisplay(runtime));
        program.start(QStringLiteral(ORVANE_TUTORIAL_BINARY), {option});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardError(), QByteArray());
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()), output);
    }

    // -reverse holds a v: read as one-letter options it would be --version.
    void leavesQtsOptionsToTheToolkit() {
        const QTemporaryDir runtime;
        QProcess program;
        program.setProcessEnvironment(withoutDisplay(runtime));
        program.start(
            QStringLiteral(ORVANE_TUTORIAL_BINARY),
            {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-reverse")});
        QVERIFY(program.waitForStarted());
        const bool started = reachesScene1(program);
        program.kill();
        program.waitForFinished();
        QVERIFY2(started, program.readAllStandardError().constData());
    }

    // The toolkit's plugin loader tells which folders it searches: the platforms' only during the
    // start, the image formats' when the first screenshot is read, after it. A warning of the
    // start (no XDG_RUNTIME_DIR) is told as a warning: a rule that hides debug messages keeps it.
    void messagesOfTheStartAndAfterItAreTold() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"),
                           QStringLiteral("%{type}: %{message}"));
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setReadChannel(QProcess::StandardError);
        program.start(QStringLiteral(ORVANE_TUTORIAL_BINARY), {});
        QByteArray errors;
        const QByteArray imageFormats("plugins/imageformats");
        while (!errors.contains(imageFormats) && program.waitForReadyRead(30000)) {
            errors += program.readAllStandardError();
        }
        program.kill();
        program.waitForFinished(30000);
        QVERIFY2(errors.contains("plugins/platforms"), errors.constData());
        QVERIFY2(errors.contains(imageFormats), errors.constData());
        QVERIFY2(errors.contains("warning: QStandardPaths: XDG_RUNTIME_DIR not set"),
                 errors.constData());
    }
};

QTEST_GUILESS_MAIN(TestNoDisplayE2E)
#include "test_e2e_no_display.moc"
