// SPDX-License-Identifier: MIT
#include "picture.h"

#include "units.h"

#include <QFile>
#include <QImageReader>

namespace platform {

Picture pictureFromImage(const QImage& image) {
    return Picture{QPixmap::fromImage(image), pixelsToHimetric(image.width()),
                   pixelsToHimetric(image.height())};
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
} // namespace

PictureLoad loadPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failed(openFailure(file));
    }
    QImageReader reader(&file, QByteArrayLiteral("gif"));
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        return failed(file.size() == 0 ? QStringLiteral("empty file")
                                       : QStringLiteral("not a GIF picture"));
    }
    const QSize size = reader.size();
    if (size.width() > kMaxPicturePixels || size.height() > kMaxPicturePixels) {
        return failed(QStringLiteral("picture too large (%1 x %2 pixels)")
                          .arg(size.width())
                          .arg(size.height()));
    }
    QImage image;
    if (!reader.read(&image)) {
        return failed(QStringLiteral("damaged GIF picture (%1)").arg(reader.errorString()));
    }
    if (!endsWithTrailer(file)) {
        return failed(QStringLiteral("damaged GIF picture (the file is cut off)"));
    }
    return PictureLoad{pictureFromImage(image), QString()};
}

} // namespace platform
