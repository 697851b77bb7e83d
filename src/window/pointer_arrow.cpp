// SPDX-License-Identifier: MIT
#include "pointer_arrow.h"

#include <QImage>

#include <array>

namespace {
// Row by row from the top: 'X' black, 'o' white, '.' transparent. Rows 24 to 31 and columns 16
// to 31 are wholly transparent.
constexpr std::array<const char*, 24> kArrowRows{
    "X...............", "XX..............", "XoX.............", "XooX............",
    "XoooX...........", "XooooX..........", "XoooooX.........", "XooooooX........",
    "XoooooooX.......", "XooooooooX......", "XoooooooooX.....", "XooooooooooX....",
    "XoooooooooooX...", "XooooooooooooX..", "XoooooooXXXXXXX.", "XooooXooX.......",
    "XoooXXoooX......", "XooX..XooX......", "XoX...XoooX.....", "XX.....XooX.....",
    "X......XoooX....", "........XooX....", "........XooX....", ".........XXX....",
};
constexpr int kPointerPixels = 32;
} // namespace

void paintArrow(QImage& image, int x, int y, int rows) {
    for (int row = 0; row < rows && row < static_cast<int>(kArrowRows.size()); ++row) {
        const char* pixels = kArrowRows[static_cast<std::size_t>(row)];
        for (int column = 0; pixels[column] != '\0'; ++column) {
            if (pixels[column] == 'X') {
                image.setPixelColor(x + column, y + row, Qt::black);
            } else if (pixels[column] == 'o') {
                image.setPixelColor(x + column, y + row, Qt::white);
            }
        }
    }
}

platform::Picture pointerPicture() {
    QImage image(kPointerPixels, kPointerPixels, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    paintArrow(image, 0, 0, static_cast<int>(kArrowRows.size()));
    return platform::pictureFromImage(image);
}
