// SPDX-License-Identifier: MIT
// Writes the program's icon for the hicolor icon theme:
//   orvane-icons <dir>   writes <dir>/<N>x<N>/apps/orvane-tutorial.png for every size that desktops
//                        use, and <dir>/scalable/apps/orvane-tutorial.svg
// 16 and 32 px are the 16-colour forms that the program draws for its window. Every other size
// draws the same picture anew at that size, so that no size is a blurred enlargement of another:
// a page with a navy title bar, a yellow callout over its lower right, and the tutorial's arrow
// pointing into the page, cut off at the callout's lower edge. Positions lie on a grid of 16 units
// and are rounded to whole pixels, outlines are 1 px per 32 px of size. Below 48 px the arrow is
// the pointer's own 1:1 bitmap, as in the window's forms; from 48 px on it is the same outline
// drawn as a polygon, 1 bitmap pixel to size/32 px.

#include "window/pointer_arrow.h"
#include "window/program_icon.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr std::array kSizes{16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kScalableSize = 256; // the SVG is the 256 px drawing
constexpr int kFirstPolygonArrowSize = 48;
const QColor kTitleBar(0, 0, 128);
const QColor kCallout(255, 255, 0);

// The pointer's outline through the centres of its black pixels, in pixels of its bitmap.
constexpr std::array<QPointF, 8> kArrowOutline{{{0.5, 0.5},
                                                {14.5, 14.5},
                                                {8.5, 14.5},
                                                {11.5, 20.5},
                                                {11.5, 23.5},
                                                {9.5, 23.5},
                                                {5.5, 15.5},
                                                {0.5, 20.5}}};

struct IconLayout {
    int size = 0;
    int line = 1; // outline thickness in pixels
    QRect page;
    QRect titleBar;
    QRect callout;
    QPoint tip;          // the arrow's top-left pixel
    int arrowBottom = 0; // first pixel row below the arrow
};

IconLayout layoutFor(int size) {
    const auto at = [size](int units) {
        return static_cast<int>(std::lround(units * size / 16.0));
    };
    IconLayout layout;
    layout.size = size;
    layout.line = std::max(1, static_cast<int>(std::lround(size / 32.0)));
    const int line = layout.line;
    layout.page = QRect(QPoint(0, at(1)), QPoint(at(14) + line - 1, at(12) + line - 1));
    layout.titleBar = QRect(line, layout.page.top() + line, layout.page.width() - 2 * line, at(2));
    layout.callout = QRect(QPoint(at(7), at(7)), QPoint(size - 1, at(13) + line - 1));
    layout.tip = QPoint(at(3), at(5));
    layout.arrowBottom = layout.callout.bottom() + 1;
    return layout;
}

// The arrow's outline scaled to the icon. Each point lies half an outline off whole pixels, so that
// the upright and level edges of a stroke `line` wide fill whole pixels.
QPolygonF arrowPolygon(const IconLayout& layout) {
    const double scale = layout.size / 32.0;
    const double half = layout.line / 2.0;
    const auto snap = [half](double value) { return std::round(value - half) + half; };
    QPolygonF polygon;
    for (const QPointF& point : kArrowOutline) {
        polygon << QPointF(layout.tip.x() + snap(point.x() * scale),
                           layout.tip.y() + snap(point.y() * scale));
    }
    return polygon;
}

void fillFramed(QPainter& painter, const QRect& outer, int line, const QColor& inside) {
    painter.fillRect(outer, Qt::black);
    painter.fillRect(outer.adjusted(line, line, -line, -line), inside);
}

QImage drawIcon(int size) {
    const IconLayout layout = layoutFor(size);
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    fillFramed(painter, layout.page, layout.line, Qt::white);
    painter.fillRect(layout.titleBar, kTitleBar);
    fillFramed(painter, layout.callout, layout.line, kCallout);
    if (size < kFirstPolygonArrowSize) {
        painter.end();
        paintArrow(image, layout.tip.x(), layout.tip.y(), layout.arrowBottom - layout.tip.y());
        return image;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(0, 0, size, layout.arrowBottom);
    QPen outline(Qt::black, layout.line, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    outline.setMiterLimit(4); // the SVG's default, so both draw the tip alike
    painter.setPen(outline);
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrowPolygon(layout));
    return image;
}

QString svgRect(const QRect& rect, const QString& fill) {
    return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height())
        .arg(fill);
}

QString svgFramed(const QRect& outer, int line, const QString& inside) {
    return svgRect(outer, QStringLiteral("#000000")) +
           svgRect(outer.adjusted(line, line, -line, -line), inside);
}

// The same drawing as the PNG of kScalableSize, as SVG.
QString scalableIcon() {
    const IconLayout layout = layoutFor(kScalableSize);
    QString points;
    for (const QPointF& point : arrowPolygon(layout)) {
        points += QStringLiteral("%1,%2 ").arg(point.x()).arg(point.y());
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
               .arg(kScalableSize) +
           svgFramed(layout.page, layout.line, QStringLiteral("#ffffff")) +
           svgRect(layout.titleBar, QStringLiteral("#000080")) +
           svgFramed(layout.callout, layout.line, QStringLiteral("#ffff00")) +
           QStringLiteral("  <clipPath id=\"above-callout-edge\">\n"
                          "    <rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\"/>\n"
                          "  </clipPath>\n"
                          "  <polygon clip-path=\"url(#above-callout-edge)\" points=\"%3\" "
                          "fill=\"#ffffff\" stroke=\"#000000\" stroke-width=\"%4\" "
                          "stroke-linejoin=\"miter\" stroke-miterlimit=\"4\"/>\n"
                          "</svg>\n")
               .arg(kScalableSize)
               .arg(layout.arrowBottom)
               .arg(points.trimmed())
               .arg(layout.line);
}

QImage iconImage(int size) {
    // The window's own forms where it has one.
    return size == 16 || size == 32 ? programIconImage(size, 16) : drawIcon(size);
}

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

bool fail(const QString& path) {
    std::fprintf(stderr, "orvane-icons: can't write %s\n", qPrintable(path));
    return false;
}

bool writeIcons(const QDir& theme) {
    for (const int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = theme.filePath(folder + QStringLiteral("/orvane-tutorial.png"));
        if (!theme.mkpath(folder) || !iconImage(size).save(path, "PNG")) {
            return fail(path);
        }
    }
    const QString path = theme.filePath(QStringLiteral("scalable/apps/orvane-tutorial.svg"));
    if (!theme.mkpath(QStringLiteral("scalable/apps")) || !writeText(path, scalableIcon())) {
        return fail(path);
    }
    return true;
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane-icons <icon-theme-dir>\n");
        return EXIT_FAILURE;
    }
    return writeIcons(QDir(QString::fromLocal8Bit(argv[1]))) ? EXIT_SUCCESS : EXIT_FAILURE;
}
