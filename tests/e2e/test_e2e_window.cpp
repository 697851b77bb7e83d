// SPDX-License-Identifier: MIT
// The built program in a real X server, with and without a window manager: the window it opens,
// the walk through all scenes with the access keys, the pointer's glide as the screen shows it,
// a drag of the callout with real mouse events, and the two ways out.

#include "support/e2e_main.h"
#include "support/sandbox.h"
#include "support/scenes.h"
#include "support/screen_check.h"
#include "support/tutorial_app.h"

#include "script/tutorial_script.h"

#include <QDir>
#include <QFileInfo>
#include <QLineF>
#include <QRegularExpression>

#include <algorithm>

#include <memory>

using e2e::Desktop;
using e2e::Tutorial;

namespace {
// A window that fills the screen, as xwininfo sees it: its place on the screen and its size.
QRect windowGeometry(const QString& windowId) {
    const QString info =
        e2e::runTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId});
    const auto number = [&info](const char* label) {
        const QRegularExpression line(QLatin1String(label) + QStringLiteral(":\\s*(-?\\d+)"));
        return line.match(info).captured(1).toInt();
    };
    return QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
                 number("Height"));
}

QString windowProperty(const QString& windowId, const QString& property) {
    return e2e::runTool(QStringLiteral("xprop"), {QStringLiteral("-id"), windowId, property})
        .trimmed();
}

QString parentWindow(const QString& windowId) {
    const QString tree = e2e::runTool(
        QStringLiteral("xwininfo"), {QStringLiteral("-children"), QStringLiteral("-id"), windowId});
    return QRegularExpression(QStringLiteral("Parent window id: (0x[0-9a-f]+)"))
        .match(tree)
        .captured(1);
}

QString rootWindow() {
    const QString info = e2e::runTool(QStringLiteral("xwininfo"), {QStringLiteral("-root")});
    return QRegularExpression(QStringLiteral("Window id: (0x[0-9a-f]+)")).match(info).captured(1);
}

// Distance of a point from the line through a and b, and where along a to b it lies (0 to 1).
std::pair<double, double> placeOnLine(QPointF point, QPointF a, QPointF b) {
    const QPointF along = b - a;
    const double length2 = QPointF::dotProduct(along, along);
    const double t = QPointF::dotProduct(point - a, along) / length2;
    const QPointF foot = a + along * t;
    return {QLineF(point, foot).length(), t};
}
} // namespace

class TestWindowE2E : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<e2e::Sandbox> sandbox_;

    QString programDirectory() const {
        return QFileInfo(QStringLiteral(ORVANE_TUTORIAL_BINARY)).absolutePath();
    }

    std::unique_ptr<Tutorial> start() {
        sandbox_ = std::make_unique<e2e::Sandbox>();
        auto tutorial = std::make_unique<Tutorial>(
            *desktop_,
            e2e::LaunchOptions{QStringLiteral(ORVANE_TUTORIAL_BINARY), sandbox_->workingDirectory(),
                               false, sandbox_->environment(*desktop_)});
        tutorial->waitUntilReady();
        return tutorial;
    }

    // The scene's screenshot (or, without its file, the placeholder page) is on the screen.
    void expectScenePicture(Tutorial& tutorial, int number) {
        const QPoint corner = tutorial.extents(QStringLiteral("Screenshot")).topLeft();
        const QRect bar = tutorial.extents(QStringLiteral("Navigation bar"));
        const QRect visible(QPoint(0, 0), QPoint(Desktop::screenGeometry().right(), bar.top() - 1));
        // The callout lies over the picture.
        const QRect callout = e2e::scene(number).HelpText.isEmpty()
                                  ? QRect()
                                  : tutorial.extents(QStringLiteral("Help text background"));
        const QString file = programDirectory() + QLatin1Char('/') + e2e::scene(number).PictureFile;
        double share = 0;
        if (QFileInfo::exists(file)) {
            const QImage picture(file);
            QVERIFY2(!picture.isNull(), qPrintable(file));
            e2e::waitFor([&] {
                share =
                    e2e::shareOfPicture(Desktop::grabScreen(), picture, corner, visible, callout);
                return share > 0.98;
            });
            QVERIFY2(
                share > 0.98,
                qPrintable(
                    QStringLiteral("%1 is not on the screen (%2 of it)").arg(file).arg(share)));
        } else {
            e2e::waitFor([&] {
                share = e2e::shareOfColour(Desktop::grabScreen(),
                                           QRect(corner, QSize(640, 480)).intersected(visible),
                                           e2e::kPlaceholderGrey);
                return share > 0.5;
            });
            QVERIFY2(share > 0.5, "neither the screenshot nor the placeholder is on the screen");
        }
    }

    void goToScene(Tutorial& tutorial, int from, int to) {
        for (int number = from + 1; number <= to; ++number) {
            tutorial.key(QStringLiteral("alt+n"));
            E2E_CHECK(tutorial.waitForScene(number));
        }
    }

