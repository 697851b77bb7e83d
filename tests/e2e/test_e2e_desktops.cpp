// SPDX-License-Identifier: MIT
// The built program on desktops as users have them: X11 with and without a window manager,
// Wayland (weston), small, large and scaled screens, a larger font DPI, dark colour schemes
// with a larger general font from a platform theme or a style, and a panel that reserves the
// screen's foot. Each environment is one row, and
// every row is checked the same way: the window fills the work area in the desktop's colours
// (dark where the theme is dark), the page label reads
// "Page  1 of  80", scene 3's help text is dark on its plate and ends above the callout's foot,
// scene 3's screenshot is on the screen pixel for pixel as its file holds it (on a screen of two
// pixels to the program's one: its copy at twice the density), scene 23's arrow comes to rest on
// its target ("?"), and Exit ends the program with status 0. With a panel, the bar lies above
// it, and the window stays inside the work area when the window manager un-maximizes it.
//
//   test_e2e_desktops ROW   runs one row on a display of its own (ctest runs one test a row)
//   test_e2e_desktops       runs every row in turn
//
// Scene 3 as each row's screen showed it is kept as desktop-grabs/scene-03-ROW.png in the
// build folder.

#include "support/sandbox.h"
#include "support/scenes.h"
#include "support/tutorial_app.h"
#include "support/wayland_session.h"

#include "platform/picture.h"
#include "window/pointer_arrow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineF>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

using e2e::Desktop;
using e2e::Tutorial;

namespace {

enum class Server { X11, Wayland };

// The desktop's colours: the toolkit's own, or dark ones from qt6ct (with the dark scheme and an
// 11-point general font, in a configuration directory of the program's own) or from elsewhere.
enum class Theme { Light, Qt6ctDark, Dark };

struct Environment {
    const char* row;
    Server server;
    bool openbox;
    QSize screen;          // in the display's own pixels
    double scale;          // device pixels to the program's pixels
    QStringList variables; // NAME=value for the program
    Theme theme;
    int panel = 0; // the height of a panel at the screen's foot, in pixels; 0: none
};

const QList<Environment>& environments() {
    const auto set = [](std::initializer_list<const char*> variables) {
        QStringList list;
        for (const char* variable : variables) {
            list << QLatin1String(variable);
        }
        return list;
    };
    // clang-format off
    static const QList<Environment> rows{
        {"x11",                      Server::X11,     false, {1024, 768},  1,    {}, Theme::Light},
        {"x11_openbox",              Server::X11,     true,  {1024, 768},  1,    {}, Theme::Light},
        {"wayland_weston",           Server::Wayland, false, {1024, 768},  1,
         set({"QT_QPA_PLATFORM=wayland"}), Theme::Light},
        {"screen_800x600",           Server::X11,     true,  {800, 600},   1,    {}, Theme::Light},
        {"screen_1920x1080",         Server::X11,     true,  {1920, 1080}, 1,    {}, Theme::Light},
        {"screen_3840x2160_scale_2", Server::X11,     true,  {3840, 2160}, 2,
         set({"QT_SCALE_FACTOR=2"}), Theme::Light},
        // Qt scales the whole window with the font DPI: 120 / 96.
        {"font_dpi_120",             Server::X11,     true,  {1024, 768},  1.25,
         set({"QT_FONT_DPI=120"}), Theme::Light},
        {"qt6ct_dark",               Server::X11,     true,  {1024, 768},  1,
         set({"QT_QPA_PLATFORMTHEME=qt6ct"}), Theme::Qt6ctDark},
        // GNOME's way: the GTK platform theme reads the dark GTK theme's colours and font. GTK's
        // own accessibility bridge stays off: it would wait 25 s for a registry that the test's
        // accessibility bus doesn't have (the program's Qt bridge doesn't need one).
        {"gtk3_adwaita_dark",        Server::X11,     true,  {1024, 768},  1,
         set({"QT_QPA_PLATFORMTHEME=gtk3", "GTK_THEME=Adwaita:dark", "NO_AT_BRIDGE=1"}),
         Theme::Dark},
        // Debian's Adwaita style for Qt, dark variant: the style brings its own palette.
        {"style_adwaita_dark",       Server::X11,     true,  {1024, 768},  1,
         set({"QT_STYLE_OVERRIDE=adwaita-dark"}), Theme::Dark},
        {"x11_openbox_panel",        Server::X11,     true,  {1024, 768},  1,    {}, Theme::Light,
         40},
    };
    // clang-format on
    return rows;
}

const Environment* environmentNamed(const QString& row) {
    for (const Environment& environment : environments()) {
        if (row == QLatin1String(environment.row)) {
            return &environment;
        }
    }
    return nullptr;
}

// The row this process runs; set by main before the application starts.
const Environment* current = nullptr;
std::unique_ptr<e2e::WestonServer> weston;

QRect workArea(bool openbox) {
    if (openbox) {
        // _NET_WORKAREA(CARDINAL) = x, y, width, height, ...
        const QStringList numbers =
            e2e::runTool(QStringLiteral("xprop"),
                         {QStringLiteral("-root"), QStringLiteral("_NET_WORKAREA")})
                .section(u'=', 1)
                .split(u',');
        if (numbers.size() >= 4) {
            return {numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(), numbers[3].toInt()};
        }
    }
    return Desktop::screenGeometry();
}

QRect windowGeometry(const QString& windowId) {
    const QString info =
        e2e::runTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId});
    const auto number = [&info](const char* label) {
        return QRegularExpression(QLatin1String(label) + QStringLiteral(":\\s*(-?\\d+)"))
            .match(info)
            .captured(1)
            .toInt();
    };
    return {number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
            number("Height")};
}

