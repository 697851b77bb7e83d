// SPDX-License-Identifier: MIT
#include "x_session.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace e2e {

namespace {
constexpr int kStartTimeoutMs = 20000;

[[noreturn]] void giveUp(const char* why) {
    std::fprintf(stderr, "e2e: %s\n", why);
    std::exit(EXIT_FAILURE);
}
} // namespace

XServer::XServer(int width, int height) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        giveUp("no pipe for the X server's display number");
    }
    const std::string fd = std::to_string(pipeFds[1]);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    pid_ = fork();
    if (pid_ < 0) {
        giveUp("can't start the X server");
    }
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(pipeFds[0]);
        // -displayfd: the server picks the first free display and writes its number to the fd.
        // -br: a black root window, so that nothing on it looks like a picture.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-br", static_cast<char*>(nullptr));
        std::fprintf(stderr, "e2e: Xvfb is missing (tools/setup-machine.sh test installs it)\n");
        _exit(127);
    }
    close(pipeFds[1]);
    std::string number;
    pollfd readable{pipeFds[0], POLLIN, 0};
    while (number.empty() || number.back() != '\n') {
        if (poll(&readable, 1, kStartTimeoutMs) <= 0) {
            giveUp("the X server didn't report its display");
        }
        char c = 0;
        if (read(pipeFds[0], &c, 1) != 1) {
            giveUp("the X server ended before it reported its display");
        }
        number.push_back(c);
    }
    close(pipeFds[0]);
    number.pop_back();
    display_ = QStringLiteral(":") + QString::fromStdString(number);
    qputenv("DISPLAY", display_.toLocal8Bit());
}

XServer::~XServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

void dieWithParent(QProcess& process) {
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

QString runTool(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess tool;
    dieWithParent(tool);
    tool.start(program, arguments);
    if (!tool.waitForFinished(timeoutMs) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0) {
        qWarning().noquote() << program << arguments.join(u' ') << "failed:" << tool.errorString()
                             << QString::fromLocal8Bit(tool.readAllStandardError()).trimmed();
        tool.kill();
        tool.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

namespace {
const QString kBusService = QStringLiteral("org.a11y.Bus");
const QString kBusPath = QStringLiteral("/org/a11y/bus");

// What a desktop's accessibility launcher offers on the session bus: the address of the
// accessibility bus (here the session bus itself) and the news that a screen reader is on,
// which is what makes a toolkit publish its widgets.
class AccessibilityBusService : public QDBusVirtualObject {
public:
    explicit AccessibilityBusService(QString address) : address_(std::move(address)) {}

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        QDBusConnection bus(connection);
        if (message.member() == u"GetAddress") {
            return bus.send(message.createReply(address_));
        }
        if (message.interface() == u"org.freedesktop.DBus.Properties") {
            if (message.member() == u"Get") {
                return bus.send(message.createReply(QVariant::fromValue(QDBusVariant(true))));
            }
            if (message.member() == u"GetAll") {
                const QVariantMap status{{QStringLiteral("IsEnabled"), true},
                                         {QStringLiteral("ScreenReaderEnabled"), true}};
                return bus.send(message.createReply(status));
            }
        }
        return false;
    }
    QString introspect(const QString&) const override { return {}; }

private:
    QString address_;
};

const char kBusConfig[] =
    R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

const QString kServiceConnection = QStringLiteral("e2e-accessibility-service");
} // namespace

Desktop::Desktop(WindowManager windowManager) : windowManager_(windowManager) {
    if (!home_.isValid()) {
        error_ = QStringLiteral("no temporary directory");
        return;
    }
    // The bus's socket lies here: a program run as another user must reach it.
    QFile::setPermissions(home_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                            QFile::ExeGroup);
    if (startBus() && windowManager_ == WindowManager::Openbox) {
        startWindowManager();
    }
}

bool Desktop::startBus() {
    const QString config = home_.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QString::fromLatin1(kBusConfig).arg(home_.path()).toUtf8()) < 0) {
        error_ = QStringLiteral("can't write the bus configuration");
        return false;
    }
    file.close();
    dieWithParent(bus_);
    bus_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    bus_.start(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--nofork"), QStringLiteral("--config-file=") + config,
                QStringLiteral("--print-address=1")});
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!bus_.canReadLine() && !deadline.hasExpired() && bus_.state() != QProcess::NotRunning) {
        bus_.waitForReadyRead(100);
    }
    busAddress_ = QString::fromLocal8Bit(bus_.readLine()).trimmed();
    if (busAddress_.isEmpty()) {
        error_ = QStringLiteral("dbus-daemon didn't start (tools/setup-machine.sh test installs "
                                "it): ") +
                 bus_.errorString();
        return false;
    }

    QDBusConnection service = QDBusConnection::connectToBus(busAddress_, kServiceConnection);
    auto* object = new AccessibilityBusService(busAddress_);
    object->moveToThread(&serviceThread_);
    QObject::connect(&serviceThread_, &QThread::finished, object, &QObject::deleteLater);
    serviceThread_.start();
    if (!service.registerVirtualObject(kBusPath, object) || !service.registerService(kBusService)) {
        error_ =
            QStringLiteral("can't offer the accessibility bus: ") + service.lastError().message();
        return false;
    }
    return true;
}

bool Desktop::startWindowManager() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home_.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home_.filePath(QStringLiteral("cache")));
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    windowManagerProcess_.setProcessEnvironment(environment);
    windowManagerProcess_.setStandardOutputFile(QProcess::nullDevice());
    windowManagerProcess_.setStandardErrorFile(home_.filePath(QStringLiteral("openbox.log")));
    dieWithParent(windowManagerProcess_);
    // Openbox announces itself on the root window before it has taken over the windows already
    // there, and a window it finds then is managed without the focus. It runs its startup command
    // only once it handles new windows as a user's session does: that is when it is ready.
    const QString ready = home_.filePath(QStringLiteral("openbox-ready"));
    windowManagerProcess_.start(QStringLiteral("openbox"),
                                {QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                                 QStringLiteral("touch ") + ready});
    if (!windowManagerProcess_.waitForStarted(kStartTimeoutMs)) {
        error_ = QStringLiteral("openbox didn't start (tools/setup-machine.sh test installs it)");
        return false;
    }
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired()) {
        const QString check =
            runTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-notype"),
                                              QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        if (check.contains(QLatin1String("window id")) && QFile::exists(ready)) {
            return true;
        }
        if (windowManagerProcess_.state() == QProcess::NotRunning) {
            break;
        }
        QTest::qWait(20);
    }
    error_ = QStringLiteral("openbox didn't take the screen");
    return false;
}

Desktop::~Desktop() {
    if (!busAddress_.isEmpty()) {
        QDBusConnection service(kServiceConnection);
        service.unregisterService(kBusService);
        service.unregisterObject(kBusPath);
        QDBusConnection::disconnectFromBus(kServiceConnection);
    }
    serviceThread_.quit();
    serviceThread_.wait();
    for (QProcess* process : {&windowManagerProcess_, &bus_}) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(5000)) {
                process->kill();
                process->waitForFinished();
            }
        }
    }
}

QProcessEnvironment Desktop::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLocal8Bit(qgetenv("DISPLAY")));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress_);
    // The harness's own settings are not the program's.
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return environment;
}

QImage Desktop::grabScreen() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

QRect Desktop::screenGeometry() {
    return QGuiApplication::primaryScreen()->geometry();
}

} // namespace e2e
