// SPDX-License-Identifier: MIT
// The tutorial's speed and memory under real conditions, on an X server of the benchmark's own
// (Xvfb): start-up of the built program beside two bare Qt programs, one showing the same GIF and
// one showing it with the first screen's widgets, run in turns; the presentation of a scene; the
// pointer's glide; resident memory after start-up and over 1,000 presentations. Prints a table of
// medians and maxima with the targets.
//
// A presentation is timed twice: as a user meets it, from the arrival of the Alt+N that the X
// server delivers (xdotool) to the last repaint, after the program has rested between presses as
// a reader does; and back to back, SetCurrentScene on one scene after the other without a rest,
// the worst case. A jump by the section list is timed as a user makes it too: the entry
// highlighted in the open list, a rest, and Return. Beside them, the floors: a bare Qt window
// showing the same pictures on Alt+N, once by swapping the picture alone and once in the
// tutorial's order of steps, with the whole window repainted between. All of it is timed again
// on screens of 1.5 and 2 device pixels to each of the window's, where the screenshots' copies at
// twice the density are shown: in further runs of the benchmark, on X servers that much larger,
// with QT_SCALE_FACTOR set.
//
//   orvane-bench [--startups N] [--rounds N] [--rested-rounds N] [--glides N]
//   orvane-bench --presentations-at-scale S [--rounds N] [--rested-rounds N]   (such a further
//                                                  run: prints its presentations' figures)

#include "first_screen.h"
#include "platform/app_font.h"
#include "platform/picture.h"
#include "platform/picture_cache.h"
#include "script/scene_table.h"
#include "script/tutorial_script.h"
#include "support/x_session.h"
#include "window/frm_main.h"

#include <QAbstractItemView>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
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
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

constexpr int kFirstScene = 1;
constexpr int kPresentationsForMemory = 1000;
constexpr int kTimeoutMs = 30000;
const char* const kScaleOption = "--presentations-at-scale";
// A reader's pause between two presses, and more than the tutorial waits before it prepares.
constexpr int kReaderRestMs = 500;

