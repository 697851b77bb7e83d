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

// The callouts and the bar's labels are sized for the built-in font. A platform theme may set
// its own application font after ours (qt6ct does, once the event loop runs) or change it while
// the program runs; ours is put back at once, before anything is laid out or painted with the
// theme's. (A filter on the application sees every object's events; only the application's own
// font change counts.)
class FontKeeper : public QObject {
public:
    explicit FontKeeper(QFont font) : QObject(qApp), font_(std::move(font)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationFontChange && !restoring_ &&
            QApplication::font() != font_) {
            restoring_ = true;
            QApplication::setFont(font_);
            restoring_ = false;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QFont font_;
    bool restoring_ = false;
};
} // namespace

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
    new FontKeeper(QApplication::font()); // the application owns it
    if (QFontInfo(font).family() != families.first()) {
        std::fprintf(stderr, "orvane-tutorial: font %s was not matched\n",
                     qPrintable(families.first()));
        return false;
    }
    return true;
}

} // namespace platform
