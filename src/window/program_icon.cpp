// SPDX-License-Identifier: MIT
#include "program_icon.h"

#include "pointer_arrow.h"

#include <QPainter>

namespace {
// A screenshot page with a blue title bar, a pale-yellow callout, and the tutorial's arrow
// pointing at the page.
QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int unit = size / 16;
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(0, unit, 14 * unit, 11 * unit);
    painter.fillRect(1, unit + 1, 14 * unit - 1, 2 * unit, QColor(0, 0, 128));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(7 * unit, 7 * unit, 9 * unit - 1, 6 * unit);
    painter.end();
    paintArrow(image, 3 * unit, 5 * unit, size == 32 ? 17 : 10);
    return image;
}

// The icon's pixels reduced to the form's palette: the 16 standard colours, or black and white.
QImage reduce(const QImage& image, int colours) {
    if (colours == 2) {
        return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    }
    QList<QRgb> palette;
    for (const Qt::GlobalColor colour :
         {Qt::black, Qt::darkRed, Qt::darkGreen, Qt::darkYellow, Qt::darkBlue, Qt::darkMagenta,
          Qt::darkCyan, Qt::lightGray, Qt::gray, Qt::red, Qt::green, Qt::yellow, Qt::blue,
          Qt::magenta, Qt::cyan, Qt::white}) {
        palette.append(QColor(colour).rgb());
    }
    QImage reduced = image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
    return reduced.convertToFormat(QImage::Format_ARGB32).copy();
}
} // namespace

QImage programIconImage(int size, int colours) {
    const QImage drawn = drawIcon(size);
    QImage reduced = reduce(drawn, colours).convertToFormat(QImage::Format_ARGB32);
    // The transparent surround stays transparent in every form.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (qAlpha(drawn.pixel(x, y)) == 0) {
                reduced.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    return reduced;
}

QIcon programIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(programIconImage(32, 2)));
    icon.addPixmap(QPixmap::fromImage(programIconImage(32, 16)));
    icon.addPixmap(QPixmap::fromImage(programIconImage(16, 16)));
    return icon;
}
