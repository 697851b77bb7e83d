// SPDX-License-Identifier: MIT
// Writes the program's icon as the PNG files of the hicolor icon theme:
//   orvane-icons <dir>   writes <dir>/16x16/apps/orvane-tutorial.png and 32x32/apps/...
// Both are the 16-colour forms that the program itself draws for its window.

#include "window/program_icon.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane-icons <icon-theme-dir>\n");
        return EXIT_FAILURE;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 32}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = theme.filePath(folder + QStringLiteral("/orvane-tutorial.png"));
        if (!theme.mkpath(folder) || !programIconImage(size, 16).save(path, "PNG")) {
            std::fprintf(stderr, "orvane-icons: can't write %s\n", qPrintable(path));
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