struct Options {
    int startups = 21;
    int rounds = 20;
    int restedRounds = 1; // every scene once, with a rest before each press
    int glides = 2;       // each of the four glide scenes this often
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
        } else if (arguments.at(i) == u"--rested-rounds") {
            options.restedRounds = std::max(1, value);
        } else if (arguments.at(i) == u"--glides") {
            options.glides = std::max(1, value);
        } else if (arguments.at(i) == QLatin1String(kScaleOption)) {
            continue; // read by main before the application starts
        } else {
            fail(QStringLiteral("usage: orvane-bench [--startups N] [--rounds N] "
                                "[--rested-rounds N] [--glides N]"));
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

QString besideBenchmark(const QString& name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// When the X server's last key press reached the program: the earliest the program can know of
// it. A press of Alt+N arrives as two presses; the presentation follows the second.
class KeyPressArrival : public QAbstractNativeEventFilter {
public:
    KeyPressArrival() { QCoreApplication::instance()->installNativeEventFilter(this); }
    ~KeyPressArrival() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    KeyPressArrival(const KeyPressArrival&) = delete;
    KeyPressArrival& operator=(const KeyPressArrival&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        constexpr quint8 kXcbKeyPress = 2; // the event's first byte, without the "sent" bit
        if (type == "xcb_generic_event_t" &&
            (*static_cast<const quint8*>(message) & 0x7f) == kXcbKeyPress) {
            last = Clock::now();
        }
        return false;
    }

    Clock::time_point last;
};

// Has the X server deliver these keys, as xdotool names them, to the window that has the
// keyboard, and returns the sender to wait for once the presentation is timed. The sender is
// spawned, not forked: a fork would leave the benchmark's pages to be copied on its next writes,
// a cost no user's key press brings.
pid_t pressKeys(const char* keys) {
    std::string program = "xdotool";
    std::string command = "key";
    std::string keyNames = keys;
    char* arguments[] = {program.data(), command.data(), keyNames.data(), nullptr};
    pid_t sender = 0;
    if (posix_spawnp(&sender, program.c_str(), nullptr, nullptr, arguments, environ) != 0) {
        fail(QStringLiteral("xdotool didn't start (tools/setup-machine.sh test installs it)"));
    }
    return sender;
}

void waitFor(pid_t sender) {
    waitpid(sender, nullptr, 0);
}

// Waits as a reader does, the program's event loop running.
void rest() {
    QTest::qWait(kReaderRestMs);
}

// Runs the event loop until `done` holds and the window is idle; fails after kTimeoutMs.
template <typename Condition> void runUntil(Condition done) {
    const Clock::time_point start = Clock::now();
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (millisecondsSince(start) > kTimeoutMs) {
            fail(QStringLiteral("the window didn't answer a press in time"));
        }
    }
    QCoreApplication::processEvents(); // its repaints, until the window is idle
}

// Every scene reached by Alt+N after a rest, as the X server delivers the press; the scenes with
// a glide left out (their presentation is the glide's).
std::vector<double> timeRestedPresses(frmMain& window, const script::SceneTable& scenes,
                                      int rounds) {
    window.setGlidePause([](double) {});
    KeyPressArrival arrival;
    std::vector<double> presentationMs;
    for (int round = 0; round < rounds; ++round) {
        window.CurrentScene = 1;
        window.SetCurrentScene();
        window.btnPrevious->setEnabled(false);
        window.btnNext->setEnabled(true);
        for (int number = 2; number <= window.NumberOfScenes; ++number) {
            rest();
            const pid_t sender = pressKeys("alt+n");
            runUntil([&] { return window.CurrentScene == number; });
            if (scenes(static_cast<platform::Int16>(number)).MouseY <= 1) {
                presentationMs.push_back(millisecondsSince(arrival.last));
            }
            waitFor(sender);
        }
    }
    return presentationMs;
}

// The first scene of the section named, where the list leads.
platform::Int16 firstSceneOf(const script::SceneTable& scenes, int count, const QString& section) {
    for (int number = 1; number <= count; ++number) {
        if (scenes(static_cast<platform::Int16>(number)).SectionName == section) {
            return static_cast<platform::Int16>(number);
        }
    }
    fail(QStringLiteral("no scene begins the section %1").arg(section));
}

// Each section chosen from the open list as a user does: the entry highlighted (by the pointer
// resting on it, or the arrow keys), a rest, then Return as the X server delivers it; timed until
// the section's first scene is repainted.
std::vector<double> timeSectionJumps(frmMain& window, const script::SceneTable& scenes,
                                     int rounds) {
    window.setGlidePause([](double) {});
    KeyPressArrival arrival;
    std::vector<double> jumpMs;
    platform::ComboBox& list = *window.cmbCurrentSection;
    for (int round = 0; round < rounds; ++round) {
        for (int entry = 0; entry < list.count(); ++entry) {
            const int chosen = (entry + list.count() / 2) % list.count();
            const platform::Int16 target =
                firstSceneOf(scenes, window.NumberOfScenes, list.itemText(chosen));
            rest();
            list.showPopup();
            list.view()->setCurrentIndex(list.model()->index(chosen, 0));
            rest();
            const pid_t sender = pressKeys("Return");
            runUntil([&] { return window.CurrentScene == target; });
            jumpMs.push_back(millisecondsSince(arrival.last));
            waitFor(sender);
        }
    }
    return jumpMs;
}

// The floor for a presentation: a bare Qt window filling the screen with the first screen's
// widgets that shows the tutorial's screenshots one after another on Alt+N, each decoded ahead at
// the screen's density, as the tutorial keeps its neighbours. Either it only swaps the picture,
// one paint; or it takes the tutorial's order of steps: the picture hidden, the whole window
// repainted before the picture is placed and shown again, two paints.
class BareSlideShow : public QWidget {
public:
    BareSlideShow(QStringList paths, bool repaintBetween)
        : paths_(std::move(paths)), repaintBetween_(repaintBetween), picture_(new QLabel(this)) {
        setWindowFlag(Qt::FramelessWindowHint);
        const bench::FirstScreen widgets = bench::addFirstScreenWidgets(*this);
        page_ = widgets.page;
        // Alt+N shows the next picture at once; the button's own access key would first show it
        // pressed for 100 ms.
        widgets.next->setShortcut(QKeySequence());
        connect(new QShortcut(QKeySequence(QStringLiteral("Alt+N")), this), &QShortcut::activated,
                this, &BareSlideShow::showNext);
    }

    // Decodes the picture the next Alt+N shows.
    void prepareNext() {
        next_ =
            platform::decodePictureFor(paths_.at(shown_ % paths_.size()), devicePixelRatio()).image;
    }

    int shown() const { return shown_; }

private:
    void showNext() {
        ++shown_;
        if (repaintBetween_) {
            picture_->hide();
        }
        page_->setText(QStringLiteral("Page %1 of  80").arg(shown_ % 80 + 1, 2));
        if (repaintBetween_) {
            repaint();
        }
        picture_->setPixmap(QPixmap::fromImage(next_));
        picture_->resize(picture_->sizeHint());
        picture_->move(rect().center() - picture_->rect().center());
        picture_->show();
    }

    QStringList paths_;
    bool repaintBetween_;
    QLabel* page_ = nullptr;
    QLabel* picture_;
    QImage next_;
    int shown_ = 0;
};

// The floor's presentations after a rest, one for each screenshot shown without a glide.
std::vector<double> timeBareRestedPresses(const script::SceneTable& scenes, int count,
                                          bool repaintBetween) {
    QStringList paths;
    for (int number = 1; number <= count; ++number) {
        if (scenes(static_cast<platform::Int16>(number)).MouseY <= 1) {
            paths.append(besideBenchmark(scenes(static_cast<platform::Int16>(number)).PictureFile));
        }
    }
    BareSlideShow window(paths, repaintBetween);
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.showMaximized();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        fail(QStringLiteral("the bare window didn't become active"));
    }
    KeyPressArrival arrival;
    std::vector<double> presentationMs;
    for (qsizetype press = 1; press <= paths.size(); ++press) {
        window.prepareNext();
        rest();
        const pid_t sender = pressKeys("alt+n");
        runUntil([&] { return window.shown() == press; });
        presentationMs.push_back(millisecondsSince(arrival.last));
        waitFor(sender);
    }
    return presentationMs;
}

