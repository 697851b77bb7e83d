// SPDX-License-Identifier: MIT
// The floors for the tutorial's start-up: a bare Qt program that opens a frameless window filling
// the screen and shows one GIF in its middle, nothing else; with --widgets, the same window also
// shows what the tutorial's first screen holds besides the picture: a text on a plate, three
// buttons, a combo box and two labels, in the default font.
//
//   orvane-bare-viewer [--widgets] PICTURE

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace {
void addWidgets(QWidget& window) {
    auto* plate =
        new QLabel(QStringLiteral("A text on a plate, as the tutorial's callout."), &window);
    plate->setAutoFillBackground(true);
    plate->setPalette(QPalette(QColor(255, 255, 192)));
    plate->setGeometry(20, 20, 160, 60); // beside the picture, as scene 1 has no callout
    int left = 0;
    for (const char* caption : {"&Previous", "&Next", "&Exit"}) {
        (new QPushButton(QLatin1String(caption), &window))->setGeometry(left, 700, 73, 21);
        left += 80;
    }
    auto* list = new QComboBox(&window);
    list->setEditable(true);
    list->addItems({QStringLiteral("Tutorial Tips"), QStringLiteral("Navigation")});
    list->setGeometry(300, 700, 144, 21);
    (new QLabel(QStringLiteral("Section:"), &window))->setGeometry(250, 703, 45, 17);
    (new QLabel(QStringLiteral("Page  1 of  80"), &window))->setGeometry(460, 703, 156, 17);
}
} // namespace

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
        addWidgets(picture);
    }
    // Filling the screen as the tutorial does, also where no window manager maximizes it.
    picture.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    picture.showMaximized();
    return QApplication::exec();
}
