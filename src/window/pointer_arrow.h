// SPDX-License-Identifier: MIT
#pragma once

#include "../platform/picture.h"

// The arrow pointer that glides to a scene's target: a white arrow with a black outline, its
// tip on the top-left pixel, everything around it transparent. 32 x 32 pixels, drawn in code.
platform::Picture pointerPicture();

// Paints the arrow's rows into an image from (x, y), rows limited to `rows`.
class QImage;
void paintArrow(QImage& image, int x, int y, int rows);
