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
    return PictureLoad{pictureFromImage(image), QString()};
}

} // namespace platform
