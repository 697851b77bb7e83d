// SPDX-License-Identifier: MIT
#include "rules.h"

#include "platform/units.h"
#include "script/callout.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace shots {

namespace {

constexpr double kTwipsPerPixel = platform::kTwipsPerPixel;

// Every pixel that the twips touch, even in part.
QRect pixelsCovering(const script::TwipRect& r) {
    const int left = int(std::floor(r.left / kTwipsPerPixel));
    const int top = int(std::floor(r.top / kTwipsPerPixel));
    const int right = int(std::ceil((double(r.left) + r.width) / kTwipsPerPixel));
    const int bottom = int(std::ceil((double(r.top) + r.height) / kTwipsPerPixel));
    return QRect(left, top, right - left, bottom - top);
}

QString where(const QRect& r) {
    return u"(%1,%2 %3x%4)"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QStringList explainedProblems(const script::Scene& scene, const Screen& screen) {
    QStringList out;
    if (!scene.HelpText.isEmpty() && screen.explained().isEmpty()) {
        out << u"nothing marked as explained"_s;
    }
    const QRect callout = calloutArea(scene);
    const QRect picture(0, 0, kWidth, kHeight);
    for (const Screen::Mark& m : screen.explained()) {
        if (!m.widget || !m.widget->isVisibleTo(m.widget->window())) {
            out << u"\"%1\" is not shown"_s.arg(m.what);
            continue;
        }
        const QRect r = m.inPicture();
        if (r.intersects(callout)) {
            out << u"\"%1\" at %2 lies under the callout"_s.arg(m.what, where(r));
        }
        if (!picture.contains(r)) {
            out << u"\"%1\" reaches outside the picture"_s.arg(m.what);
        }
    }
    return out;
}

QStringList pointerProblems(const script::Scene& scene, const Screen& screen) {
    QStringList out;
    const std::optional<QPoint> tip = pointerTip(scene);
    if (!tip) {
        if (!screen.pointerTargets().isEmpty()) {
            out << u"a pointer target, but the scene has no pointer"_s;
        }
        return out;
    }
    if (screen.pointerTargets().isEmpty()) {
        out << u"the pointer has no target"_s;
    }
    for (const Screen::Mark& m : screen.pointerTargets()) {
        if (!m.inPicture().contains(*tip)) {
            out << u"the pointer at (%1,%2) misses \"%3\""_s.arg(tip->x()).arg(tip->y()).arg(
                m.what);
        }
        if (calloutArea(scene).contains(*tip)) {
            out << u"the pointer lands under the callout"_s;
        }
    }
    return out;
}

} // namespace

QRect calloutArea(const script::Scene& scene) {
    if (scene.HelpText.isEmpty()) {
        return {};
    }
    // The picture's top-left corner is the origin of the scene's offsets.
    const script::Callout callout =
        script::calloutAt(scene.HelpText.size(), static_cast<float>(scene.HelpLeft),
                          static_cast<float>(scene.HelpTop));
    return pixelsCovering(callout.plate);
}

std::optional<QPoint> pointerTip(const script::Scene& scene) {
    if (scene.MouseY <= 1) {
        return std::nullopt;
    }
    return QPoint(int(std::lround(scene.MouseX / kTwipsPerPixel)),
                  int(std::lround(scene.MouseY / kTwipsPerPixel)));
}

QStringList problems(const script::Scene& scene, const Screen& screen) {
    return explainedProblems(scene, screen) + pointerProblems(scene, screen);
}

} // namespace shots
