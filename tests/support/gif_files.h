// SPDX-License-Identifier: MIT
#pragma once

// GIF files for the tests, written by giflib: Qt reads GIF but can't write it. Good pictures in
// the forms a screenshot may take (interlaced, animated, tiny), and pictures that only claim a
// size.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace gifs {

struct Frame {
    QImage image;            // at most 256 colours
    bool interlaced = false; // rows stored in the four interlace passes
    int delayHundredths = 0; // for animations
};

// A GIF89a file: one global palette of the colours that the frames use, the frames in order,
// and for more than one frame a looping animation.
QByteArray gifFile(const QList<Frame>& frames);

// A picture of one colour.
QByteArray solidGif(QSize size, QRgb colour);
// A picture of one colour that the file marks transparent: it shows what lies behind.
QByteArray transparentGif(QSize size, QRgb colour);

// A GIF that claims `screen` for its screen and `frame` for its one frame, but whose pixels stop
// after the frame's first row: a file that a careless reader would take at its word.
QByteArray gifDeclaring(QSize screen, QSize frame);

// Writes the bytes to the file; false if that fails.
bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace gifs