bool isMaximized(const QString& windowId) {
    return e2e::runTool(QStringLiteral("xprop"),
                        {QStringLiteral("-id"), windowId, QStringLiteral("_NET_WM_STATE")})
        .contains(QLatin1String("_NET_WM_STATE_MAXIMIZED"));
}

// A panel along the screen's foot, as a desktop has one: a window of the harness's own, marked
// as a dock that reserves its height before it is shown, the way panels do it.
class Panel {
public:
    explicit Panel(int height) {
        const QRect screen = Desktop::screenGeometry();
        window_.setFlags(Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        window_.setGeometry(0, screen.height() - height, screen.width(), height);
        const QString id = QString::number(window_.winId());
        const auto set = [&id](const char* property, const char* format, const QString& value) {
            e2e::runTool(QStringLiteral("xprop"),
                         {QStringLiteral("-id"), id, QStringLiteral("-f"), QLatin1String(property),
                          QLatin1String(format), QStringLiteral("-set"), QLatin1String(property),
                          value});
        };
        set("_NET_WM_WINDOW_TYPE", "32a", QStringLiteral("_NET_WM_WINDOW_TYPE_DOCK"));
        // left, right, top, bottom; then where each starts and ends along its edge
        set("_NET_WM_STRUT_PARTIAL", "32c",
            QStringLiteral("0, 0, 0, %1, 0, 0, 0, 0, 0, 0, 0, %2")
                .arg(height)
                .arg(screen.width() - 1));
        window_.show();
    }

private:
    QWindow window_;
};

// The program's arrow as the screen shows it at `scale`: painted the way the program's window
// paints it on a screen of that device pixel ratio.
QImage arrowAtScale(double scale) {
    QImage arrow(32, 32, QImage::Format_ARGB32);
    arrow.fill(Qt::transparent);
    paintArrow(arrow, 0, 0, 32);
    const int side = static_cast<int>(std::ceil(32 * scale));
    QImage onScreen(side, side, QImage::Format_ARGB32);
    onScreen.fill(Qt::transparent);
    onScreen.setDevicePixelRatio(scale);
    QPainter(&onScreen).drawImage(0, 0, arrow);
    onScreen.setDevicePixelRatio(1);
    return onScreen;
}

bool nearColour(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 48 && std::abs(qGreen(a) - qGreen(b)) < 48 &&
           std::abs(qBlue(a) - qBlue(b)) < 48;
}

bool fractional(double scale) {
    return scale != std::floor(scale);
}

// Where near `expected` the arrow's tip is: the place where most of the arrow's opaque pixels
// are on the screen, if any. At a whole scale nearly all of them are; at a fractional scale the
// toolkit cuts rows and columns at the arrow's edges differently, and half of them must be.
std::optional<QPoint> findArrowNear(const QImage& screen, QPoint expected, double scale) {
    const QImage arrow = arrowAtScale(scale);
    const int reach = static_cast<int>(std::ceil(6 * scale));
    double best = fractional(scale) ? 0.5 : 0.85;
    std::optional<QPoint> found;
    for (int y = expected.y() - reach; y <= expected.y() + reach; ++y) {
        for (int x = expected.x() - reach; x <= expected.x() + reach; ++x) {
            int opaque = 0, matching = 0;
            for (int ay = 0; ay < arrow.height(); ++ay) {
                for (int ax = 0; ax < arrow.width(); ++ax) {
                    const QRgb pixel = arrow.pixel(ax, ay);
                    if (qAlpha(pixel) < 255 || !screen.valid(x + ax, y + ay)) {
                        continue;
                    }
                    ++opaque;
                    matching += nearColour(screen.pixel(x + ax, y + ay), pixel);
                }
            }
            const double share = opaque == 0 ? 0 : static_cast<double>(matching) / opaque;
            if (share > best) {
                best = share;
                found = QPoint(x, y);
            }
        }
    }
    return found;
}

bool isInk(QRgb pixel) {
    return qGray(pixel) < 160;
}

// How many pixels of `picture`, placed at `corner` of the screen, the screen shows otherwise,
// outside `leftOut`; `first` is the first of them in the picture.
int pixelsDiffering(const QImage& screen, QPoint corner, const QImage& picture,
                    const QRect& leftOut, QPoint* first) {
    int differ = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint at = corner + QPoint(x, y);
            if (leftOut.contains(at) || screen.pixel(at) == picture.pixel(x, y)) {
                continue;
            }
            if (differ++ == 0) {
                *first = QPoint(x, y);
            }
        }
    }
    return differ;
}