struct PresentationFigures {
    Summary rested;
    Summary backToBack;
    Summary setCurrentScene; // back to back, SetCurrentScene alone
    Summary sectionJump;
    Summary bareSwap;    // the floor: a bare window swapping its picture
    Summary bareRepaint; // the same with the whole window repainted between hide and show
};

PresentationFigures timeAllPresentations(frmMain& window, const script::SceneTable& scenes,
                                         const Options& options) {
    window.activateWindow(); // the X server's key presses go to it
    if (!QTest::qWaitForWindowActive(&window)) {
        fail(QStringLiteral("the tutorial window didn't become active"));
    }
    window.setGlidePause([](double) {});
    timePresentations(window, scenes, 1, nullptr); // warms up
    PresentationFigures figures;
    std::vector<double> setCurrentSceneMs;
    figures.backToBack =
        summarize(timePresentations(window, scenes, options.rounds, &setCurrentSceneMs));
    figures.setCurrentScene = summarize(setCurrentSceneMs);
    figures.rested = summarize(timeRestedPresses(window, scenes, options.restedRounds));
    figures.sectionJump = summarize(timeSectionJumps(window, scenes, options.restedRounds));
    figures.bareSwap = summarize(timeBareRestedPresses(scenes, window.NumberOfScenes, false));
    figures.bareRepaint = summarize(timeBareRestedPresses(scenes, window.NumberOfScenes, true));
    window.activateWindow();
    return figures;
}

// The scale asked for with --presentations-at-scale, if any.
std::optional<double> presentationScale(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], kScaleOption) == 0) {
            return std::max(1.0, std::atof(argv[i + 1]));
        }
    }
    return std::nullopt;
}

