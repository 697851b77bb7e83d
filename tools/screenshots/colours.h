// SPDX-License-Identifier: MIT
// Every colour of the pictures. A GIF holds 256 colours at most, and the pictures are reviewed
// side by side: new parts take their colours from here rather than bringing their own.
#pragma once

#include <QColor>

namespace shots::colour {

// The product's frame and its classic 3-D controls.
inline const QColor face(0xd4, 0xd0, 0xc8);      // window and button face
inline const QColor shadow(0x80, 0x80, 0x80);    // 3-D shadow
inline const QColor dark(0x40, 0x40, 0x40);      // 3-D dark shadow
inline const QColor mid(0xa8, 0xa4, 0x9c);       // between face and shadow
inline const QColor midlight(0xe8, 0xe6, 0xe0);  // between face and white
inline const QColor alternate(0xf3, 0xf1, 0xec); // every other row of a list
inline const QColor workspace(0x6b, 0x7f, 0x8e); // background behind the windows
inline const QColor navy(0x0a, 0x24, 0x6a);      // active title bar, selection
inline const QColor sky(0xa6, 0xca, 0xf0);       // end of the title bar's gradient
inline const QColor inactive(0x80, 0x80, 0x80);  // inactive title bar
inline const QColor inactiveEnd(0xc0, 0xc0, 0xc0);
inline const QColor tip(0xff, 0xff, 0xe1); // tool tips and What's This? help
inline const QColor link(0x1c, 0x3f, 0x94);
inline const QColor aidBackground(0xf6, 0xf4, 0xee); // a navigation aid's body

// Orvane's brand: the toolbar's mark, the wizards' band, the tutorial's title pages.
inline const QColor brand(0x2e, 0x6b, 0x3a); // Orvane green
inline const QColor brandLight(0xe4, 0xf0, 0xdc);
inline const QColor brandDone(0xb8, 0xd4, 0xb0); // a step or section already behind
inline const QColor pagePaper(0xfb, 0xfa, 0xf5); // the tutorial's own pages
inline const QColor pageText(0x30, 0x30, 0x30);
inline const QColor accent(0xe0, 0x82, 0x2a); // the rule under a title page's heading

// The pictograms of toolbars, windows and pages.
namespace pictogram {
inline const QColor ink(0x20, 0x20, 0x20);
inline const QColor paper(0xff, 0xff, 0xff);
inline const QColor navy(0x1c, 0x3f, 0x94);
inline const QColor blue(0x3a, 0x7b, 0xd5);
inline const QColor green(0x2e, 0x8b, 0x3e);
inline const QColor leafGreen(0x6a, 0xb8, 0x4a);
inline const QColor red(0xc8, 0x28, 0x28);
inline const QColor yellow(0xf6, 0xd0, 0x3c);
inline const QColor orange(0xe0, 0x82, 0x2a);
inline const QColor brown(0x9a, 0x6a, 0x3a);
inline const QColor grey(0x90, 0x90, 0x90);
inline const QColor light(0xdc, 0xdc, 0xdc);
inline const QColor skin(0xf0, 0xc8, 0xa0);
inline const QColor banknoteGreen(0xa8, 0xd8, 0x98);
inline const QColor cheque(0xd8, 0xe8, 0xf8);
inline const QColor cardboard(0xd8, 0xa8, 0x68);
inline const QColor cardboardLight(0xe8, 0xc0, 0x88);
inline const QColor notePaper(0xfc, 0xf0, 0x8c);
} // namespace pictogram

// The review copies' marks (--review): never part of a picture.
namespace review {
inline const QColor callout(255, 255, 160, 150);
inline const QColor calloutEdge(200, 120, 0);
inline const QColor explained(0, 170, 0);
inline const QColor pointer(Qt::red);
} // namespace review

} // namespace shots::colour