QRect scaled(QRect rect, double factor) {
    return QRectF(QPointF(rect.topLeft()) * factor, QSizeF(rect.size()) * factor).toRect();
}

} // namespace

class TestDesktopsE2E : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<e2e::Sandbox> sandbox_;
    std::unique_ptr<Tutorial> tutorial_;
    std::unique_ptr<Panel> panel_;
    double accessibleToScreen_ = 1; // the accessibility bus's pixels to the screen's
    QStringList passed_;
    QStringList skipped_;
    bool canGrab_ = true;

    bool wayland() const { return current->server == Server::Wayland; }

    QImage grabScreen() { return wayland() ? weston->grabScreen() : Desktop::grabScreen(); }

    QProcessEnvironment programEnvironment() {
        QProcessEnvironment environment = sandbox_->environment(*desktop_);
        for (const QString& variable : current->variables) {
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        }
        if (wayland()) {
            environment.remove(QStringLiteral("DISPLAY"));
            environment.insert(QStringLiteral("WAYLAND_DISPLAY"), weston->socketPath());
#if defined(__SANITIZE_ADDRESS__)
            // Qt's Wayland plugin loads Mesa's OpenGL driver, which the program never draws
            // with, and the driver is unloaded before the leak check: its allocations would be
            // reported from an unknown module, which no suppression can name. No OpenGL here.
            environment.insert(QStringLiteral("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"),
                               QStringLiteral("none"));
#endif
        }
        if (current->theme == Theme::Qt6ctDark) {
            const QString config =
                environment.value(QStringLiteral("XDG_CONFIG_HOME")) + QStringLiteral("/qt6ct");
            QDir().mkpath(config);
            QFile::copy(QStringLiteral(ORVANE_QT6CT_DARK_CONFIG),
                        config + QStringLiteral("/qt6ct.conf"));
        }
        return environment;
    }

    QRect onScreen(const QString& control) {
        return scaled(tutorial_->extents(control), accessibleToScreen_);
    }

    void press(const QString& button) {
        if (wayland()) {
            tutorial_->doAction(button); // no input injection on Wayland
        } else {
            tutorial_->click(onScreen(button).center());
        }
    }

    void goToScene(int from, int to) {
        for (int number = from + 1; number <= to; ++number) {
            press(QStringLiteral("Next"));
            E2E_CHECK(tutorial_->waitForScene(number));
        }
    }

    void checkFillsWorkArea() {
        const QRect window = tutorial_->extents(QStringLiteral("Orvane Tutorial"));
        if (wayland()) {
            // A Wayland client doesn't know where it is; its size is the output's, and the
            // compositor's black background shows at none of the output's corners.
            QCOMPARE(window.size(), current->screen);
            const QImage screen = grabScreen();
            const QRect inside = QRect(QPoint(0, 0), current->screen).adjusted(3, 3, -4, -4);
            for (const QPoint corner :
                 {inside.topLeft(), inside.topRight(), inside.bottomLeft(), inside.bottomRight()}) {
                QVERIFY2(screen.isNull() || screen.pixel(corner) != qRgb(0, 0, 0),
                         qPrintable(QStringLiteral("the background shows at %1,%2")
                                        .arg(corner.x())
                                        .arg(corner.y())));
            }
            return;
        }
        accessibleToScreen_ = static_cast<double>(current->screen.width()) / window.width();
        QCOMPARE(windowGeometry(tutorial_->windowId()), workArea(current->openbox));
    }

    // The bar's buttons lie above the panel. The window is maximized, so that the window manager
    // keeps it to the work area; un-maximized, it goes back to where the program put it, which is
    // inside the work area too.
    void checkClearOfThePanel() {
        const int panelTop = current->screen.height() - current->panel;
        QCOMPARE_LT(onScreen(QStringLiteral("Exit")).bottom(), panelTop);
        const QString id = tutorial_->windowId();
        QVERIFY2(isMaximized(id), "the window manager doesn't hold the window maximized");
        e2e::runTool(QStringLiteral("wmctrl"),
                     {QStringLiteral("-i"), QStringLiteral("-r"), id, QStringLiteral("-b"),
                      QStringLiteral("remove,maximized_vert,maximized_horz")});
        QVERIFY2(e2e::waitFor([&] { return !isMaximized(id); }), "the window stays maximized");
        QTest::qWait(500); // the program lays itself out anew
        const QRect window = windowGeometry(id);
        QVERIFY2(workArea(true).contains(window),
                 qPrintable(QStringLiteral("un-maximized, the window lies at %1,%2 %3x%4")
                                .arg(window.x())
                                .arg(window.y())
                                .arg(window.width())
                                .arg(window.height())));
        QCOMPARE_LT(onScreen(QStringLiteral("Exit")).bottom(), panelTop);
    }

    // The window's background follows the desktop's colours: dark where the theme is dark. (A
    // theme that isn't installed is left out silently, and the row would prove nothing.)
    void checkWindowColours() {
        const QPoint inside = onScreen(QStringLiteral("Orvane Tutorial")).topLeft() + QPoint(4, 4);
        QColor background;
        const bool asExpected = e2e::waitFor(
            [&] {
                background = QColor(grabScreen().pixel(inside));
                return (background.lightness() < 128) == (current->theme != Theme::Light);
            },
            10000);
        QVERIFY2(
            asExpected,
            qPrintable(QStringLiteral("the window's background is %1").arg(background.name())));
    }

    void keepGrab(const QImage& screen, int scene = 3) {
        const QString directory = QStringLiteral(ORVANE_E2E_GRABS);
        QDir().mkpath(directory);
        const QString file = QStringLiteral("%1/scene-%2-%3.png")
                                 .arg(directory, QString::number(scene).rightJustified(2, u'0'),
                                      QLatin1String(current->row));
        QVERIFY2(screen.save(file), qPrintable(file));
        qInfo().noquote() << "scene" << scene << "as the screen showed it:" << file;
    }

    // The help text is dark on the pale-yellow plate, and below its last line blank rows of
    // the plate remain: the text fits.
    void checkCalloutInk() {
        const QRect text = onScreen(QStringLiteral("Help text"));
        const QRect plate = onScreen(QStringLiteral("Help text background"));
        QImage screen;
        const auto plateShows = [&] {
            screen = grabScreen();
            const QRect face(plate.left() + 3, plate.top() + 3, plate.width() - 6,
                             text.top() - plate.top() - 6);
            int yellow = 0;
            for (int y = face.top(); y <= face.bottom(); ++y) {
                for (int x = face.left(); x <= face.right(); ++x) {
                    yellow += screen.valid(x, y) && screen.pixel(x, y) == e2e::kCalloutYellow;
                }
            }
            return face.width() > 0 && yellow == face.width() * face.height();
        };
        QVERIFY2(e2e::waitFor(plateShows, 20000), "the callout's pale-yellow plate isn't shown");
        E2E_CHECK(keepGrab(screen));
        QVERIFY2(screen.rect().contains(text), "the help text reaches off the screen");
        int dark = 0, lastInkRow = -1;
        for (int y = text.top(); y <= text.bottom(); ++y) {
            for (int x = text.left(); x <= text.right(); ++x) {
                const QRgb pixel = screen.pixel(x, y);
                dark += qRed(pixel) < 96 && qGreen(pixel) < 96 && qBlue(pixel) < 96;
                if (isInk(pixel)) {
                    lastInkRow = y;
                }
            }
        }
        QVERIFY2(dark * 100 > text.width() * text.height(),
                 qPrintable(QStringLiteral("the help text isn't dark: %1 dark pixels").arg(dark)));
        const int blankRows = text.bottom() - lastInkRow;
        QVERIFY2(blankRows >= 3 * current->scale,
                 qPrintable(QStringLiteral("the help text reaches the callout's foot: %1 blank "
                                           "rows below its last line")
                                .arg(blankRows)));
    }

    // The screenshot as the program's directory holds it: at a scale of 2 the copy at twice the
    // density, drawn one to one. Only the callout, which lies over it, is left out.
    void checkScreenshotPixels(int sceneNumber) {
        if (fractional(current->scale)) {
            qInfo("row %s: the screenshot's pixels are not compared: a fractional scale resamples "
                  "them",
                  current->row);
            return;
        }
        const QString name = e2e::scene(sceneNumber).PictureFile;
        const QString file =
            QFileInfo(QStringLiteral(ORVANE_TUTORIAL_BINARY))
                .dir()
                .filePath(current->scale > 1 ? platform::doubleDensityName(name) : name);
        const QImage picture = QImage(file).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!picture.isNull(), qPrintable(file));
        QCOMPARE(picture.width(), static_cast<int>(640 * current->scale));
        const QRect area(onScreen(QStringLiteral("Screenshot")).topLeft(), picture.size());
        const QRect callout =
            onScreen(QStringLiteral("Help text background")).adjusted(-1, -1, 1, 1);
        const QImage screen = grabScreen().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(screen.rect().contains(area), "the screenshot reaches off the screen");
        QPoint first;
        const int differ = pixelsDiffering(screen, area.topLeft(), picture, callout, &first);
        if (differ > 0) {
            keepGrab(screen);
        }
        QVERIFY2(differ == 0,
                 qPrintable(QStringLiteral("%1 pixels differ from %2, the first at %3,%4 of it")
                                .arg(differ)
                                .arg(file)
                                .arg(first.x())
                                .arg(first.y())));
    }

    void checkArrowOnTarget() {
        constexpr int kGlideScene = 23;
        const QPoint corner = onScreen(QStringLiteral("Screenshot")).topLeft();
        const QPoint offset(e2e::scene(kGlideScene).MouseX, e2e::scene(kGlideScene).MouseY);
        const QPoint expected =
            corner + (QPointF(offset) / e2e::kTwipsPerPixel * current->scale).toPoint();
        std::optional<QPoint> tip;
        QImage screen;
        e2e::waitFor(
            [&] {
                screen = grabScreen();
                tip = findArrowNear(screen, expected, current->scale);
                return tip.has_value();
            },
            20000);
        if (!tip) {
            keepGrab(screen, 23);
        }
        QVERIFY2(
            tip,
            qPrintable(QStringLiteral("no arrow near %1,%2").arg(expected.x()).arg(expected.y())));
        qInfo("the arrow rests at %d,%d; its target is %d,%d", tip->x(), tip->y(), expected.x(),
              expected.y());
        // A fractional scale cuts up to two of the arrow's top rows.
        const double tolerance = (fractional(current->scale) ? 3 : 1.5) * current->scale;
        QVERIFY2(QLineF(*tip, expected).length() <= tolerance,
                 qPrintable(QStringLiteral("the arrow rests at %1,%2, not at %3,%4")
                                .arg(tip->x())
                                .arg(tip->y())
                                .arg(expected.x())
                                .arg(expected.y())));
    }

    // Runs one check; a failed one is reported and ends the row. A check that reads the screen
    // is skipped, and said so, where the screen can't be grabbed.
    template <class Check> bool check(const char* name, Check body, bool readsScreen = false) {
        if (readsScreen && !canGrab_) {
            skipped_ << QLatin1String(name);
            return true;
        }
        body();
        if (QTest::currentTestFailed()) {
            qInfo("row %s: check \"%s\" failed; the program's stderr:\n%s", current->row, name,
                  qPrintable(tutorial_->errors()));
            return false;
        }
        passed_ << QLatin1String(name);
        return true;
    }

