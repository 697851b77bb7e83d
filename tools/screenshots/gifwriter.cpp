// SPDX-License-Identifier: MIT
#include "gifwriter.h"

#include <QFile>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <unistd.h>
#include <unordered_map>

namespace shots {

namespace {

constexpr int kPaletteSize = 256;
// Colours covering at least this many pixels are kept exactly, up to kMaxExact of them.
constexpr std::uint32_t kExactMinPixels = 40;
constexpr int kMaxExact = 176;

struct ColourCount {
    QRgb rgb;
    std::uint32_t count;
};

int channel(QRgb c, int ch) {
    return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c);
}

// Perceptual weights for the nearest-colour search.
int distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct Box {
    std::vector<ColourCount> colours;
    int widest = 0; // channel with the largest range
    int range = 0;
    std::uint64_t pixels = 0;

    void measure() {
        range = -1;
        pixels = 0;
        for (const ColourCount& c : colours)
            pixels += c.count;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const ColourCount& c : colours) {
                lo = std::min(lo, channel(c.rgb, ch));
                hi = std::max(hi, channel(c.rgb, ch));
            }
            if (hi - lo > range) {
                range = hi - lo;
                widest = ch;
            }
        }
    }
    QRgb mean() const {
        std::uint64_t r = 0, g = 0, b = 0;
        for (const ColourCount& c : colours) {
            r += std::uint64_t(qRed(c.rgb)) * c.count;
            g += std::uint64_t(qGreen(c.rgb)) * c.count;
            b += std::uint64_t(qBlue(c.rgb)) * c.count;
        }
        return qRgb(int((r + pixels / 2) / pixels), int((g + pixels / 2) / pixels),
                    int((b + pixels / 2) / pixels));
    }
};

// Median cut: split the box with the widest colour range at its weighted median until there
// are `boxes` boxes, then take each box's weighted mean.
QList<QRgb> medianCut(std::vector<ColourCount> colours, int boxes) {
    QList<QRgb> out;
    if (colours.empty() || boxes <= 0)
        return out;
    std::vector<Box> work(1);
    work[0].colours = std::move(colours);
    work[0].measure();
    while (int(work.size()) < boxes) {
        int best = -1;
        for (int i = 0; i < int(work.size()); ++i) {
            if (work[i].colours.size() < 2)
                continue;
            if (best < 0 || work[i].range > work[best].range ||
                (work[i].range == work[best].range && work[i].pixels > work[best].pixels))
                best = i;
        }
        if (best < 0)
            break;
        Box& box = work[best];
        const int ch = box.widest;
        std::sort(box.colours.begin(), box.colours.end(),
                  [ch](const ColourCount& a, const ColourCount& b) {
                      const int ca = channel(a.rgb, ch), cb = channel(b.rgb, ch);
                      return ca != cb ? ca < cb : a.rgb < b.rgb;
                  });
        std::uint64_t half = 0;
        std::size_t cut = 1;
        for (; cut < box.colours.size(); ++cut) {
            half += box.colours[cut - 1].count;
            if (half * 2 >= box.pixels)
                break;
        }
        cut = std::clamp<std::size_t>(cut, 1, box.colours.size() - 1);
        Box upper;
        upper.colours.assign(box.colours.begin() + std::ptrdiff_t(cut), box.colours.end());
        box.colours.resize(cut);
        box.measure();
        upper.measure();
        work.push_back(std::move(upper));
    }
    for (const Box& b : work)
        out.append(b.mean());
    return out;
}

} // namespace

