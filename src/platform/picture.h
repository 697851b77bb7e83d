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

Picture pictureFromImage(QImage image);

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

// Each screenshot has a copy drawn at twice the density, for screens that show two pixels or more
// to each of the picture's. It lies beside the picture, named after it: "main@2x.GIF" for
// "main.GIF", "PO@2x.gif" for "PO.gif".
inline constexpr int kDoubleDensity = 2;
QString doubleDensityName(const QString& fileName);

// Decodes the picture a screen of the given device pixel ratio shows best. Above 1: the copy at
// twice the density when it loads and has exactly twice the picture's pixels each way; the image
// then carries the ratio 2, and the picture made from it has the size (HIMETRIC, and the
// pixmap's device-independent size) of the picture at 1. Otherwise, and always at ratio 1: the
// picture at path. The copy is never opened at ratio 1. `note` tells why a copy that is there
// could not be used, when the picture is shown instead.
//
// Safe on any thread: it stops short of the pixmap, which only the GUI thread may make. The image
// is in the format a pixmap keeps, so that pictureFromImage needn't convert it again.
struct ImageLoad {
    QImage image;
    QString error; // as PictureLoad's
    QString note;

    bool ok() const { return error.isEmpty(); }
};
ImageLoad decodePictureFor(const QString& path, qreal devicePixelRatio);

} // namespace platform
