// SPDX-License-Identifier: MIT
// The floors for the tutorial's start-up: a bare Qt program that opens a frameless window filling
// the screen and shows one GIF in its middle, nothing else; with --widgets, the same window also
// shows the other widgets of the tutorial's first screen.
//
//   orvane-bare-viewer [--widgets] PICTURE

#include "first_screen.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool widgets = argc == 3 && qstrcmp(argv[1], "--widgets") == 0;
    if (argc != 2 && !widgets) {
        return 2;
    }
    QLabel picture;
    picture.setWindowFlag(Qt::FramelessWindowHint);
    picture.setAlignment(Qt::AlignCenter);
    picture.setPixmap(QPixmap(QString::fromLocal8Bit(argv[argc - 1])));
    if (widgets) {
        bench::addFirstScreenWidgets(picture);
    }
    // Filling the screen as the tutorial does, also where no window manager maximizes it.
    picture.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    picture.showMaximized();
    return QApplication::exec();
}
