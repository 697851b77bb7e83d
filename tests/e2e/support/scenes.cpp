// SPDX-License-Identifier: MIT
#include "scenes.h"

#include "script/tutorial_script.h"

#include <QColor>

namespace e2e {

const script::Scene& scene(int number) {
    static const script::SceneTable table = [] {
        script::SceneTable scenes;
        script::Int16 count = 0;
        script::loadScript(scenes, count);
        return scenes;
    }();
    return table(static_cast<script::Int16>(number));
}

QString pageLabel(int scene) {
    return QStringLiteral("Page  %1 of  %2").arg(scene).arg(script::kScriptScenes);
}

QRgb sceneColour(int number) {
    // 47 and 360 share no factor: 80 scenes get 80 different hues.
    return QColor::fromHsv((number * 47) % 360, 200, 210).rgb();
}

} // namespace e2e
