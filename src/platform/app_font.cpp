// SPDX-License-Identifier: MIT
#include "app_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

#include <cstdio>

// The font lives in the program's resources; a static library must ask for them explicitly.
static void initFontResources() {
    Q_INIT_RESOURCE(fonts);
}

namespace platform {

namespace {
constexpr int kPointSize = 8;
}

bool installApplicationFont() {
    initFontResources();
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral(":/fonts/LiberationSansNarrow-Regular.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        std::fputs("orvane-tutorial: the built-in font could not be loaded\n", stderr);
        return false;
    }
    QFont font(families.first(), kPointSize);
    QApplication::setFont(font);
    if (QFontInfo(font).family() != families.first()) {
        std::fprintf(stderr, "orvane-tutorial: font %s was not matched\n",
                     qPrintable(families.first()));
        return false;
    }
    return true;
}

} // namespace platform
