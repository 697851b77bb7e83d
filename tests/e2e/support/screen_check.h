// SPDX-License-Identifier: MIT
#pragma once

// Reading the real screen: where the program's arrow pointer is drawn, and whether a picture or
// a colour fills a part of the screen.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

namespace e2e {

// The points where the tip of the program's arrow pointer is, for every place where the whole
// arrow, outline and face, is drawn on the screen within `area`.
QList<QPoint> findArrows(const QImage& screen, QRect area);

// The share (0 to 1) of the pixels in `area` that have exactly the colour `colour`.
double shareOfColour(const QImage& screen, QRect area, QRgb colour);

// The share of the pixels in `area` that are dark (every channel below 128): text, for example.
double shareOfDark(const QImage& screen, QRect area);

// The share of the pixels of `picture`, placed with its corner at `topLeft`, that the screen
// shows exactly; only the part within `visible` and outside `covered` counts.
double shareOfPicture(const QImage& screen, const QImage& picture, QPoint topLeft, QRect visible,
                      QRect covered = QRect());

} // namespace e2e
