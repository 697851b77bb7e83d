// SPDX-License-Identifier: MIT
// The tutorial's speed and memory under real conditions, on an X server of the benchmark's own
// (Xvfb): start-up of the built program beside a bare Qt program showing the same GIF, run in
// turns; the presentation of a scene; the pointer's glide; resident memory after start-up and
// over 1,000 presentations. Prints a table of medians and maxima with the targets. The
// presentation is timed again on a screen of two device pixels to each of the window's, where the
// screenshots' copies at twice the density are shown: in a second run of the benchmark, on an X
// server twice the size, with QT_SCALE_FACTOR=2.
//
//   orvane-bench [--startups N] [--rounds N] [--glides N]
//   orvane-bench --presentations-at-scale 2 [--rounds N]   (that second run: prints the
//                                                           presentation's median and maximum)

#include "platform/app_font.h"
#include "script/scene_table.h"
#include "script/tutorial_script.h"
#include "support/x_session.h"
#include "window/frm_main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <vector>

#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

constexpr int kFirstScene = 1;
constexpr int kPresentationsForMemory = 1000;
constexpr int kTimeoutMs = 30000;
constexpr int kDenseScale = 2;
const char* const kScaleOption = "--presentations-at-scale";

struct Options {
    int startups = 21;
    int rounds = 20;
    int glides = 2; // each of the four glide scenes this often
};

struct Summary {
    double median = 0;
    double max = 0;
};

Summary summarize(std::vector<double> values) {
    if (values.empty()) {
        return {};
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.back()};
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// VmRSS of a process, in kB.
qint64 residentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
        }
    }
    return -1;
}

// User and system time of a process, in clock ticks.
qint64 cpuTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLongLong() + fields[12].toLongLong() : -1;
}

[[noreturn]] void fail(const QString& why) {
    std::fprintf(stderr, "orvane-bench: %s\n", qPrintable(why));
    std::exit(EXIT_FAILURE);
}

QImage grab(QRect area) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// A block of the picture as the screen must show it once the picture is up: 64 x 64 pixels
// from the middle of the picture with enough different colours that no empty window or bare
// screen looks like it.
struct Probe {
    QRect area;
    QImage expected;

    bool shows() const { return grab(area) == expected; }
};

std::optional<QPoint> findPicture(const QImage& screen, const QImage& picture) {
    const QRgb corner = picture.pixel(0, 0);
    const QRgb middle = picture.pixel(picture.width() / 2, picture.height() / 2);
    for (int top = 0; top + picture.height() <= screen.height(); ++top) {
        for (int left = 0; left + picture.width() <= screen.width(); ++left) {
            if (screen.pixel(left, top) != corner ||
                screen.pixel(left + picture.width() / 2, top + picture.height() / 2) != middle) {
                continue;
            }
            bool same = true;
            for (int y = 0; y < picture.height() && same; y += 7) {
                for (int x = 0; x < picture.width() && same; x += 5) {
                    same = screen.pixel(left + x, top + y) == picture.pixel(x, y);
                }
            }
            if (same) {
                return QPoint(left, top);
            }
        }
    }
    return std::nullopt;
}

Probe probeFor(const QImage& picture, QPoint corner) {
    constexpr int kSide = 64;
    for (int ring = 0; ring < picture.height() / 2 - kSide; ring += 8) {
        for (const QPoint& shift :
             {QPoint(0, ring), QPoint(0, -ring), QPoint(ring, 0), QPoint(-ring, 0)}) {
            const QRect block(picture.rect().center() - QPoint(kSide / 2, kSide / 2) + shift,
                              QSize(kSide, kSide));
            const QImage part = picture.copy(block);
            QSet<QRgb> colours;
            for (int y = 0; y < part.height(); ++y) {
                for (int x = 0; x < part.width(); ++x) {
                    colours.insert(part.pixel(x, y));
                }
            }
            if (colours.size() >= 3) {
                return Probe{block.translated(corner), part};
            }
        }
    }
    fail(QStringLiteral("the picture is too plain to be found on the screen"));
}

struct Contender {
    const char* name;
    QString program;
    QStringList arguments;
    Probe probe;
    std::vector<double> startupMs;
    std::vector<double> residentMb;
};

