// SPDX-License-Identifier: MIT
// Orvane's fixed look: fonts and the application style, in the colours of colours.h.
#pragma once

#include "colours.h"

#include <QFont>
#include <QString>

class QApplication;

namespace shots {

// Liberation Sans at a pixel size, drawn without antialiasing so that text adds no colours.
QFont uiFont(int pixelSize = 11, bool bold = false);
QFont serifFont(int pixelSize, bool bold = false, bool italic = false);
QFont monoFont(int pixelSize);

// Loads the fonts and sets the Fusion style with the classic light palette. Returns an
// error text, or an empty string on success.
QString setUpLook(QApplication& app);

} // namespace shots
