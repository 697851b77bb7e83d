// SPDX-License-Identifier: MIT
#include "directories.h"

#include "runtime_error.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QString programDirectory() {
    return QCoreApplication::applicationDirPath();
}

void setWorkingDirectory(const QString& path) {
    if (!QDir::setCurrent(path)) {
        throw RuntimeError(ErrorKind::PathNotFound,
                           QStringLiteral("can't make %1 the working directory").arg(path));
    }
}

QString workingDirectory() {
    return QDir::currentPath();
}

} // namespace platform
