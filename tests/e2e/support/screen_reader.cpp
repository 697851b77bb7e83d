// SPDX-License-Identifier: MIT
#include "screen_reader.h"

#include "tutorial_app.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace e2e {

namespace {
const QString kRegistry = QStringLiteral("/usr/libexec/at-spi2-registryd");
// Orca's greeting, the first thing it says once it listens to the desktop.
const QString kGreeting = QStringLiteral("Screen reader on.");

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
    }
}
} // namespace

bool holds(const QString& line, const QString& text) {
    return line.simplified().contains(text.simplified());
}

ScreenReader::ScreenReader(const Desktop& desktop) : desktop_(desktop) {}

ScreenReader::~ScreenReader() {
    stop(orca_);
    stop(registry_);
    if (QTest::currentTestFailed()) {
        qInfo().noquote() << "Orca said:\n" << spoken().join(u'\n');
        qInfo().noquote() << "The end of Orca's log:\n" << logTail();
    }
}

void ScreenReader::start() {
    QVERIFY2(directory_.isValid(), "no temporary directory");
    E2E_CHECK(startRegistry());
    E2E_CHECK(startOrca());
}

void ScreenReader::startRegistry() {
    // The registry lists the applications on the accessibility bus and passes their events and
    // the keys on to Orca. It finds the bus through the desktop's session bus.
    QVERIFY2(QFile::exists(kRegistry),
             "at-spi2-registryd is missing (tools/setup-machine.sh test installs at-spi2-core)");
    registry_.setProcessEnvironment(desktop_.environment());
    registry_.setStandardOutputFile(QProcess::nullDevice());
    registry_.setStandardErrorFile(directory_.filePath(QStringLiteral("registry.log")));
    dieWithParent(registry_);
    registry_.start(kRegistry, {});
    QVERIFY2(registry_.waitForStarted(kPatienceMs), qPrintable(registry_.errorString()));
}

void ScreenReader::startOrca() {
    QDir home(directory_.path());
    for (const char* name : {"home", "config", "data", "cache", "runtime", "prefs"}) {
        QVERIFY(home.mkpath(QLatin1String(name)));
    }
    QVERIFY(QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("orca")).isEmpty(),
             "orca is missing (tools/setup-machine.sh test installs it)");
    QProcessEnvironment environment = desktop_.environment();
    environment.insert(QStringLiteral("HOME"), home.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    // Orca's own words ("push button", its greeting) in English, whatever the machine's locale.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LANGUAGE"));
    // No speech server: Orca's speech client would start one (which wants a sound device) unless
    // the command it starts is missing. Orca then logs what it would say, and says nothing.
    environment.insert(QStringLiteral("SPEECHD_CMD"), home.filePath(QStringLiteral("no-speech")));
    environment.insert(QStringLiteral("SPEECHD_ADDRESS"),
                       QStringLiteral("unix_socket:") + home.filePath(QStringLiteral("speech")));
    orca_.setProcessEnvironment(environment);
    orca_.setStandardOutputFile(QProcess::nullDevice());
    orca_.setStandardErrorFile(QProcess::nullDevice());
    dieWithParent(orca_);
    // Orca writes its log through a buffer that is emptied only when full, unless the log is a
    // terminal: then every line goes out at once. script(1) gives Orca a terminal as its
    // standard output, and writes what comes out of it to the log file as it comes.
    const QString command = QStringLiteral("exec orca --debug-file /dev/stdout --user-prefs '%1'")
                                .arg(home.filePath(QStringLiteral("prefs")));
    orca_.start(QStringLiteral("script"),
                {QStringLiteral("--quiet"), QStringLiteral("--flush"), QStringLiteral("--echo"),
                 QStringLiteral("never"), QStringLiteral("--command"), command, logFile()});
    QVERIFY2(orca_.waitForStarted(kPatienceMs), "script(1) didn't start");
    const bool greeted = waitFor(
        [this] { return orca_.state() == QProcess::NotRunning || spoken().contains(kGreeting); });
    QVERIFY2(orca_.state() != QProcess::NotRunning,
             qPrintable(QStringLiteral("orca ended: ") + logTail()));
    QVERIFY2(greeted, "orca didn't say that it is on");
}

QString ScreenReader::logTail() const {
    QFile log(logFile());
    if (!log.open(QIODevice::ReadOnly)) {
        return QStringLiteral("(no log)");
    }
    constexpr qsizetype kTailLines = 80;
    const QStringList lines = QString::fromUtf8(log.readAll()).split(u'\n');
    return lines.mid(std::max<qsizetype>(0, lines.size() - kTailLines)).join(u'\n');
}

QStringList ScreenReader::spoken() const {
    QFile log(logFile());
    if (!log.open(QIODevice::ReadOnly)) {
        return {};
    }
    // SPEECH OUTPUT: 'text' followed by the voice, as {...} or [{...}].
    static const QRegularExpression line(
        QStringLiteral(R"(SPEECH OUTPUT: '(.*)'\s*\[?\{.*\}\]?\s*$)"));
    QStringList utterances;
    for (const QByteArray& bytes : log.readAll().split('\n')) {
        const QRegularExpressionMatch match = line.match(QString::fromUtf8(bytes));
        if (match.hasMatch()) {
            utterances.append(match.captured(1));
        }
    }
    return utterances;
}

QStringList ScreenReader::waitForSpeech(qsizetype from, const QStringList& texts) {
    QStringList said;
    QStringList missing;
    waitFor([&] {
        said = spoken().mid(from);
        missing.clear();
        for (const QString& text : texts) {
            if (std::none_of(said.cbegin(), said.cend(),
                             [&](const QString& line) { return holds(line, text); })) {
                missing.append(text);
            }
        }
        return missing.isEmpty();
    });
    if (!missing.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("Orca didn't say \"%1\"; it said:\n%2")
                                    .arg(missing.join(QStringLiteral("\", \"")), said.join(u'\n'))),
                     __FILE__, __LINE__);
    }
    return said;
}

} // namespace e2e
