// SPDX-License-Identifier: MIT
// What the tutorial's first screen holds besides the picture, for the benchmark's bare Qt
// programs: a text on a plate, three buttons, a combo box and two labels, in the default font.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace bench {

struct FirstScreen {
    QPushButton* next = nullptr;
    QLabel* page = nullptr;
};

inline FirstScreen addFirstScreenWidgets(QWidget& window) {
    FirstScreen screen;
    auto* plate =
        new QLabel(QStringLiteral("A text on a plate, as the tutorial's callout."), &window);
    plate->setAutoFillBackground(true);
    plate->setPalette(QPalette(QColor(255, 255, 192)));
    plate->setGeometry(20, 20, 160, 60); // beside the picture, as scene 1 has no callout
    (new QPushButton(QStringLiteral("&Previous"), &window))->setGeometry(0, 700, 73, 21);
    screen.next = new QPushButton(QStringLiteral("&Next"), &window);
    screen.next->setGeometry(80, 700, 73, 21);
    (new QPushButton(QStringLiteral("&Exit"), &window))->setGeometry(160, 700, 73, 21);
    auto* list = new QComboBox(&window);
    list->setEditable(true);
    list->addItems({QStringLiteral("Tutorial Tips"), QStringLiteral("Navigation")});
    list->setGeometry(300, 700, 144, 21);
    (new QLabel(QStringLiteral("Section:"), &window))->setGeometry(250, 703, 45, 17);
    screen.page = new QLabel(QStringLiteral("Page  1 of  80"), &window);
    screen.page->setGeometry(460, 703, 156, 17);
    return screen;
}

} // namespace bench
