// SPDX-License-Identifier: MIT
#include "tutorial_app.h"

#include "scenes.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>

#include <atomic>

namespace e2e {

namespace {
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kWindowTitle = QStringLiteral("Orvane Tutorial");
constexpr int kCallTimeoutMs = 30000; // a call waits while the program glides (2.4 s)
constexpr uint kStateActive = 1;      // AT-SPI state numbers
constexpr uint kStateEnabled = 8;
constexpr uint kStateShowing = 25;

bool hasState(const QList<uint>& words, uint state) {
    const qsizetype word = state / 32;
    return word < words.size() && (words.at(word) & (1u << (state % 32))) != 0;
}

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("e2e-reader-%1").arg(++counter);
}
} // namespace

Tutorial::Tutorial(Desktop& desktop, const LaunchOptions& options)
    : desktop_(desktop), bus_(QString()), connectionName_(nextConnectionName()) {
    bus_ = QDBusConnection::connectToBus(desktop.busAddress(), connectionName_);
    process_.setProcessEnvironment(options.environment.isEmpty() ? desktop.environment()
                                                                 : options.environment);
    process_.setWorkingDirectory(options.workingDirectory);
    process_.setStandardOutputFile(QProcess::nullDevice());
    QObject::connect(&process_, &QProcess::readyReadStandardError, &process_, [this] {
        stderr_ += QString::fromLocal8Bit(process_.readAllStandardError());
    });
    dieWithParent(process_);
    if (options.asNobody) {
        process_.start(QStringLiteral("setpriv"),
                       {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                        QStringLiteral("--clear-groups"), QStringLiteral("--"), options.binary});
    } else {
        process_.start(options.binary, {});
    }
    if (!process_.waitForStarted(kPatienceMs)) {
        QFAIL(qPrintable(
            QStringLiteral("%1 didn't start: %2").arg(options.binary, process_.errorString())));
    }
}

Tutorial::~Tutorial() {
    if (running()) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    if (QTest::currentTestFailed()) {
        qInfo().noquote() << "the program's stderr:\n" << errors();
    }
    QDBusConnection::disconnectFromBus(connectionName_);
}

QString Tutorial::errors() {
    stderr_ += QString::fromLocal8Bit(process_.readAllStandardError());
    return stderr_;
}

void Tutorial::waitUntilReady() {
    E2E_CHECK(findApplication());
    E2E_CHECK(indexControls());
    // On Wayland the tests press through the accessibility bus: no keys, no X window, and a
    // headless compositor without a keyboard gives no window the focus.
    if (process_.processEnvironment().contains(QStringLiteral("DISPLAY"))) {
        E2E_CHECK(waitForActiveWindow());
        E2E_CHECK(findWindowId());
    }
}

void Tutorial::findApplication() {
    const bool found = waitFor([this] {
        if (!running()) {
            return true;
        }
        const QDBusReply<QStringList> names = bus_.interface()->registeredServiceNames();
        for (const QString& name : names.value()) {
            if (!name.startsWith(u':') ||
                bus_.interface()->servicePid(name).value() != static_cast<uint>(pid())) {
                continue;
            }
            service_ = name;
            if (!children(kRootPath).isEmpty()) {
                return true;
            }
            service_.clear();
        }
        return false;
    });
    QVERIFY2(running(), "the program ended early");
    QVERIFY2(found, "the program didn't publish its window on the accessibility bus");
}

QStringList Tutorial::children(const QString& path) {
    if (service_.isEmpty()) {
        return {};
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(service_, path, kAccessible, QStringLiteral("GetChildren"));
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    QStringList paths;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return paths;
    }
    const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString service;
        QDBusObjectPath child;
        list.beginStructure();
        list >> service >> child;
        list.endStructure();
        paths.append(child.path());
    }
    list.endArray();
    return paths;
}

QString Tutorial::property(const QString& path, const QString& name) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        service_, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << kAccessible << name;
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toString();
}

void Tutorial::indexControls() {
    // The window is published once it is shown; its page label has its text by then.
    const bool found = waitFor([this] {
        if (!running()) {
            return true;
        }
        controls_.clear();
        windowPath_.clear();
        for (const QString& window : children(kRootPath)) {
            if (property(window, QStringLiteral("Name")) == kWindowTitle) {
                windowPath_ = window;
            }
        }
        if (windowPath_.isEmpty()) {
            return false;
        }
        QStringList pending{windowPath_};
        while (!pending.isEmpty()) {
            const QString path = pending.takeFirst();
            for (const QString& key : {property(path, QStringLiteral("Name")),
                                       property(path, QStringLiteral("Description"))}) {
                if (!key.isEmpty() && !controls_.contains(key)) {
                    controls_.insert(key, path);
                }
            }
            pending += children(path);
        }
        return controls_.contains(QStringLiteral("Page number")) &&
               pageLabel().startsWith(QLatin1String("Page "));
    });
    QVERIFY2(running(), "the program ended early");
    QVERIFY2(found, "the window and its page label didn't appear on the accessibility bus");
}

