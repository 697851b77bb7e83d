// SPDX-License-Identifier: MIT
#include "look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QStyleFactory>

namespace shots {

namespace {

const char* const kFontDir = "/usr/share/fonts/truetype/liberation/";
const char* const kFontFiles[] = {
    "LiberationSans-Regular.ttf",  "LiberationSans-Bold.ttf",       "LiberationSans-Italic.ttf",
    "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf",      "LiberationSerif-Italic.ttf",
    "LiberationMono-Regular.ttf",  "LiberationSans-BoldItalic.ttf",
};

QFont makeFont(const QString& family, int pixelSize, bool bold, bool italic) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    return f;
}

QPalette classicPalette() {
    QPalette p;
    const QColor black(0, 0, 0);
    const QColor white(0xff, 0xff, 0xff);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, colour::face);
        p.setColor(group, QPalette::Button, colour::face);
        p.setColor(group, QPalette::Base, white);
        p.setColor(group, QPalette::AlternateBase, colour::alternate);
        p.setColor(group, QPalette::Light, white);
        p.setColor(group, QPalette::Midlight, colour::midlight);
        p.setColor(group, QPalette::Mid, colour::mid);
        p.setColor(group, QPalette::Dark, colour::shadow);
        p.setColor(group, QPalette::Shadow, colour::dark);
        p.setColor(group, QPalette::Highlight, colour::navy);
        p.setColor(group, QPalette::HighlightedText, white);
        p.setColor(group, QPalette::ToolTipBase, colour::tip);
        p.setColor(group, QPalette::ToolTipText, black);
        p.setColor(group, QPalette::Link, colour::link);
        p.setColor(group, QPalette::PlaceholderText, colour::shadow);
        const bool off = group == QPalette::Disabled;
        p.setColor(group, QPalette::WindowText, off ? colour::shadow : black);
        p.setColor(group, QPalette::Text, off ? colour::shadow : black);
        p.setColor(group, QPalette::ButtonText, off ? colour::shadow : black);
        p.setColor(group, QPalette::BrightText, white);
    }
    // Inactive windows keep the same selection colour, as on the classic desktop.
    return p;
}

} // namespace

QFont uiFont(int pixelSize, bool bold) {
    return makeFont(QStringLiteral("Liberation Sans"), pixelSize, bold, false);
}

QFont serifFont(int pixelSize, bool bold, bool italic) {
    return makeFont(QStringLiteral("Liberation Serif"), pixelSize, bold, italic);
}

QFont monoFont(int pixelSize) {
    return makeFont(QStringLiteral("Liberation Mono"), pixelSize, false, false);
}

QString setUpLook(QApplication& app) {
    for (const char* file : kFontFiles) {
        const QString path = QLatin1String(kFontDir) + QLatin1String(file);
        if (QFontDatabase::addApplicationFont(path) < 0)
            return QStringLiteral("cannot load the font ") + path;
    }
    QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!style)
        return QStringLiteral("the Fusion style is missing");
    QApplication::setStyle(style);
    QApplication::setPalette(classicPalette());
    app.setFont(uiFont(11));
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    return {};
}

} // namespace shots
