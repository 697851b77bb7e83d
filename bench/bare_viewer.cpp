// SPDX-License-Identifier: MIT
// The floor for the tutorial's start-up: a bare Qt program that opens a frameless window filling
// the screen and shows one GIF in its middle, nothing else.

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        return 2;
    }
    QLabel picture;
    picture.setWindowFlag(Qt::FramelessWindowHint);
    picture.setAlignment(Qt::AlignCenter);
    picture.setPixmap(QPixmap(QString::fromLocal8Bit(argv[1])));
    // Filling the screen as the tutorial does, also where no window manager maximizes it.
    picture.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    picture.showMaximized();
    return QApplication::exec();
}
