// SPDX-License-Identifier: MIT
#include "screen_check.h"

#include "window/pointer_arrow.h"

namespace e2e {

namespace {
struct ArrowPixel {
    QPoint offset;
    QRgb colour;
};

// The arrow as the program paints it, without its transparent surround.
const QList<ArrowPixel>& arrowPixels() {
    static const QList<ArrowPixel> pixels = [] {
        QImage arrow(32, 32, QImage::Format_ARGB32);
        arrow.fill(Qt::transparent);
        paintArrow(arrow, 0, 0, 32);
        QList<ArrowPixel> opaque;
        for (int y = 0; y < arrow.height(); ++y) {
            for (int x = 0; x < arrow.width(); ++x) {
                const QRgb pixel = arrow.pixel(x, y);
                if (qAlpha(pixel) == 255) {
                    opaque.append({QPoint(x, y), pixel | 0xff000000u});
                }
            }
        }
        return opaque;
    }();
    return pixels;
}

QRect arrowBounds() {
    QRect bounds;
    for (const ArrowPixel& pixel : arrowPixels()) {
        bounds |= QRect(pixel.offset, QSize(1, 1));
    }
    return bounds;
}
} // namespace

QList<QPoint> findArrows(const QImage& screen, QRect area) {
    const QList<ArrowPixel>& pixels = arrowPixels();
    const QRect bounds = arrowBounds();
    const QRect tips =
        area.intersected(screen.rect()).adjusted(0, 0, -bounds.right(), -bounds.bottom());
    const QImage rgb = screen.convertToFormat(QImage::Format_RGB32);
    const auto at = [&rgb](int x, int y) {
        return reinterpret_cast<const QRgb*>(rgb.constScanLine(y))[x] | 0xff000000u;
    };
    QList<QPoint> found;
    for (int y = tips.top(); y <= tips.bottom(); ++y) {
        for (int x = tips.left(); x <= tips.right(); ++x) {
            bool whole = true;
            for (const ArrowPixel& pixel : pixels) {
                if (at(x + pixel.offset.x(), y + pixel.offset.y()) != pixel.colour) {
                    whole = false;
                    break;
                }
            }
            if (whole) {
                found.append(QPoint(x, y));
            }
        }
    }
    return found;
}

double shareOfColour(const QImage& screen, QRect area, QRgb colour) {
    const QRect inside = area.intersected(screen.rect());
    if (inside.isEmpty()) {
        return 0;
    }
    qint64 matching = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            matching += (screen.pixel(x, y) | 0xff000000u) == (colour | 0xff000000u);
        }
    }
    return static_cast<double>(matching) / (qint64(inside.width()) * inside.height());
}

double shareOfDark(const QImage& screen, QRect area) {
    const QRect inside = area.intersected(screen.rect());
    if (inside.isEmpty()) {
        return 0;
    }
    qint64 dark = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = screen.pixel(x, y);
            dark += qRed(pixel) < 128 && qGreen(pixel) < 128 && qBlue(pixel) < 128;
        }
    }
    return static_cast<double>(dark) / (qint64(inside.width()) * inside.height());
}

double shareOfPicture(const QImage& screen, const QImage& picture, QPoint topLeft, QRect visible,
                      QRect covered) {
    const QRect placed =
        QRect(topLeft, picture.size()).intersected(visible).intersected(screen.rect());
    if (placed.isEmpty()) {
        return 0;
    }
    const QImage expected = picture.convertToFormat(QImage::Format_RGB32);
    qint64 matching = 0;
    qint64 counted = 0;
    for (int y = placed.top(); y <= placed.bottom(); ++y) {
        for (int x = placed.left(); x <= placed.right(); ++x) {
            if (covered.contains(x, y)) {
                continue;
            }
            ++counted;
            matching += (screen.pixel(x, y) | 0xff000000u) ==
                        (expected.pixel(x - topLeft.x(), y - topLeft.y()) | 0xff000000u);
        }
    }
    return counted == 0 ? 0 : static_cast<double>(matching) / counted;
}

} // namespace e2e
