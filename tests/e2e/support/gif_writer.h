// SPDX-License-Identifier: MIT
#pragma once

// GIF files written byte by byte: Qt reads GIF but can't write it, and the odd and broken
// pictures the tests need (interlaced, animated, cut off, absurdly large) are easiest to make
// by hand.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

namespace e2e {

struct GifFrame {
    QImage image;            // at most 256 colours; every pixel's colour must be in the palette
    bool interlaced = false; // rows stored in the four interlace passes
    int delayHundredths = 0; // for animations
};

// A GIF89a file: one global palette of the colours that the frames use, the frames in order,
// and for more than one frame a looping animation. The pixels are coded without compression (a
// clear code every 250 codes keeps the codes nine bits wide), which every decoder must read.
QByteArray gifFile(const QList<GifFrame>& frames);

// A picture of one colour.
QByteArray solidGif(QSize size, QRgb colour);

// A GIF that claims `screen` for its screen and `frame` for its one frame but holds only a few
// coded pixels and then ends properly: a file that a careless reader would take at its word.
QByteArray gifDeclaring(QSize screen, QSize frame);

} // namespace e2e