IndexedImage reduceColours(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();

    std::unordered_map<QRgb, std::uint32_t> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }
    std::vector<ColourCount> colours;
    colours.reserve(histogram.size());
    for (const auto& [rgb, count] : histogram)
        colours.push_back({rgb, count});
    // Most used first; equal counts in colour order, so that the result never depends on
    // the hash table's order.
    std::sort(colours.begin(), colours.end(), [](const ColourCount& a, const ColourCount& b) {
        return a.count != b.count ? a.count > b.count : a.rgb < b.rgb;
    });

    if (colours.size() <= kPaletteSize) {
        for (const ColourCount& c : colours)
            out.palette.append(c.rgb);
    } else {
        std::size_t exact = 0;
        while (exact < colours.size() && int(exact) < kMaxExact &&
               colours[exact].count >= kExactMinPixels)
            ++exact;
        for (std::size_t i = 0; i < exact; ++i)
            out.palette.append(colours[i].rgb);
        std::vector<ColourCount> rest(colours.begin() + std::ptrdiff_t(exact), colours.end());
        const QList<QRgb> shared = medianCut(std::move(rest), kPaletteSize - int(exact));
        for (QRgb c : shared)
            if (!out.palette.contains(c))
                out.palette.append(c);
    }

    std::unordered_map<QRgb, std::uint8_t> lookup;
    for (int i = 0; i < out.palette.size(); ++i)
        lookup.emplace(out.palette[i], std::uint8_t(i));
    auto nearest = [&](QRgb c) {
        auto it = lookup.find(c);
        if (it != lookup.end())
            return it->second;
        int best = 0, bestD = distance(c, out.palette[0]);
        for (int i = 1; i < out.palette.size(); ++i) {
            const int d = distance(c, out.palette[i]);
            if (d < bestD) {
                best = i;
                bestD = d;
            }
        }
        lookup.emplace(c, std::uint8_t(best));
        return std::uint8_t(best);
    };
    out.pixels.resize(std::size_t(out.width) * std::size_t(out.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out.pixels[std::size_t(y) * std::size_t(out.width) + std::size_t(x)] =
                nearest(line[x] | 0xff000000u);
    }
    return out;
}

QImage expand(const IndexedImage& image) {
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width; ++x)
            line[x] = image.palette[image.pixels[std::size_t(y * image.width + x)]];
    }
    return out;
}

QString writeGif(const IndexedImage& image, const QString& path) {
    const QString partial = path + QStringLiteral(".part");
    const QByteArray file = QFile::encodeName(partial);
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return QStringLiteral("cannot create ") + partial;
    int error = 0;
    GifFileType* gif = EGifOpenFileHandle(fd, &error);
    if (!gif) {
        ::close(fd);
        QFile::remove(partial);
        return QStringLiteral("giflib cannot open %1: %2")
            .arg(partial, QString::fromLatin1(GifErrorString(error)));
    }
    auto fail = [&](const char* step) {
        const QString why = QString::fromLatin1(GifErrorString(gif->Error));
        EGifCloseFile(gif, &error); // also closes fd
        QFile::remove(partial);
        return QStringLiteral("giflib failed to %1 for %2: %3").arg(QLatin1String(step), path, why);
    };

    const int bits = GifBitSize(int(image.palette.size()));
    std::array<GifColorType, 256> entries{};
    for (int i = 0; i < image.palette.size(); ++i) {
        entries[std::size_t(i)].Red = GifByteType(qRed(image.palette[i]));
        entries[std::size_t(i)].Green = GifByteType(qGreen(image.palette[i]));
        entries[std::size_t(i)].Blue = GifByteType(qBlue(image.palette[i]));
    }
    ColorMapObject* map = GifMakeMapObject(1 << bits, entries.data());
    if (!map) {
        EGifCloseFile(gif, &error);
        QFile::remove(partial);
        return QStringLiteral("giflib cannot make a colour map for ") + path;
    }
    const int screenOk = EGifPutScreenDesc(gif, image.width, image.height, 8, 0, map);
    GifFreeMapObject(map);
    if (screenOk == GIF_ERROR)
        return fail("write the screen descriptor");
    if (EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_ERROR)
        return fail("write the image descriptor");
    std::vector<GifPixelType> row(std::size_t(image.width));
    for (int y = 0; y < image.height; ++y) {
        std::copy_n(image.pixels.begin() + std::ptrdiff_t(y) * image.width, image.width,
                    row.begin());
        if (EGifPutLine(gif, row.data(), image.width) == GIF_ERROR)
            return fail("write a line");
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR) {
        QFile::remove(partial);
        return QStringLiteral("giflib failed to finish %1: %2")
            .arg(path, QString::fromLatin1(GifErrorString(error)));
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path))
        return QStringLiteral("cannot rename %1 to %2").arg(partial, path);
    return {};
}

} // namespace shots