private Q_SLOTS:
    void initTestCase() {
        const bool openbox = qEnvironmentVariable("ORVANE_E2E_WINDOW_MANAGER") == u"openbox";
        desktop_ = std::make_unique<Desktop>(openbox ? Desktop::WindowManager::Openbox
                                                     : Desktop::WindowManager::None);
        QVERIFY2(desktop_->ok(), qPrintable(desktop_->error()));
    }

    void cleanupTestCase() { desktop_.reset(); }

    void cleanup() { sandbox_.reset(); }

    void opensOnSceneOneFillingTheScreenWithoutTitleBar() {
        auto tutorial = start();
        E2E_RETURN_IF_FAILED();
        QCOMPARE(tutorial->pageLabel(), e2e::pageLabel(1));
        QVERIFY(!tutorial->isEnabled(QStringLiteral("Previous")));
        QVERIFY(tutorial->isEnabled(QStringLiteral("Next")));

        const QRect screen = Desktop::screenGeometry();
        QCOMPARE(windowGeometry(tutorial->windowId()), screen);
        QCOMPARE(tutorial->extents(QStringLiteral("Orvane Tutorial")), screen);
        if (desktop_->windowManager() == Desktop::WindowManager::Openbox) {
            // The window manager draws no frame and no title around it and keeps it maximized.
            QCOMPARE(windowProperty(tutorial->windowId(), QStringLiteral("_NET_FRAME_EXTENTS")),
                     QStringLiteral("_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0"));
            const QString state =
                windowProperty(tutorial->windowId(), QStringLiteral("_NET_WM_STATE"));
            QVERIFY2(state.contains(QLatin1String("_NET_WM_STATE_MAXIMIZED_VERT")) &&
                         state.contains(QLatin1String("_NET_WM_STATE_MAXIMIZED_HORZ")),
                     qPrintable(state));
        } else {
            // Nobody frames it: the window is the root window's own child.
            QCOMPARE(parentWindow(tutorial->windowId()), rootWindow());
        }
        // The bar lies along the screen's bottom edge, Exit at its right end.
        const QRect bar = tutorial->extents(QStringLiteral("Navigation bar"));
        QVERIFY(bar.bottom() >= screen.bottom() && bar.top() > screen.bottom() - 40);
        QVERIFY(bar.width() >= screen.width() - 2);
        QVERIFY(tutorial->extents(QStringLiteral("Exit")).right() > screen.width() - 20);

        E2E_CHECK(expectScenePicture(*tutorial, 1));
    }

    void altNWalksToTheLastSceneAndAltPBack() {
        auto tutorial = start();
        E2E_RETURN_IF_FAILED();
        E2E_CHECK(goToScene(*tutorial, 1, script::kScriptScenes));
        QVERIFY(!tutorial->isEnabled(QStringLiteral("Next")));
        QVERIFY(tutorial->isEnabled(QStringLiteral("Previous")));
        E2E_CHECK(expectScenePicture(*tutorial, script::kScriptScenes));

        // Next is disabled at the end, so Alt+N does nothing and Alt+P goes to scene 79.
        tutorial->key(QStringLiteral("alt+n"));
        tutorial->key(QStringLiteral("alt+p"));
        E2E_CHECK(tutorial->waitForScene(script::kScriptScenes - 1));
        for (int number = script::kScriptScenes - 2; number >= 1; --number) {
            tutorial->key(QStringLiteral("alt+p"));
            E2E_CHECK(tutorial->waitForScene(number));
        }
        QVERIFY(!tutorial->isEnabled(QStringLiteral("Previous")));
        QVERIFY(tutorial->isEnabled(QStringLiteral("Next")));
        E2E_CHECK(expectScenePicture(*tutorial, 1));

        // With the screenshots in place, every scene found its own.
        if (!QDir(programDirectory())
                 .entryList({QStringLiteral("*.GIF"), QStringLiteral("*.gif")})
                 .isEmpty()) {
            QVERIFY2(!tutorial->errors().contains(QLatin1String("screenshot")),
                     qPrintable(tutorial->errors()));
        }
    }

    void theGlideIsSeenOnTheScreen() {
        auto tutorial = start();
        E2E_RETURN_IF_FAILED();
        constexpr int kGlideScene = 23;
        QVERIFY(e2e::scene(kGlideScene).MouseY > 1);
        E2E_CHECK(goToScene(*tutorial, 1, kGlideScene - 1));

        // While it glides the program handles no events, so only the screen tells where the
        // pointer is: grab it until the arrow has been seen at several places.
        tutorial->key(QStringLiteral("alt+n"));
        QList<QPoint> seen;
        e2e::waitFor(
            [&] {
                for (const QPoint& tip :
                     e2e::findArrows(Desktop::grabScreen(), Desktop::screenGeometry())) {
                    if (!seen.contains(tip)) {
                        seen.append(tip);
                    }
                }
                return seen.size() >= 4;
            },
            20000);
        E2E_CHECK(tutorial->waitForScene(kGlideScene));
        QVERIFY(tutorial->isShowing(QStringLiteral("Pointer")));

        // The arrow rests on the target, the scene's offsets from the screenshot's corner. An
        // arrow that a screenshot itself shows stays where it is and is left out.
        const QPoint corner = tutorial->extents(QStringLiteral("Screenshot")).topLeft();
        const QPointF target = QPointF(corner) + QPointF(e2e::scene(kGlideScene).MouseX,
                                                         e2e::scene(kGlideScene).MouseY) /
                                                     e2e::kTwipsPerPixel;
        QList<QPoint> still = e2e::findArrows(Desktop::grabScreen(), Desktop::screenGeometry());
        const auto atTarget = std::find_if(still.cbegin(), still.cend(), [&](QPoint tip) {
            return QLineF(tip, target).length() < 1.5;
        });
        QVERIFY2(atTarget != still.cend(),
                 qPrintable(QStringLiteral("no arrow rests at the target %1,%2")
                                .arg(target.x())
                                .arg(target.y())));
        still.removeAt(atTarget - still.cbegin());

        // On its way it was on the line from the window's bottom-right corner to the target.
        const QRect screen = Desktop::screenGeometry();
        const QPointF start(screen.right() + 2, screen.bottom() + 2);
        int onTheWay = 0;
        for (const QPoint& tip : seen) {
            if (still.contains(tip)) {
                continue;
            }
            const auto [distance, along] = placeOnLine(tip, start, target);
            QVERIFY2(
                distance < 1.5,
                qPrintable(
                    QStringLiteral("an arrow at %1,%2 is off the line").arg(tip.x()).arg(tip.y())));
            onTheWay += along > 0.02 && along < 0.98;
        }
        qInfo("the arrow was seen on its way at %d places", onTheWay);
        QVERIFY2(
            onTheWay >= 2,
            qPrintable(QStringLiteral("the arrow was seen on its way %1 times").arg(onTheWay)));
    }

    void aDragMovesTheCalloutAndItsPlateAndExitEnds() {
        auto tutorial = start();
        E2E_RETURN_IF_FAILED();
        E2E_CHECK(goToScene(*tutorial, 1, 3));
        const QRect text = tutorial->extents(QStringLiteral("Help text"));
        const QRect plate = tutorial->extents(QStringLiteral("Help text background"));
        QCOMPARE(plate.topLeft(), text.topLeft() - QPoint(8, 8)); // 120 twips
        const auto plateShows = [](QRect plateNow) {
            // Just inside the border, left of and above the text: nothing but the plate.
            const QRect face(plateNow.topLeft() + QPoint(2, 2), QSize(4, 4));
            return e2e::shareOfColour(Desktop::grabScreen(), face, e2e::kCalloutYellow) == 1.0;
        };
        QVERIFY(e2e::waitFor([&] { return plateShows(plate); }));

        // Drag towards the screen's middle, with the button held down all the way.
        const QPoint grip = text.topLeft() + QPoint(30, 10);
        const QPoint toMiddle = Desktop::screenGeometry().center() - grip;
        const QPoint offset(toMiddle.x() > 0 ? 150 : -150, toMiddle.y() > 0 ? 90 : -90);
        tutorial->drag(grip, grip + offset);
        QVERIFY(e2e::waitFor([&] {
            return tutorial->extents(QStringLiteral("Help text")).topLeft() ==
                   text.topLeft() + offset;
        }));
        QCOMPARE(tutorial->extents(QStringLiteral("Help text background")).topLeft(),
                 plate.topLeft() + offset);
        QVERIFY(e2e::waitFor(
            [&] { return plateShows(plate.translated(offset)) && !plateShows(plate); }));

        tutorial->click(tutorial->extents(QStringLiteral("Exit")).center());
        QCOMPARE(tutorial->waitForExit(), 0);
    }

    void altEEnds() {
        auto tutorial = start();
        E2E_RETURN_IF_FAILED();
        tutorial->key(QStringLiteral("alt+e"));
        QCOMPARE(tutorial->waitForExit(), 0);
    }
};

ORVANE_E2E_MAIN(TestWindowE2E)
#include "test_e2e_window.moc"
