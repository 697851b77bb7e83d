// SPDX-License-Identifier: MIT
#include "gif_files.h"

#include <QFile>

#include <gif_lib.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <vector>

namespace gifs {

namespace {

int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

void check(int result, const char* step) {
    if (result == GIF_ERROR) {
        throw std::runtime_error(step);
    }
}

// A giflib writer into a byte array; the file is finished (and the writer freed) by finish().
class Writer {
public:
    Writer() {
        int error = 0;
        gif_ = EGifOpen(&bytes_, appendBytes, &error);
        if (gif_ == nullptr) {
            throw std::runtime_error(GifErrorString(error));
        }
        EGifSetGifVersion(gif_, true);
    }
    ~Writer() {
        if (gif_ != nullptr) {
            EGifCloseFile(gif_, nullptr);
        }
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    GifFileType* operator->() const { return gif_; }
    GifFileType* get() const { return gif_; }

    QByteArray finish() {
        int error = 0;
        const int result = EGifCloseFile(gif_, &error);
        gif_ = nullptr;
        check(result, "finish the file");
        return bytes_;
    }

private:
    QByteArray bytes_;
    GifFileType* gif_ = nullptr;
};

QList<QRgb> paletteOf(const QList<Frame>& frames) {
    QList<QRgb> palette;
    for (const Frame& frame : frames) {
        const QImage image = frame.image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!palette.contains(image.pixel(x, y))) {
                    palette.append(image.pixel(x, y));
                }
            }
        }
    }
    if (palette.size() > 256) {
        throw std::runtime_error("more than 256 colours");
    }
    return palette;
}

void putScreen(Writer& gif, QSize size, const QList<QRgb>& palette) {
    const int bits = GifBitSize(static_cast<int>(std::max<qsizetype>(palette.size(), 2)));
    std::array<GifColorType, 256> entries{};
    for (qsizetype i = 0; i < palette.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        entries[at] = GifColorType{static_cast<GifByteType>(qRed(palette[i])),
                                   static_cast<GifByteType>(qGreen(palette[i])),
                                   static_cast<GifByteType>(qBlue(palette[i]))};
    }
    const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
        GifMakeMapObject(1 << bits, entries.data()), GifFreeMapObject);
    check(EGifPutScreenDesc(gif.get(), size.width(), size.height(), bits, 0, map.get()),
          "write the screen");
}

void putLooping(Writer& gif) {
    const GifByteType netscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    const GifByteType forever[] = {1, 0, 0};
    check(EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE), "begin the loop");
    check(EGifPutExtensionBlock(gif.get(), sizeof netscape, netscape), "name the loop");
    check(EGifPutExtensionBlock(gif.get(), sizeof forever, forever), "count the loop");
    check(EGifPutExtensionTrailer(gif.get()), "end the loop");
}

void putControl(Writer& gif, int delayHundredths, int transparentColour = NO_TRANSPARENT_COLOR) {
    GraphicsControlBlock control{};
    control.DelayTime = delayHundredths;
    control.TransparentColor = transparentColour;
    GifByteType block[4];
    EGifGCBToExtension(&control, block);
    check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, sizeof block, block), "delay");
}

// The rows in the order the file stores them: every eighth from 0, every eighth from 4, every
// fourth from 2, every second from 1 when interlaced.
QList<int> rowOrder(int height, bool interlaced) {
    QList<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) {
            rows << y;
        }
        return rows;
    }
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
        for (int y = start; y < height; y += step) {
            rows << y;
        }
    }
    return rows;
}

// The frame's descriptor says `declared`; its rows follow, as many as the image has.
void putFrame(Writer& gif, const Frame& frame, const QList<QRgb>& palette, QSize declared) {
    const QImage image = frame.image.convertToFormat(QImage::Format_RGB32);
    check(EGifPutImageDesc(gif.get(), 0, 0, declared.width(), declared.height(), frame.interlaced,
                           nullptr),
          "write the frame");
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.width()));
    for (const int y : rowOrder(image.height(), frame.interlaced)) {
        for (int x = 0; x < image.width(); ++x) {
            line[static_cast<std::size_t>(x)] =
                static_cast<GifPixelType>(palette.indexOf(image.pixel(x, y)));
        }
        check(EGifPutLine(gif.get(), line.data(), image.width()), "write a row");
    }
}

QImage solid(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

QByteArray gifFile(const QList<Frame>& frames) {
    const QList<QRgb> palette = paletteOf(frames);
    Writer gif;
    putScreen(gif, frames.first().image.size(), palette);
    if (frames.size() > 1) {
        putLooping(gif);
    }
    for (const Frame& frame : frames) {
        if (frames.size() > 1) {
            putControl(gif, frame.delayHundredths);
        }
        putFrame(gif, frame, palette, frame.image.size());
    }
    return gif.finish();
}

QByteArray solidGif(QSize size, QRgb colour) {
    return gifFile({Frame{solid(size, colour)}});
}

QByteArray transparentGif(QSize size, QRgb colour) {
    const QList<QRgb> palette{colour};
    Writer gif;
    putScreen(gif, size, palette);
    putControl(gif, 0, 0);
    putFrame(gif, Frame{solid(size, colour)}, palette, size);
    return gif.finish();
}

QByteArray gifDeclaring(QSize screen, QSize frame) {
    const QList<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    Writer gif;
    putScreen(gif, screen, palette);
    putFrame(gif, Frame{solid(QSize(frame.width(), 1), palette[1])}, palette, frame);
    return gif.finish();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace gifs
