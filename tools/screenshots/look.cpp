// SPDX-License-Identifier: MIT
#include "look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QStyleFactory>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace shots {

namespace {

const QString kFontDir = u"/usr/share/fonts/truetype/liberation/"_s;
const QStringList kFontFiles = {
    u"LiberationSans-Regular.ttf"_s, u"LiberationSans-Bold.ttf"_s,
    u"LiberationSans-Italic.ttf"_s,  u"LiberationSerif-Regular.ttf"_s,
    u"LiberationSerif-Bold.ttf"_s,   u"LiberationSerif-Italic.ttf"_s,
    u"LiberationMono-Regular.ttf"_s, u"LiberationSans-BoldItalic.ttf"_s,
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
    return makeFont(u"Liberation Sans"_s, pixelSize, bold, false);
}

bool atFineDensity(const QPainter& p) {
    return p.paintEngine()->paintDevice()->devicePixelRatioF() > 1;
}

QFont forPainter(const QPainter& p, QFont f) {
    if (atFineDensity(p)) {
        f.setHintingPreference(QFont::PreferNoHinting);
    }
    return f;
}

QFont serifFont(int pixelSize, bool bold, bool italic) {
    return makeFont(u"Liberation Serif"_s, pixelSize, bold, italic);
}

QFont monoFont(int pixelSize) {
    return makeFont(u"Liberation Mono"_s, pixelSize, false, false);
}

QSizeF textSize(const QFont& font, const QString& text, int flags, int width, int density) {
    if (density == 1) {
        return QFontMetrics(font)
            .boundingRect(QRect(0, 0, std::max(width, 1), 10000), flags, text)
            .size();
    }
    QFont fine(font);
    fine.setHintingPreference(QFont::PreferNoHinting);
    if (font.pixelSize() > 0) {
        fine.setPixelSize(font.pixelSize() * density);
    } else {
        fine.setPointSizeF(font.pointSizeF() * density);
    }
    const QRectF needed = QFontMetricsF(fine).boundingRect(
        QRectF(0, 0, std::max(width, 1) * density, 1e6), flags, text);
    return needed.size() / density;
}

QString setUpLook(QApplication& app) {
    for (const QString& file : kFontFiles) {
        const QString path = kFontDir + file;
        if (QFontDatabase::addApplicationFont(path) < 0) {
            return u"cannot load the font "_s + path;
        }
    }
    QStyle* style = QStyleFactory::create(u"Fusion"_s);
    if (!style) {
        return u"the Fusion style is missing"_s;
    }
    QApplication::setStyle(style);
    QApplication::setPalette(classicPalette());
    app.setFont(uiFont(11));
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    return {};
}

} // namespace shots