// Starts the program and returns when its picture is on the screen, then waits until it is
// idle, notes its resident memory, ends it and waits until its window is gone.
void startOnce(Contender& contender, const QProcessEnvironment& environment, bool calibrate,
               const QImage& picture) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    e2e::dieWithParent(process);
    const Clock::time_point start = Clock::now();
    process.start(contender.program, contender.arguments);
    while (true) {
        if (calibrate) {
            if (const auto corner =
                    findPicture(grab(QGuiApplication::primaryScreen()->geometry()), picture)) {
                contender.probe = probeFor(picture, *corner);
                break;
            }
            QThread::msleep(20);
        } else {
            if (contender.probe.shows()) {
                contender.startupMs.push_back(millisecondsSince(start));
                break;
            }
            QThread::usleep(1000);
        }
        if (millisecondsSince(start) > kTimeoutMs || process.state() == QProcess::NotRunning) {
            fail(QStringLiteral("%1 didn't show the picture").arg(QLatin1String(contender.name)));
        }
    }
    // Idle: no processor time used for 100 ms.
    qint64 ticks = cpuTicks(process.processId());
    for (int quiet = 0; quiet < 2 && millisecondsSince(start) < kTimeoutMs;) {
        QThread::msleep(50);
        const qint64 now = cpuTicks(process.processId());
        quiet = now == ticks ? quiet + 1 : 0;
        ticks = now;
    }
    if (!calibrate) {
        contender.residentMb.push_back(residentKb(process.processId()) / 1024.0);
    }
    process.terminate();
    process.waitForFinished(kTimeoutMs);
    const Clock::time_point gone = Clock::now();
    while (contender.probe.shows() && millisecondsSince(gone) < kTimeoutMs) {
        QThread::msleep(5);
    }
}

void printRow(const char* measure, const char* unit, Summary value, const QString& target,
              std::optional<bool> met, int decimals = 2, bool showMax = true) {
    const QString maxText = showMax ? QString::number(value.max, 'f', decimals) : QString();
    std::printf("%-56s %-4s %9.*f %9s   %-22s %s\n", measure, unit, decimals, value.median,
                qPrintable(maxText), qPrintable(target), met ? (*met ? "met" : "MISSED") : "");
}

Options parse(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        const int value = arguments.at(i + 1).toInt();
        if (arguments.at(i) == u"--startups") {
            options.startups = value;
        } else if (arguments.at(i) == u"--rounds") {
            options.rounds = std::max(1, value);
        } else if (arguments.at(i) == u"--glides") {
            options.glides = std::max(1, value);
        } else if (arguments.at(i) == QLatin1String(kScaleOption)) {
            continue; // read by main before the application starts
        } else {
            fail(QStringLiteral("usage: orvane-bench [--startups N] [--rounds N] [--glides N]"));
        }
    }
    return options;
}
// The presentation of every scene without a glide, `rounds` times: SetCurrentScene and the
// repaints it leaves pending, and (if asked for) SetCurrentScene alone.
std::vector<double> timePresentations(frmMain& window, const script::SceneTable& scenes, int rounds,
                                      std::vector<double>* setCurrentSceneMs) {
    std::vector<double> presentationMs;
    for (int round = 0; round < rounds; ++round) {
        for (int number = 1; number <= window.NumberOfScenes; ++number) {
            if (scenes(static_cast<platform::Int16>(number)).MouseY > 1) {
                continue;
            }
            const Clock::time_point start = Clock::now();
            window.CurrentScene = static_cast<platform::Int16>(number);
            window.SetCurrentScene();
            if (setCurrentSceneMs != nullptr) {
                setCurrentSceneMs->push_back(millisecondsSince(start));
            }
            QCoreApplication::processEvents(); // its repaints, until the window is idle
            presentationMs.push_back(millisecondsSince(start));
        }
    }
    return presentationMs;
}

// The scale asked for with --presentations-at-scale, if any.
std::optional<int> presentationScale(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], kScaleOption) == 0) {
            return std::max(1, std::atoi(argv[i + 1]));
        }
    }
    return std::nullopt;
}

// The second run: the window on a screen of `scale` device pixels to its own, on an X server as
// large as the first run's in the window's pixels; one round of every scene to warm up, then the
// rounds timed. Prints "median max" in milliseconds.
int presentationsAtScale(int argc, char* argv[], int scale) {
    e2e::XServer xServer(1024 * scale, 768 * scale);
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QApplication application(argc, argv);
    const Options options = parse(QCoreApplication::arguments());
    platform::installApplicationFont();
    script::SceneTable scenes;
    frmMain window(scenes);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.setGlidePause([](double) {});
    window.Load();
    window.showFillingScreen();
    if (!QTest::qWaitForWindowExposed(&window)) {
        fail(QStringLiteral("the tutorial window was not shown"));
    }
    timePresentations(window, scenes, 1, nullptr);
    const Summary timed = summarize(timePresentations(window, scenes, options.rounds, nullptr));
    std::printf("%f %f\n", timed.median, timed.max);
    return 0;
}

