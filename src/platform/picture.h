// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

namespace platform {

// A loaded picture with its size in HIMETRIC units, as whole numbers.
struct Picture {
    QPixmap pixmap;
    int himetricWidth = 0;
    int himetricHeight = 0;
};

Picture pictureFromImage(const QImage& image);

// The outcome of loading a picture: the picture, or why there is none.
struct PictureLoad {
    Picture picture;
    QString error; // empty when the load succeeded: "not found", "not a GIF picture", ...

    bool ok() const { return error.isEmpty(); }
};

// Pictures larger than this in either direction are refused before any pixel is decoded.
inline constexpr int kMaxPicturePixels = 4096;

// Loads a GIF picture from a file. Only GIF content is accepted, whatever the file's name says.
PictureLoad loadPicture(const QString& path);

} // namespace platform
