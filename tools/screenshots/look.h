// SPDX-License-Identifier: MIT
// Orvane's fixed look: fonts and the application style, in the colours of colours.h.
#pragma once

#include "colours.h"

#include <QFont>
#include <QSizeF>
#include <QString>

class QApplication;

class QPainter;

namespace shots {

// Liberation Sans at a pixel size, drawn without antialiasing so that text adds no colours.
QFont uiFont(int pixelSize = 11, bool bold = false);
// `f` as a painter draws it: placed unhinted on a device finer than the picture's pixels, where
// letters placed on whole pixels of the picture would stand unevenly apart.
QFont forPainter(const QPainter& p, QFont f);
// Whether the painter draws the copy at twice the density.
bool atFineDensity(const QPainter& p);
QFont serifFont(int pixelSize, bool bold = false, bool italic = false);
QFont monoFont(int pixelSize);

// The size of a text in a font as the picture draws it, hinted to whole pixels, or, with density
// 2, as its copy at twice the density does: unhinted, at twice the size; in pixels of the
// picture. `width` is the room a text with Qt::TextWordWrap in its flags wraps in.
QSizeF textSize(const QFont& font, const QString& text, int flags, int width, int density);

// Loads the fonts and sets the Fusion style with the classic light palette. Returns an
// error text, or an empty string on success.
QString setUpLook(QApplication& app);

} // namespace shots
