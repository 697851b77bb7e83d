// SPDX-License-Identifier: MIT
#pragma once

// A place of its own for one run of the program: a program directory with a copy of the binary
// and its pictures, a working directory elsewhere, and a home, configuration, cache, runtime and
// temporary directory for everything the toolkit might want to write. A listing of all of it
// before and after the run shows whether anything was written.

#include "x_session.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace e2e {

class Sandbox {
public:
    explicit Sandbox(const QString& programDirectoryName = QStringLiteral("program"));

    // False, with a failed QtTest check, when the directories couldn't be made.
    bool ok() const { return ok_; }

    QString root() const { return root_.path(); }
    QString programDirectory() const;
    QString binary() const;
    QString workingDirectory() const;
    QString picturePath(const QString& name) const;

    // Copies the program file into the program directory.
    void installProgram(const QString& builtBinary);
    // Writes a picture (or anything else) under a name into the program directory.
    void writePicture(const QString& name, const QByteArray& bytes);
    // Writes a file into the working directory.
    void writeToWorkingDirectory(const QString& name, const QByteArray& bytes);

    // Lets user nobody in: the sandbox readable and searchable for all, and the home and
    // runtime directories nobody's own.
    void openToNobody();

    // The desktop's environment with home, configuration, cache, data, runtime and temporary
    // directories in the sandbox.
    QProcessEnvironment environment(const Desktop& desktop) const;

    // Every file and directory under the sandbox with its size, modification time and
    // permissions, one a line, sorted.
    QStringList listing() const;

private:
    QString path(const QString& name) const { return root_.filePath(name); }

    QTemporaryDir root_;
    QString programDirectoryName_;
    bool ok_ = false;
};

} // namespace e2e