private Q_SLOTS:
    void initTestCase() {
        desktop_ = std::make_unique<Desktop>(current->openbox ? Desktop::WindowManager::Openbox
                                                              : Desktop::WindowManager::None);
        QVERIFY2(desktop_->ok(), qPrintable(desktop_->error()));
        if (current->panel > 0) {
            panel_ = std::make_unique<Panel>(current->panel);
            QRect reserved = Desktop::screenGeometry();
            reserved.setHeight(reserved.height() - current->panel);
            QVERIFY2(e2e::waitFor([&] { return workArea(true) == reserved; }),
                     "the panel's reservation doesn't show in the work area");
        }
    }

    void cleanupTestCase() {
        tutorial_.reset();
        panel_.reset();
        desktop_.reset();
    }

    void checksHold() {
        sandbox_ = std::make_unique<e2e::Sandbox>();
        tutorial_ = std::make_unique<Tutorial>(
            *desktop_,
            e2e::LaunchOptions{QStringLiteral(ORVANE_TUTORIAL_BINARY), sandbox_->workingDirectory(),
                               false, programEnvironment()});
        E2E_CHECK(tutorial_->waitUntilReady());
        canGrab_ = e2e::waitFor([&] { return !grabScreen().isNull(); }, 5000);
        const bool all =
            check("fills the work area", [&] { checkFillsWorkArea(); }) &&
            check("page label",
                  [&] { QCOMPARE(tutorial_->pageLabel(), QStringLiteral("Page  1 of  80")); }) &&
            check("to scene 3", [&] { goToScene(1, 3); }) &&
            check(
                "scene 3: dark help text that fits", [&] { checkCalloutInk(); }, true) &&
            check(
                "scene 3: the screenshot pixel for pixel", [&] { checkScreenshotPixels(3); },
                true) &&
            check("to scene 23", [&] { goToScene(3, 23); }) &&
            check(
                "scene 23: arrow on \"?\"", [&] { checkArrowOnTarget(); }, true) &&
            (current->panel == 0 ||
             check("clear of the panel, also un-maximized", [&] { checkClearOfThePanel(); })) &&
            check("Exit ends with status 0", [&] {
                press(QStringLiteral("Exit"));
                QCOMPARE(tutorial_->waitForExit(), 0);
            });
        qInfo("row %s: passed: %s", current->row, qPrintable(passed_.join(QStringLiteral(", "))));
        QVERIFY(all);
        if (!skipped_.isEmpty()) {
            qInfo("row %s: skipped: %s", current->row,
                  qPrintable(skipped_.join(QStringLiteral(", "))));
        }
    }
};