void Tutorial::waitForActiveWindow() {
    const bool active = waitFor([this] {
        QDBusMessage call = QDBusMessage::createMethodCall(service_, windowPath_, kAccessible,
                                                           QStringLiteral("GetState"));
        const QDBusReply<QList<uint>> state = bus_.call(call, QDBus::Block, kCallTimeoutMs);
        return state.isValid() && hasState(state.value(), kStateActive);
    });
    QVERIFY2(active, "the window never became the active window: keys would go elsewhere");
}

void Tutorial::findWindowId() {
    const bool found = waitFor([this] {
        const QStringList ids =
            runTool(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--pid"),
                     QString::number(pid()), QStringLiteral("--name"),
                     QStringLiteral("^%1$").arg(kWindowTitle)})
                .split(u'\n', Qt::SkipEmptyParts);
        if (ids.size() == 1) {
            windowId_ = ids.constFirst();
        }
        return !windowId_.isEmpty();
    });
    QVERIFY2(found, "no X window of the program's own with the tutorial's title");
}

QString Tutorial::nodePath(const QString& control) {
    const QString path = controls_.value(control);
    if (path.isEmpty()) {
        qWarning().noquote() << "no control" << control << "on the accessibility bus";
    }
    return path;
}

QString Tutorial::pageLabel() {
    return property(nodePath(QStringLiteral("Page number")), QStringLiteral("Name"));
}

void Tutorial::waitForScene(int scene) {
    const QString expected = e2e::pageLabel(scene);
    QString last;
    const bool shown = waitFor([&] {
        if (!running()) {
            return true;
        }
        last = pageLabel();
        return last == expected;
    });
    QVERIFY2(running(), "the program ended");
    QVERIFY2(
        shown,
        qPrintable(QStringLiteral("the page label reads \"%1\", not \"%2\"").arg(last, expected)));
}

QRect Tutorial::extents(const QString& control) {
    QDBusMessage call = QDBusMessage::createMethodCall(service_, nodePath(control),
                                                       QStringLiteral("org.a11y.atspi.Component"),
                                                       QStringLiteral("GetExtents"));
    call << 0u; // screen coordinates
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    int x = 0, y = 0, width = 0, height = 0;
    const QDBusArgument box = reply.arguments().constFirst().value<QDBusArgument>();
    box.beginStructure();
    box >> x >> y >> width >> height;
    box.endStructure();
    return QRect(x, y, width, height);
}

namespace {
QList<uint> stateOf(QDBusConnection& bus, const QString& service, const QString& path) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, kAccessible, QStringLiteral("GetState"));
    const QDBusReply<QList<uint>> state = bus.call(call, QDBus::Block, kCallTimeoutMs);
    return state.isValid() ? state.value() : QList<uint>{};
}
} // namespace

bool Tutorial::isEnabled(const QString& control) {
    return hasState(stateOf(bus_, service_, nodePath(control)), kStateEnabled);
}

bool Tutorial::isShowing(const QString& control) {
    return hasState(stateOf(bus_, service_, nodePath(control)), kStateShowing);
}

bool Tutorial::doAction(const QString& control) {
    QDBusMessage call = QDBusMessage::createMethodCall(service_, nodePath(control),
                                                       QStringLiteral("org.a11y.atspi.Action"),
                                                       QStringLiteral("DoAction"));
    call << 0;
    const QDBusReply<bool> done = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    return done.isValid() && done.value();
}

void Tutorial::key(const QString& keys) {
    QStringList arguments{QStringLiteral("key")};
    arguments += keys.split(u' ', Qt::SkipEmptyParts);
    runTool(QStringLiteral("xdotool"), arguments);
}

void Tutorial::click(QPoint at) {
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

void Tutorial::drag(QPoint from, QPoint to) {
    QStringList arguments{QStringLiteral("mousemove"), QString::number(from.x()),
                          QString::number(from.y()), QStringLiteral("mousedown"),
                          QStringLiteral("1")};
    constexpr int kSteps = 5;
    for (int step = 1; step <= kSteps; ++step) {
        const QPoint at = from + (to - from) * step / kSteps;
        arguments +=
            {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())};
    }
    arguments += {QStringLiteral("mouseup"), QStringLiteral("1")};
    runTool(QStringLiteral("xdotool"), arguments);
}

int Tutorial::waitForExit() {
    const bool ended = waitFor([this] { return !running(); });
    if (!ended) {
        QTest::qFail("the program didn't end", __FILE__, __LINE__);
        return -1;
    }
    if (process_.exitStatus() != QProcess::NormalExit) {
        QTest::qFail("the program crashed", __FILE__, __LINE__);
        return -1;
    }
    return process_.exitCode();
}

qint64 Tutorial::peakResidentKb() const {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid()));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
        }
    }
    return -1;
}

} // namespace e2e
