// SPDX-License-Identifier: MIT
#pragma once

// What the tests expect of each scene, from the program's own script: its screenshot's file
// name, whether it has a callout text and where its pointer glides to.

#include "script/scene_table.h"

#include <QImage>
#include <QPoint>
#include <QString>

namespace e2e {

inline constexpr QRgb kPlaceholderGrey = 0xffececec; // the page shown for a missing screenshot
inline constexpr QRgb kCalloutYellow = 0xffffffc0;
inline constexpr int kTwipsPerPixel = 15;

// The scene's record as the program's script fills it.
const script::Scene& scene(int number);

// The page label's text on the scene, "Page  k of  80".
QString pageLabel(int scene);

// A distinct colour for each scene's made-up screenshot.
QRgb sceneColour(int number);

} // namespace e2e