// Runs the second run and reads its numbers.
Summary presentationsAtDenseScale(int rounds) {
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.start(QCoreApplication::applicationFilePath(),
              {QLatin1String(kScaleOption), QString::number(kDenseScale),
               QStringLiteral("--rounds"), QString::number(rounds)});
    if (!run.waitForFinished(-1) || run.exitCode() != 0) {
        fail(QStringLiteral("the run at scale %1 failed").arg(kDenseScale));
    }
    const QStringList numbers = QString::fromLocal8Bit(run.readAllStandardOutput()).split(u' ');
    if (numbers.size() != 2) {
        fail(QStringLiteral("the run at scale %1 printed no times").arg(kDenseScale));
    }
    return {numbers[0].toDouble(), numbers[1].toDouble()};
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> scale = presentationScale(argc, argv)) {
        return presentationsAtScale(argc, argv, *scale);
    }
    e2e::XServer xServer;
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS"); // no accessibility bus: the programs as users run them
    QApplication application(argc, argv);
    const Options options = parse(QCoreApplication::arguments());

    const QString tutorial = QStringLiteral(ORVANE_TUTORIAL_BINARY);
    // Scene 1's screenshot, which both programs show.
    script::SceneTable script;
    platform::Int16 count = 0;
    script::loadScript(script, count);
    const QString gif =
        QFileInfo(tutorial).absolutePath() + QLatin1Char('/') + script(kFirstScene).PictureFile;
    const QImage picture = QImage(gif).convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) {
        fail(QStringLiteral("%1 is missing: build the tutorial with its pictures").arg(gif));
    }

    // Start-up, in turns, after one run of each to warm the caches and find the picture.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    Contender ours{"tutorial", tutorial, {}, {}, {}, {}};
    Contender bare{"bare Qt program", QStringLiteral(ORVANE_BARE_VIEWER), {gif}, {}, {}, {}};
    startOnce(ours, environment, true, picture);
    startOnce(bare, environment, true, picture);
    for (int run = 0; run < options.startups; ++run) {
        Contender& first = run % 2 ? bare : ours;
        Contender& second = run % 2 ? ours : bare;
        startOnce(first, environment, false, picture);
        startOnce(second, environment, false, picture);
    }

    // The window in this process, on the same code as the program: memory over a long session,
    // the presentation's time, the glide's time.
    platform::installApplicationFont();
    script::SceneTable scenes;
    auto* window = new frmMain(scenes);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->Load();
    window->showFillingScreen();
    if (!QTest::qWaitForWindowExposed(window)) {
        fail(QStringLiteral("the tutorial window was not shown"));
    }
    QCoreApplication::processEvents();
    const qint64 startedKb = residentKb(getpid());
    window->setGlidePause([](double) {});
    qint64 firstRoundKb = 0;
    qint64 thousandKb = 0;
    for (int i = 0; i < 2 * kPresentationsForMemory; ++i) {
        window->CurrentScene = static_cast<platform::Int16>(1 + i % window->NumberOfScenes);
        window->SetCurrentScene();
        QCoreApplication::processEvents();
        if (i + 1 == window->NumberOfScenes) {
            firstRoundKb = residentKb(getpid());
        } else if (i + 1 == kPresentationsForMemory) {
            thousandKb = residentKb(getpid());
        }
    }
    const qint64 twoThousandKb = residentKb(getpid());

    std::vector<double> setCurrentSceneMs; // SetCurrentScene alone
    const std::vector<double> presentationMs =
        timePresentations(*window, scenes, options.rounds, &setCurrentSceneMs);

    std::vector<double> glideSeconds;
    std::vector<double> glideCpuSeconds;
    std::vector<double> glideShare;
    for (int repeat = 0; repeat < options.glides; ++repeat) {
        for (int number = 1; number <= window->NumberOfScenes; ++number) {
            if (scenes(static_cast<platform::Int16>(number)).MouseY <= 1) {
                continue;
            }
            window->setGlidePause([](double) {});
            window->CurrentScene = static_cast<platform::Int16>(number);
            window->SetCurrentScene();
            QCoreApplication::processEvents();
            window->setGlidePause({});
            const Clock::time_point start = Clock::now();
            const double cpuStart = processSeconds();
            window->MoveMouse();
            const double wall = millisecondsSince(start) / 1000;
            const double cpu = processSeconds() - cpuStart;
            glideSeconds.push_back(wall);
            glideCpuSeconds.push_back(cpu);
            glideShare.push_back(100 * cpu / wall);
        }
    }
    delete window;
    const Summary densePresentation = presentationsAtDenseScale(options.rounds);

    // The table.
    const Summary oursStart = summarize(ours.startupMs);
    const Summary bareStart = summarize(bare.startupMs);
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ours.startupMs.size(); ++i) {
        ratios.push_back(ours.startupMs[i] / bare.startupMs[i]);
    }
    const double ratio = oursStart.median / bareStart.median;
    const Summary presentation = summarize(presentationMs);
    const Summary glide = summarize(glideSeconds);
    const Summary share = summarize(glideShare);

    std::printf("Orvane Tutorial benchmark on Xvfb %dx%d, Qt %s, %ld processors\n",
                QGuiApplication::primaryScreen()->geometry().width(),
                QGuiApplication::primaryScreen()->geometry().height(), qVersion(),
                sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("%d start-ups of each program in turns; %zu presentations (%d rounds of the "
                "scenes without a glide); %zu glides\n\n",
                options.startups, presentationMs.size(), options.rounds, glideSeconds.size());
    std::printf("%-56s %-4s %9s %9s   %-22s %s\n", "measure", "unit", "median", "max", "target",
                "");
    printRow("start-up to scene 1 on screen: tutorial", "ms", oursStart, QString(), std::nullopt);
    printRow("start-up to the GIF on screen: bare Qt program", "ms", bareStart, QString(),
             std::nullopt);
    printRow("start-up, tutorial / bare (ratio of medians)", "x", {ratio, summarize(ratios).max},
             QStringLiteral("<= 1.15"), ratio <= 1.15);
    printRow("presentation without glide, until its repaints are done", "ms", presentation,
             QStringLiteral("median < 3, max < 16"),
             presentation.median < 3 && presentation.max < 16);
    printRow("  of which SetCurrentScene itself", "ms", summarize(setCurrentSceneMs), QString(),
             std::nullopt);
    printRow("  the same at device pixel ratio 2, the @2x copies shown", "ms", densePresentation,
             QStringLiteral("median < 3, max < 16"),
             densePresentation.median < 3 && densePresentation.max < 16);
    printRow("glide: wall time", "s", glide, QStringLiteral("2.40 to 2.43"),
             *std::min_element(glideSeconds.begin(), glideSeconds.end()) >= 2.40 &&
                 glide.max <= 2.43,
             3);
    printRow("glide: processor time", "s", summarize(glideCpuSeconds), QString(), std::nullopt, 3);
    printRow("glide: share of one core", "%", share, QStringLiteral("< 3"), share.max < 3);
    printRow("resident memory after start-up: tutorial", "MB", summarize(ours.residentMb),
             QString(), std::nullopt);
    printRow("resident memory after start-up: bare Qt program", "MB", summarize(bare.residentMb),
             QString(), std::nullopt);
    const auto megabytes = [](qint64 kb) { return Summary{kb / 1024.0, 0}; };
    printRow("resident memory, window in this process: started", "MB", megabytes(startedKb),
             QString(), std::nullopt, 2, false);
    printRow("  after the first 80 presentations (every scene once)", "MB", megabytes(firstRoundKb),
             QString(), std::nullopt, 2, false);
    printRow("  after 1,000 presentations", "MB", megabytes(thousandKb), QString(), std::nullopt, 2,
             false);
    printRow("  after 2,000 presentations", "MB", megabytes(twoThousandKb), QString(), std::nullopt,
             2, false);
    const double growthMb = (thousandKb - startedKb) / 1024.0;
    const double laterGrowthMb = (twoThousandKb - thousandKb) / 1024.0;
    printRow("growth over the first 1,000 presentations", "MB", {growthMb, 0},
             QStringLiteral("<= 1"), growthMb <= 1, 2, false);
    printRow("growth over the next 1,000 presentations", "MB", {laterGrowthMb, 0},
             QStringLiteral("<= 1"), laterGrowthMb <= 1, 2, false);
    return 0;
}
