// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// The run-time errors the program can raise. None of them is handled where it arises: it ends
// the procedure and every caller up to the event handler, which reports it and ends the program.
enum class ErrorKind {
    Overflow,
    SubscriptOutOfRange,
    PathNotFound,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorKind kind, const QString& detail);

    ErrorKind kind() const { return kind_; }
    // "Overflow", "Subscript out of range", ...: the error's name as the user reads it.
    QString name() const;
    QString detail() const { return detail_; }

private:
    ErrorKind kind_;
    QString detail_;
};

} // namespace platform