// A further run: the window on a screen of `scale` device pixels to its own, on an X server as
// large as the first run's in the window's pixels. Prints the figures, each "median max" in
// milliseconds.
int presentationsAtScale(int argc, char* argv[], double scale) {
    e2e::XServer xServer(qRound(1024 * scale), qRound(768 * scale));
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
    window.Load();
    window.showFillingScreen();
    if (!QTest::qWaitForWindowExposed(&window)) {
        fail(QStringLiteral("the tutorial window was not shown"));
    }
    const PresentationFigures figures = timeAllPresentations(window, scenes, options);
    for (const Summary& figure : {figures.rested, figures.backToBack, figures.setCurrentScene,
                                  figures.sectionJump, figures.bareSwap, figures.bareRepaint}) {
        std::printf("%f %f\n", figure.median, figure.max);
    }
    return 0;
}

// Runs a further run and reads its figures.
PresentationFigures presentationsAtScaleRun(double scale, const Options& options) {
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.start(QCoreApplication::applicationFilePath(),
              {QLatin1String(kScaleOption), QString::number(scale), QStringLiteral("--rounds"),
               QString::number(options.rounds), QStringLiteral("--rested-rounds"),
               QString::number(options.restedRounds)});
    if (!run.waitForFinished(-1) || run.exitCode() != 0) {
        fail(QStringLiteral("the run at scale %1 failed").arg(scale));
    }
    const QStringList numbers =
        QString::fromLocal8Bit(run.readAllStandardOutput())
            .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (numbers.size() != 12) {
        fail(QStringLiteral("the run at scale %1 printed no figures").arg(scale));
    }
    const auto at = [&](int i) {
        return Summary{numbers[2 * i].toDouble(), numbers[2 * i + 1].toDouble()};
    };
    return {at(0), at(1), at(2), at(3), at(4), at(5)};
}

