// SPDX-License-Identifier: MIT
#include "sandbox.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace e2e {

namespace {
const QStringList kPrivateDirectories{QStringLiteral("home"),    QStringLiteral("config"),
                                      QStringLiteral("cache"),   QStringLiteral("data"),
                                      QStringLiteral("runtime"), QStringLiteral("tmp")};
const QString kWorkingDirectory = QStringLiteral("elsewhere");
const QString kSuppressionsCopy = QStringLiteral("lsan.supp");

// The leak suppressions file that LSAN_OPTIONS names, if any.
QString suppressionsFile() {
    const QString options = qEnvironmentVariable("LSAN_OPTIONS");
    const QRegularExpression file(QStringLiteral("suppressions=([^:]+)"));
    return file.match(options).captured(1);
}
} // namespace

Sandbox::Sandbox(const QString& programDirectoryName)
    : programDirectoryName_(programDirectoryName) {
    QVERIFY2(root_.isValid(), "no temporary directory");
    QDir dir(root_.path());
    for (const QString& name :
         kPrivateDirectories + QStringList{kWorkingDirectory, programDirectoryName_}) {
        QVERIFY2(dir.mkpath(name), qPrintable(QStringLiteral("can't make ") + name));
    }
    // The toolkit insists on a runtime directory that only its user may enter.
    QVERIFY(QFile::setPermissions(path(QStringLiteral("runtime")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    ok_ = true;
}

QString Sandbox::programDirectory() const {
    return path(programDirectoryName_);
}

QString Sandbox::binary() const {
    return programDirectory() + QStringLiteral("/orvane-tutorial");
}

QString Sandbox::workingDirectory() const {
    return path(kWorkingDirectory);
}

QString Sandbox::picturePath(const QString& name) const {
    return programDirectory() + QLatin1Char('/') + name;
}

void Sandbox::installProgram(const QString& builtBinary) {
    QVERIFY2(QFile::copy(builtBinary, binary()),
             qPrintable(QStringLiteral("can't copy %1 into the sandbox").arg(builtBinary)));
}

void Sandbox::writePicture(const QString& name, const QByteArray& bytes) {
    QFile file(picturePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                 file.write(bytes) == bytes.size(),
             qPrintable(QStringLiteral("can't write ") + file.fileName()));
}

void Sandbox::writeToWorkingDirectory(const QString& name, const QByteArray& bytes) {
    QFile file(workingDirectory() + QLatin1Char('/') + name);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                 file.write(bytes) == bytes.size(),
             qPrintable(QStringLiteral("can't write ") + file.fileName()));
}

void Sandbox::openToNobody() {
    const passwd* nobody = getpwnam("nobody");
    QVERIFY2(nobody != nullptr, "there is no user nobody");
    QVERIFY(chmod(QFile::encodeName(root()).constData(), 0755) == 0);
    for (const QString& name : kPrivateDirectories) {
        QVERIFY(chown(QFile::encodeName(path(name)).constData(), nobody->pw_uid, nobody->pw_gid) ==
                0);
    }
    // The sanitizer build's leak suppressions may lie where nobody can't read them (a checkout
    // in root's home): nobody's program reads a copy.
    const QString suppressions = suppressionsFile();
    if (!suppressions.isEmpty()) {
        QVERIFY(QFile::copy(suppressions, path(kSuppressionsCopy)));
        QVERIFY(QFile::setPermissions(path(kSuppressionsCopy),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
}

QProcessEnvironment Sandbox::environment(const Desktop& desktop) const {
    QProcessEnvironment environment = desktop.environment();
    environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), path(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("TMPDIR"), path(QStringLiteral("tmp")));
    const QString suppressions = suppressionsFile();
    if (!suppressions.isEmpty() && QFile::exists(path(kSuppressionsCopy))) {
        environment.insert(QStringLiteral("LSAN_OPTIONS"),
                           environment.value(QStringLiteral("LSAN_OPTIONS"))
                               .replace(suppressions, path(kSuppressionsCopy)));
    }
    return environment;
}

QStringList Sandbox::listing() const {
    QStringList lines;
    QDirIterator it(root(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        lines.append(QStringLiteral("%1 %2 %3 %4")
                         .arg(QDir(root()).relativeFilePath(info.filePath()))
                         .arg(info.isDir() ? 0 : info.size())
                         .arg(info.lastModified().toMSecsSinceEpoch())
                         .arg(static_cast<int>(info.permissions()), 0, 16));
    }
    lines.sort();
    return lines;
}

} // namespace e2e
