// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// --help and --version, answered on stdout before the program looks for a display, so that
// they work over ssh and on a text console too. Returns the status to end with when the command
// line asked for one of them; otherwise nothing, and the tutorial starts. Every other option,
// Qt's -platform among them, is left to the toolkit.
std::optional<int> answerCommandLine(int argc, char** argv);