namespace {

// Every row in turn, each in a process of its own with its own display.
int runEveryRow(const char* self) {
    int failed = 0;
    for (const Environment& environment : environments()) {
        std::printf("=== %s\n", environment.row);
        std::fflush(stdout);
        QProcess row;
        row.setProcessChannelMode(QProcess::ForwardedChannels);
        row.start(QFile::decodeName(self), {QLatin1String(environment.row)});
        row.waitForFinished(-1);
        failed += row.exitStatus() != QProcess::NormalExit || row.exitCode() != 0;
    }
    return failed;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        return runEveryRow(argv[0]);
    }
    current = environmentNamed(QString::fromLocal8Bit(argv[1]));
    if (current == nullptr) {
        std::fprintf(stderr, "test_e2e_desktops: no row %s; the rows are:", argv[1]);
        for (const Environment& environment : environments()) {
            std::fprintf(stderr, " %s", environment.row);
        }
        std::fputs("\n", stderr);
        return 2;
    }
    QTemporaryDir runtimeDirectory;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDirectory.path()));
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    std::unique_ptr<e2e::XServer> xServer;
    if (current->server == Server::X11) {
        xServer = std::make_unique<e2e::XServer>(current->screen.width(), current->screen.height());
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the harness reads the screen through weston
    }
    QGuiApplication application(argc, argv);
    if (current->server == Server::Wayland) {
        weston = std::make_unique<e2e::WestonServer>(current->screen);
        if (!weston->ok()) {
            std::fprintf(stderr, "test_e2e_desktops: %s\n", qPrintable(weston->error()));
            return 1;
        }
    }
    TestDesktopsE2E test;
    QStringList arguments{QString::fromLocal8Bit(argv[0]), QStringLiteral("checksHold")};
    for (int i = 2; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const int result = QTest::qExec(&test, arguments);
    weston.reset();
    return result;
}

#include "test_e2e_desktops.moc"
