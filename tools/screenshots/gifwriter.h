// SPDX-License-Identifier: MIT
// Turns a rendered screen into a GIF file: a palette of at most 256 colours, then giflib.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

namespace shots {

struct IndexedImage {
    int width = 0;
    int height = 0;
    QList<QRgb> palette;              // at most 256 entries
    std::vector<std::uint8_t> pixels; // width * height palette indexes, row by row
};

// Reduces an image to at most 256 colours. A screen with 256 colours or fewer keeps them
// exactly. Otherwise the colours that cover many pixels (window faces, text, selections) are
// kept exactly and the rest (gradients, icons) share the remaining entries, found by median
// cut; every pixel takes the nearest entry, without dithering.
IndexedImage reduceColours(const QImage& image);

// Expands an indexed image back to RGB (for checking the reduction).
QImage expand(const IndexedImage& image);

// Writes the image as a GIF file with mode 0644. Returns an error text, or an empty string.
QString writeGif(const IndexedImage& image, const QString& path);

} // namespace shots
