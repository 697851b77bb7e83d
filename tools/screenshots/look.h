// SPDX-License-Identifier: MIT
// Orvane's fixed look: fonts, colours and the application style.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QApplication;

namespace shots {

// Colours of the product's frame and of the tutorial's title pages.
namespace colour {
inline const QColor face(0xd4, 0xd0, 0xc8);      // window and button face
inline const QColor shadow(0x80, 0x80, 0x80);    // 3-D shadow
inline const QColor dark(0x40, 0x40, 0x40);      // 3-D dark shadow
inline const QColor workspace(0x6b, 0x7f, 0x8e); // background behind the windows
inline const QColor navy(0x0a, 0x24, 0x6a);      // active title bar, selection
inline const QColor sky(0xa6, 0xca, 0xf0);       // end of the title bar's gradient
inline const QColor inactive(0x80, 0x80, 0x80);  // inactive title bar
inline const QColor inactiveEnd(0xc0, 0xc0, 0xc0);
inline const QColor tip(0xff, 0xff, 0xe1);   // tool tips and What's This? help
inline const QColor brand(0x2e, 0x6b, 0x3a); // Orvane green
inline const QColor brandLight(0xe4, 0xf0, 0xdc);
inline const QColor link(0x1c, 0x3f, 0x94);
} // namespace colour

// Liberation Sans at a pixel size, drawn without antialiasing so that text adds no colours.
QFont uiFont(int pixelSize = 11, bool bold = false);
QFont serifFont(int pixelSize, bool bold = false, bool italic = false);
QFont monoFont(int pixelSize);

// Loads the fonts and sets the Fusion style with the classic light palette. Returns an
// error text, or an empty string on success.
QString setUpLook(QApplication& app);

} // namespace shots
