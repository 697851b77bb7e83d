// SPDX-License-Identifier: MIT
#pragma once

// The storyboard's pictures: a scene's window with what lies where marked on it, and the
// contact sheet of all scenes.

#include "capture.h"

#include <QImage>
#include <QList>

namespace storyboard {

// The window of the scene under a header that names it, with the screenshot's outline, the
// callout's text and plate, the pointer's target and its glide path marked, and any problem
// spelled out.
QImage annotatedScene(const SceneShot& shot);

// All scenes in a grid of thumbnails, each captioned with its number, section and picture, and
// marked where it glides, has no text, or has a problem.
QImage contactSheet(const QList<SceneShot>& shots);

} // namespace storyboard
