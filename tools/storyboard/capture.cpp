// SPDX-License-Identifier: MIT
#include "capture.h"

#include "platform/directories.h"
#include "platform/picture.h"
#include "platform/units.h"
#include "script/callout.h"
#include "script/scene_table.h"
#include "window/frm_main.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace storyboard {

namespace {

// A control's rectangle in the window's pixels.
QRect inWindow(const QWidget* window, const QWidget* control) {
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

QString sectionOf(const script::SceneTable& scenes, int number) {
    for (int i = number; i >= 1; --i) {
        const QString& name = scenes(static_cast<platform::Int16>(i)).SectionName;
        if (!name.isEmpty()) {
            return name;
        }
    }
    return QString();
}

bool placedAt(const platform::TwipGeometry& control, const script::TwipRect& place) {
    return control.Left() == place.left && control.Top() == place.top &&
           control.Width() == place.width && control.Height() == place.height;
}

// The window's callout against the place its scene gives it on the picture.
bool calloutAsScripted(const frmMain& window, const script::Scene& scene) {
    const script::Callout callout = script::calloutAt(
        scene.HelpText.size(), window.Image1->Left() + static_cast<float>(scene.HelpLeft),
        window.Image1->Top() + static_cast<float>(scene.HelpTop));
    return placedAt(*window.HelpTextMemo, callout.text) &&
           placedAt(*window.HelpTextMemoBack, callout.plate);
}

// Whether the text drawn in `area` is dark: a fair share of its pixels is (a line of text
// covers a tenth of its box or more), and none is light text on the pale plate.
bool inkIsDark(const QImage& window, const QRect& area) {
    const QImage image = window.convertToFormat(QImage::Format_RGB32);
    const qreal scale = window.devicePixelRatio(); // the grab is in device pixels
    const QRect inside = QRectF(QPointF(area.topLeft()) * scale, QSizeF(area.size()) * scale)
                             .toRect()
                             .intersected(image.rect());
    qint64 dark = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            dark += qGray(image.pixel(x, y)) < 96;
        }
    }
    return dark * 100 > qint64(inside.width()) * inside.height();
}

// The bar's labels show their whole caption: a theme's larger font once cut "Section:".
QStringList barLabelProblems(const frmMain& window) {
    QStringList problems;
    for (const platform::Label* label : {window.LabelSection, window.labelPageNumber}) {
        const QFontMetrics metrics = label->fontMetrics();
        const QSize needs(metrics.horizontalAdvance(label->Caption()), metrics.height());
        const QSize has = label->contentsRect().size();
        if (needs.width() > has.width() || needs.height() > has.height()) {
            problems << QStringLiteral("bar label \"%1\" cut off: it needs %2 x %3 pixels, has "
                                       "%4 x %5")
                            .arg(label->Caption())
                            .arg(needs.width())
                            .arg(needs.height())
                            .arg(has.width())
                            .arg(has.height());
        }
    }
    return problems;
}

// What a reviewer would want to know about a scene before anyone else sees it.
QStringList findProblems(const SceneShot& shot, const QRect& windowRect) {
    QStringList problems;
    if (!shot.pictureError.isEmpty()) {
        problems << QStringLiteral("picture not loaded (%1): the placeholder is shown")
                        .arg(shot.pictureError);
    } else if (shot.pictureRect.size() != QSize(640, 480)) {
        problems << QStringLiteral("picture is %1 x %2 pixels, not 640 x 480")
                        .arg(shot.pictureRect.width())
                        .arg(shot.pictureRect.height());
    }
    if (!shot.helpText.isEmpty()) {
        if (!shot.calloutAsScripted) {
            problems << QStringLiteral("callout is not where its scene puts it");
        }
        if (shot.calloutTextNeeds > shot.calloutText.height()) {
            problems << QStringLiteral("callout text cut off: it needs %1 pixels, has %2")
                            .arg(shot.calloutTextNeeds)
                            .arg(shot.calloutText.height());
        }
        if (!windowRect.contains(shot.calloutPlate)) {
            problems << QStringLiteral("callout runs off the window");
        } else if (shot.calloutPlate.intersects(shot.bar)) {
            problems << QStringLiteral("callout reaches under the bottom bar");
        }
    }
    if (!shot.helpText.isEmpty() && !inkIsDark(shot.window, shot.calloutText)) {
        problems << QStringLiteral("callout text is not dark on its plate");
    }
    if (shot.glides) {
        if (!shot.helpText.isEmpty() && shot.calloutPlate.contains(shot.pointerTarget)) {
            problems << QStringLiteral("callout covers the pointer's target");
        }
        if (!shot.pictureRect.contains(shot.pointerTarget)) {
            problems << QStringLiteral("pointer target lies off the screenshot");
        }
    }
    return problems;
}

SceneShot record(frmMain& window, int number) {
    const script::Scene& scene = window.Scenes(static_cast<platform::Int16>(number));
    SceneShot shot;
    shot.number = number;
    shot.sceneCount = window.NumberOfScenes;
    shot.section = sectionOf(window.Scenes, number);
    shot.opensSection = !scene.SectionName.isEmpty();
    shot.picture = scene.PictureFile;
    shot.pictureError =
        platform::loadPicture(platform::programDirectory() + QLatin1Char('/') + scene.PictureFile)
            .error;
    shot.helpText = window.HelpTextMemo->isVisible() ? window.HelpTextMemo->Caption() : QString();
    shot.pageLabel = window.labelPageNumber->Caption();
    shot.pictureRect =
        QRect(window.Image1->mapTo(&window, QPoint(0, 0)), window.Image1->picture().pixmap.size());
    shot.bar = inWindow(&window, window.FrameHoldsControls);
    if (!shot.helpText.isEmpty()) {
        shot.calloutText = inWindow(&window, window.HelpTextMemo);
        shot.calloutPlate = inWindow(&window, window.HelpTextMemoBack);
        shot.calloutTextNeeds = window.HelpTextMemo->heightForWidth(window.HelpTextMemo->width());
        shot.calloutAsScripted = calloutAsScripted(window, scene);
    }
    shot.glides = window.MousePict->isVisible();
    if (shot.glides) {
        shot.pointerTarget = window.MousePict->mapTo(&window, QPoint(0, 0));
        shot.targetOnPicture = shot.pointerTarget - shot.pictureRect.topLeft();
        const QPoint corner(platform::twipsToPixels(window.Width()),
                            platform::twipsToPixels(window.Height()));
        shot.glideStart = window.MousePict->parentWidget()->mapTo(&window, corner);
    }
    shot.window = window.grab().toImage();
    shot.problems = findProblems(shot, window.rect()) + barLabelProblems(window);
    return shot;
}

} // namespace

QList<SceneShot> captureAllScenes() {
    auto scenes = std::make_unique<script::SceneTable>();
    auto window = std::make_unique<frmMain>(*scenes);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setGlidePause([](double) {});
    window->Load();
    window->showFillingScreen();
    QCoreApplication::processEvents();

    QList<SceneShot> shots;
    for (int number = 1; number <= window->NumberOfScenes; ++number) {
        if (number > 1) {
            window->btnNext->click();
            QCoreApplication::processEvents();
        }
        if (window->CurrentScene != number) {
            std::fprintf(stderr, "orvane-storyboard: Next led to scene %d, not %d\n",
                         window->CurrentScene, number);
            std::exit(EXIT_FAILURE);
        }
        shots.append(record(*window, number));
    }
    return shots;
}

} // namespace storyboard
