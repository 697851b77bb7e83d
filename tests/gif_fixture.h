// SPDX-License-Identifier: MIT
#pragma once

// Valid GIF files made in the test itself: Qt reads GIF but can't write it.

#include <QByteArray>
#include <QtGlobal>

namespace fixture {

// A GIF of width x height pixels in two colours, every pixel of colour `colour` (0 black,
// 1 white). The pixels are coded without compression: a clear code before every two pixels keeps
// the codes three bits wide. With `codedPixels` set, only that many pixels are coded: a file that
// declares a size it doesn't hold.
inline QByteArray gif(quint16 width, quint16 height, int colour = 1, qint64 codedPixels = -1) {
    QByteArray out("GIF89a");
    const auto word = [&out](quint16 value) {
        out.append(static_cast<char>(value & 0xff));
        out.append(static_cast<char>(value >> 8));
    };
    word(width);
    word(height);
    out.append("\x80\x00\x00", 3);             // a global palette of two colours
    out.append("\x00\x00\x00\xff\xff\xff", 6); // black, white
    out.append(',');
    word(0);
    word(0);
    word(width);
    word(height);
    out.append('\x00');
    out.append('\x02'); // minimum code size

    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto emit = [&](quint32 code) {
        bits |= code << count;
        count += 3;
        while (count >= 8) {
            codes.append(static_cast<char>(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    };
    const qint64 pixels = codedPixels >= 0 ? codedPixels : qint64(width) * height;
    for (qint64 i = 0; i < pixels; ++i) {
        if (i % 2 == 0) {
            emit(4); // clear
        }
        emit(static_cast<quint32>(colour));
    }
    emit(5); // end of information
    if (count > 0) {
        codes.append(static_cast<char>(bits & 0xff));
    }
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out.append(static_cast<char>(block.size()));
        out.append(block);
    }
    out.append('\x00');
    out.append(';');
    return out;
}

} // namespace fixture
