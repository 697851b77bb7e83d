// SPDX-License-Identifier: MIT
#pragma once

// The storyboard's text: a web page that leads through the scenes, and the summary on stdout.

#include "capture.h"

#include <QList>
#include <QString>

namespace storyboard {

// The file names of a scene's pictures, from its number and its screenshot's name:
// "scene-44-PO.png", also the name of the annotated copy in "annotated/".
QString sceneFileName(const SceneShot& shot);

// index.html: the contact sheet, then one row per scene with both of its pictures, its text,
// its pointer and its problems.
QString indexPage(const QList<SceneShot>& shots);

// What a reviewer reads first: the scenes that glide or have no text, pictures that were not
// loaded, and every other problem. Ends with a newline.
QString summary(const QList<SceneShot>& shots);

} // namespace storyboard
