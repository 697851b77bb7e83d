// SPDX-License-Identifier: MIT
#include "gif_writer.h"

#include <QHash>

#include <array>

namespace e2e {

namespace {
constexpr int kMinimumCodeSize = 8; // codes 0-255 are palette indexes
constexpr int kClearCode = 256;
constexpr int kEndCode = 257;
constexpr int kCodesBetweenClears = 250; // the table never reaches 512 entries

void putWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

// Packs nine-bit codes least significant bit first and cuts them into sub-blocks.
class CodeStream {
public:
    void put(int code) {
        bits_ |= static_cast<quint32>(code) << count_;
        count_ += 9;
        while (count_ >= 8) {
            bytes_.append(static_cast<char>(bits_ & 0xff));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    void writeBlocks(QByteArray& out) {
        if (count_ > 0) {
            bytes_.append(static_cast<char>(bits_ & 0xff));
            bits_ = 0;
            count_ = 0;
        }
        for (qsizetype at = 0; at < bytes_.size(); at += 255) {
            const QByteArray block = bytes_.mid(at, 255);
            out.append(static_cast<char>(block.size()));
            out.append(block);
        }
        out.append('\0');
    }

private:
    QByteArray bytes_;
    quint32 bits_ = 0;
    int count_ = 0;
};

QList<int> rowOrder(int height, bool interlaced) {
    QList<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) {
            rows.append(y);
        }
        return rows;
    }
    constexpr std::array<std::array<int, 2>, 4> kPasses{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
    for (const auto& [start, step] : kPasses) {
        for (int y = start; y < height; y += step) {
            rows.append(y);
        }
    }
    return rows;
}
} // namespace

QByteArray gifFile(const QList<GifFrame>& frames) {
    QList<QRgb> palette;
    QHash<QRgb, int> indexOf;
    QSize screen;
    for (const GifFrame& frame : frames) {
        screen = screen.expandedTo(frame.image.size());
        const QImage image = frame.image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb colour = image.pixel(x, y) | 0xff000000u;
                if (!indexOf.contains(colour)) {
                    indexOf.insert(colour, static_cast<int>(palette.size()));
                    palette.append(colour);
                }
            }
        }
    }
    Q_ASSERT(palette.size() <= 256);

    QByteArray out("GIF89a");
    putWord(out, screen.width());
    putWord(out, screen.height());
    out.append('\xf7'); // a global palette of 256 entries, eight bits of colour resolution
    out.append('\0');   // background colour index
    out.append('\0');   // no aspect ratio
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < palette.size() ? palette.at(i) : 0;
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }
    if (frames.size() > 1) {
        out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19); // loop for ever
    }
    for (const GifFrame& frame : frames) {
        const QImage image = frame.image.convertToFormat(QImage::Format_RGB32);
        out.append("\x21\xf9\x04\x00", 4); // graphic control: no transparency, no disposal
        putWord(out, frame.delayHundredths);
        out.append("\x00\x00", 2);
        out.append(',');
        putWord(out, 0);
        putWord(out, 0);
        putWord(out, image.width());
        putWord(out, image.height());
        out.append(frame.interlaced ? '\x40' : '\0');
        out.append(static_cast<char>(kMinimumCodeSize));
        CodeStream codes;
        int sinceClear = kCodesBetweenClears;
        for (const int y : rowOrder(image.height(), frame.interlaced)) {
            for (int x = 0; x < image.width(); ++x) {
                if (sinceClear == kCodesBetweenClears) {
                    codes.put(kClearCode);
                    sinceClear = 0;
                }
                codes.put(indexOf.value(image.pixel(x, y) | 0xff000000u));
                ++sinceClear;
            }
        }
        codes.put(kEndCode);
        codes.writeBlocks(out);
    }
    out.append(';');
    return out;
}

QByteArray solidGif(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return gifFile({GifFrame{image}});
}

QByteArray gifDeclaring(QSize screen, QSize frame) {
    QByteArray out("GIF89a");
    putWord(out, screen.width());
    putWord(out, screen.height());
    out.append("\x80\x00\x00", 3);             // a global palette of two colours
    out.append("\x00\x00\x00\xff\xff\xff", 6); // black, white
    out.append(',');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, frame.width());
    putWord(out, frame.height());
    out.append('\0');
    out.append(static_cast<char>(kMinimumCodeSize));
    CodeStream codes;
    codes.put(kClearCode);
    for (int i = 0; i < 16; ++i) {
        codes.put(1);
    }
    codes.put(kEndCode);
    codes.writeBlocks(out);
    out.append(';');
    return out;
}

} // namespace e2e