void printPresentationRows(const char* screen, const PresentationFigures& figures,
                           double restedMedianTarget) {
    std::printf("%s\n", screen);
    const QString target =
        QStringLiteral("median <= %1, max <= 8").arg(restedMedianTarget, 0, 'f', 1);
    printRow("  presentation after Alt+N and a rest, to the last repaint", "ms", figures.rested,
             target, figures.rested.median <= restedMedianTarget && figures.rested.max <= 8);
    printRow("  presentation back to back (no rest), until repainted", "ms", figures.backToBack,
             QString(), std::nullopt);
    printRow("    of which SetCurrentScene itself", "ms", figures.setCurrentScene, QString(),
             std::nullopt);
    printRow("  a section chosen in the open list, after Return", "ms", figures.sectionJump,
             QStringLiteral("max <= 16"), figures.sectionJump.max <= 16);
    printRow("  floor: a bare window swapping its picture, as above", "ms", figures.bareSwap,
             QString(), std::nullopt);
    printRow("    the same, repainted whole between hide and show", "ms", figures.bareRepaint,
             QString(), std::nullopt);
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<double> scale = presentationScale(argc, argv)) {
        return presentationsAtScale(argc, argv, *scale);
    }
    e2e::XServer xServer;
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS"); // no accessibility bus: the programs as users run them
    QApplication application(argc, argv);
    const Options options = parse(QCoreApplication::arguments());

    const QString tutorial = besideBenchmark(QStringLiteral("orvane-tutorial"));
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
    Contender bare{"bare Qt program",
                   besideBenchmark(QStringLiteral("orvane-bare-viewer")),
                   {gif},
                   {},
                   {},
                   {}};
    Contender bareWidgets{"bare Qt program with the widgets",
                          besideBenchmark(QStringLiteral("orvane-bare-viewer")),
                          {QStringLiteral("--widgets"), gif},
                          {},
                          {},
                          {}};
    std::vector<Contender*> contenders{&ours, &bare, &bareWidgets};
    for (Contender* contender : contenders) {
        startOnce(*contender, environment, true, picture);
    }
    for (int run = 0; run < options.startups; ++run) {
        std::rotate(contenders.begin(), contenders.begin() + 1, contenders.end());
        for (Contender* contender : contenders) {
            startOnce(*contender, environment, false, picture);
        }
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
    const qint64 startedCacheKb = window->pictureCache().heldBytes() / 1024;
    qint64 thousandCacheKb = 0;
    for (int i = 0; i < 2 * kPresentationsForMemory; ++i) {
        window->CurrentScene = static_cast<platform::Int16>(1 + i % window->NumberOfScenes);
        window->SetCurrentScene();
        QCoreApplication::processEvents();
        if (i + 1 == window->NumberOfScenes) {
            firstRoundKb = residentKb(getpid());
        } else if (i + 1 == kPresentationsForMemory) {
            thousandKb = residentKb(getpid());
            thousandCacheKb = window->pictureCache().heldBytes() / 1024;
        }
    }
    const qint64 twoThousandKb = residentKb(getpid());

    const PresentationFigures presentations = timeAllPresentations(*window, scenes, options);

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
    const PresentationFigures atOneAndAHalf = presentationsAtScaleRun(1.5, options);
    const PresentationFigures atTwo = presentationsAtScaleRun(2, options);

    // The table.
    const Summary oursStart = summarize(ours.startupMs);
    const Summary bareStart = summarize(bare.startupMs);
    const Summary bareWidgetsStart = summarize(bareWidgets.startupMs);
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ours.startupMs.size(); ++i) {
        ratios.push_back(ours.startupMs[i] / bareWidgets.startupMs[i]);
    }
    const double ratio = oursStart.median / bareWidgetsStart.median;
    const Summary glide = summarize(glideSeconds);
    const Summary share = summarize(glideShare);

    std::printf("Orvane Tutorial benchmark on Xvfb %dx%d, Qt %s, %ld processors\n",
                QGuiApplication::primaryScreen()->geometry().width(),
                QGuiApplication::primaryScreen()->geometry().height(), qVersion(),
                sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("%d start-ups of each program in turns; on each screen: %d rounds of the scenes "
                "without a glide back to back, %d with a rest of %d ms before each press, the "
                "same of the sections; %zu glides\n\n",
                options.startups, options.rounds, options.restedRounds, kReaderRestMs,
                glideSeconds.size());
    std::printf("%-56s %-4s %9s %9s   %-22s %s\n", "measure", "unit", "median", "max", "target",
                "");
    printRow("start-up to scene 1 on screen: tutorial", "ms", oursStart, QString(), std::nullopt);
    printRow("start-up to the GIF on screen: bare Qt program", "ms", bareStart, QString(),
             std::nullopt);
    printRow("start-up to the GIF on screen: bare Qt program with the widgets", "ms",
             bareWidgetsStart, QString(), std::nullopt);
    printRow("start-up, tutorial / bare with the widgets (ratio of medians)", "x",
             {ratio, summarize(ratios).max}, QStringLiteral("<= 1.03"), ratio <= 1.03);
    printPresentationRows("device pixel ratio 1:", presentations, 1.5);
    printPresentationRows("device pixel ratio 1.5 (the @2x copies brought down):", atOneAndAHalf,
                          2);
    printPresentationRows("device pixel ratio 2 (the @2x copies):", atTwo, 2);
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
    const Summary oursMemory = summarize(ours.residentMb);
    const Summary bareWidgetsMemory = summarize(bareWidgets.residentMb);
    printRow("resident memory after start-up: bare with the widgets", "MB", bareWidgetsMemory,
             QString(), std::nullopt);
    printRow("resident memory after start-up, tutorial / bare with the widgets", "x",
             {oursMemory.median / bareWidgetsMemory.median, 0}, QStringLiteral("<= 1.2"),
             oursMemory.median / bareWidgetsMemory.median <= 1.2, 2, false);
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
    // The pictures kept ahead are bounded by their number; the rest of the growth must not be.
    const double cacheGrowthMb = (thousandCacheKb - startedCacheKb) / 1024.0;
    printRow("growth over the first 1,000 presentations", "MB", {growthMb, 0}, QString(),
             std::nullopt, 2, false);
    printRow("  of which the pictures kept (at most 4)", "MB", {cacheGrowthMb, 0}, QString(),
             std::nullopt, 2, false);
    printRow("  the rest", "MB", {growthMb - cacheGrowthMb, 0}, QStringLiteral("<= 1"),
             growthMb - cacheGrowthMb <= 1, 2, false);
    printRow("growth over the next 1,000 presentations", "MB", {laterGrowthMb, 0},
             QStringLiteral("<= 1"), laterGrowthMb <= 1, 2, false);
    return 0;
}
