// SPDX-License-Identifier: MIT
#include "wayland_session.h"

#include "x_session.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace e2e {

namespace {
constexpr int kStartTimeoutMs = 20000;
const QString kSocketName = QStringLiteral("wayland-e2e");

// No panel: a maximized window gets the whole output. A black background, like Xvfb's root.
const char kConfig[] = R"([core]
idle-time=0
[shell]
panel-position=none
background-color=0xff000000
)";
} // namespace

WestonServer::WestonServer(QSize output) {
    if (!runtime_.isValid()) {
        error_ = QStringLiteral("no temporary directory for weston");
        return;
    }
    QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!writeConfig()) {
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    weston_.setProcessEnvironment(environment);
    weston_.setStandardOutputFile(QProcess::nullDevice());
    weston_.setStandardErrorFile(runtime_.filePath(QStringLiteral("weston.log")));
    dieWithParent(weston_);
    // --use-pixman: the headless backend draws nothing without a renderer; --debug: offers
    // the screenshooter protocol.
    weston_.start(QStringLiteral("weston"),
                  {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman"),
                   QStringLiteral("--width=%1").arg(output.width()),
                   QStringLiteral("--height=%1").arg(output.height()),
                   QStringLiteral("--socket=") + kSocketName,
                   QStringLiteral("--config=") + runtime_.filePath(QStringLiteral("weston.ini")),
                   QStringLiteral("--idle-time=0"), QStringLiteral("--debug")});
    if (!weston_.waitForStarted(kStartTimeoutMs)) {
        error_ = QStringLiteral("weston didn't start (tools/setup-machine.sh test installs it)");
        return;
    }
    waitForSocket();
}

bool WestonServer::writeConfig() {
    QFile config(runtime_.filePath(QStringLiteral("weston.ini")));
    if (!config.open(QIODevice::WriteOnly) || config.write(kConfig) < 0) {
        error_ = QStringLiteral("can't write weston's configuration");
        return false;
    }
    return true;
}

bool WestonServer::waitForSocket() {
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired() && weston_.state() == QProcess::Running) {
        if (QFileInfo::exists(socketPath())) {
            return true;
        }
        QTest::qWait(100);
    }
    QFile log(runtime_.filePath(QStringLiteral("weston.log")));
    log.open(QIODevice::ReadOnly);
    error_ =
        QStringLiteral("weston didn't offer its socket:\n") + QString::fromLocal8Bit(log.readAll());
    return false;
}

WestonServer::~WestonServer() {
    if (weston_.state() != QProcess::NotRunning) {
        weston_.terminate();
        if (!weston_.waitForFinished(5000)) {
            weston_.kill();
            weston_.waitForFinished();
        }
    }
}

QString WestonServer::socketPath() const {
    return runtime_.filePath(kSocketName);
}

QImage WestonServer::grabScreen() {
    // The screenshooter writes wayland-screenshot-<time>.png into its working directory.
    const QTemporaryDir shots;
    QProcess shooter;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), kSocketName);
    shooter.setProcessEnvironment(environment);
    shooter.setWorkingDirectory(shots.path());
    shooter.setProcessChannelMode(QProcess::MergedChannels);
    dieWithParent(shooter);
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(kStartTimeoutMs) || shooter.exitCode() != 0) {
        return {};
    }
    const QStringList files = QDir(shots.path()).entryList({QStringLiteral("*.png")});
    if (files.size() != 1) {
        return {};
    }
    return QImage(QDir(shots.path()).filePath(files.constFirst()))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace e2e
