// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// The full path of the directory that holds the program, found through its real location, so
// that a symlink or launcher elsewhere still leads to the program's own files.
QString programDirectory();

// Makes a path the working directory; PathNotFound if it can't.
void setWorkingDirectory(const QString& path);

// The working directory as a full path.
QString workingDirectory();

} // namespace platform
