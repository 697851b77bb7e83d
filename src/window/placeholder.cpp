// SPDX-License-Identifier: MIT
#include "placeholder.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 480;
} // namespace

platform::Picture placeholderPicture(const QString& fileName, const QString& reason) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(236, 236, 236));
    QPainter painter(&image);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
    painter.setPen(QColor(64, 64, 64));
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * 2);
    font.setBold(true);
    painter.setFont(font);
    const QRect upper(0, 0, kWidth, kHeight / 2 - 8);
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("Screenshot not available"));
    font.setBold(false);
    font.setPointSizeF(font.pointSizeF() / 1.5);
    painter.setFont(font);
    const QRect lower(24, kHeight / 2 + 8, kWidth - 48, kHeight / 2 - 32);
    painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("%1\n%2").arg(fileName, reason));
    painter.end();
    return platform::pictureFromImage(image);
}
