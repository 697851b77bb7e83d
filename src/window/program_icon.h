// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

// The program's icon, one image in three forms: 32 x 32 in 2 colours, 32 x 32 in 16 colours
// and 16 x 16 in 16 colours. All are drawn in code, so the icon can't go missing.
QIcon programIcon();

// One form of the icon: size 16 or 32, colours 2 or 16.
QImage programIconImage(int size, int colours);
