// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <memory>

namespace platform {

// The application object, connected to the user's display. Where there is none (a text console,
// ssh without X forwarding, a display that can't be opened) the toolkit would abort with several
// lines of advice about reinstalling the program; instead this writes one line on stderr that
// there is no display to show the tutorial on and ends the program with status 1.
std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv);

} // namespace platform
