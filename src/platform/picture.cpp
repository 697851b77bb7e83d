// SPDX-License-Identifier: MIT
#include "picture.h"

#include "units.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <optional>

namespace platform {

// The size goes by the image's device-independent pixels: a copy at twice the density measures as
// the picture it copies.
Picture pictureFromImage(QImage image) {
    const QSize logical = image.deviceIndependentSize().toSize();
    return Picture{QPixmap::fromImage(std::move(image)), pixelsToHimetric(logical.width()),
                   pixelsToHimetric(logical.height())};
}

QString doubleDensityName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const qsizetype name = fileName.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype end = dot > name ? dot : fileName.size();
    return fileName.left(end) + QStringLiteral("@2x") + fileName.mid(end);
}

namespace {
PictureLoad failed(const QString& why) {
    return PictureLoad{Picture{}, why};
}

// Every GIF ends with a trailer byte. The decoder shows what it got of a cut-off file without
// complaint, so the trailer is how a truncated copy is told from a whole one.
bool endsWithTrailer(QFile& file) {
    char last = 0;
    return file.seek(file.size() - 1) && file.getChar(&last) && last == ';';
}

QString openFailure(const QFile& file) {
    if (!file.exists()) {
        return QStringLiteral("not found");
    }
    return QStringLiteral("can't be read (%1)").arg(file.errorString());
}

// Reads a whole GIF file into image; returns why it can't, or an empty string.
QString readGif(const QString& path, QImage* image) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return openFailure(file);
    }
    QImageReader reader(&file, QByteArrayLiteral("gif"));
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        return file.size() == 0 ? QStringLiteral("empty file")
                                : QStringLiteral("not a GIF picture");
    }
    const QSize size = reader.size();
    if (size.width() > kMaxPicturePixels || size.height() > kMaxPicturePixels) {
        return QStringLiteral("picture too large (%1 x %2 pixels)")
            .arg(size.width())
            .arg(size.height());
    }
    if (!reader.read(image)) {
        return QStringLiteral("damaged GIF picture (%1)").arg(reader.errorString());
    }
    if (!endsWithTrailer(file)) {
        return QStringLiteral("damaged GIF picture (the file is cut off)");
    }
    return QString();
}

// The size the picture's header gives, without decoding a pixel; empty when there is none.
QSize headerSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&file, QByteArrayLiteral("gif"));
    reader.setAutoDetectImageFormat(false);
    return reader.canRead() ? reader.size() : QSize();
}

// The copy at twice the density, when it is there, whole, and fits the picture at path. A copy
// of another size would move everything placed by the picture's size, so it is not used.
std::optional<QImage> loadDoubleDensity(const QString& path, QString* note) {
    const QString densePath = doubleDensityName(path);
    if (!QFileInfo::exists(densePath)) {
        return std::nullopt;
    }
    // Without a readable picture there is nothing to fit: its own load tells what is wrong.
    const QSize expected = headerSize(path) * kDoubleDensity;
    if (expected.isEmpty()) {
        return std::nullopt;
    }
    QImage image;
    QString problem = readGif(densePath, &image);
    if (problem.isEmpty() && image.size() != expected) {
        problem = QStringLiteral("%1 x %2 pixels, not twice the picture's")
                      .arg(image.width())
                      .arg(image.height());
    }
    if (!problem.isEmpty()) {
        if (note != nullptr) {
            *note = problem;
        }
        return std::nullopt;
    }
    image.setDevicePixelRatio(kDoubleDensity);
    return image;
}

// A pixmap made from an image of the screen's own format shares its pixels instead of converting
// them: the conversion is then done where the image is decoded, possibly on a worker thread.
QImage inPixmapFormat(QImage image) {
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return std::move(image).convertToFormat(format);
}
} // namespace

PictureLoad loadPicture(const QString& path) {
    QImage image;
    if (const QString problem = readGif(path, &image); !problem.isEmpty()) {
        return failed(problem);
    }
    return PictureLoad{pictureFromImage(inPixmapFormat(std::move(image))), QString()};
}

ImageLoad decodePictureFor(const QString& path, qreal devicePixelRatio) {
    ImageLoad load;
    if (devicePixelRatio > 1) {
        if (std::optional<QImage> dense = loadDoubleDensity(path, &load.note)) {
            load.image = inPixmapFormat(std::move(*dense));
            return load;
        }
    }
    load.error = readGif(path, &load.image);
    if (load.ok()) {
        load.image = inPixmapFormat(std::move(load.image));
    } else {
        // A picture whose header reads can still fail (too large, cut off): then the placeholder
        // is shown, not the picture, and what is wrong with the copy would only mislead.
        load.note.clear();
    }
    return load;
}

} // namespace platform
