// SPDX-License-Identifier: MIT
#include "runtime_error.h"

namespace platform {

namespace {
QString nameOf(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::Overflow:
        return QStringLiteral("Overflow");
    case ErrorKind::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case ErrorKind::PathNotFound:
        return QStringLiteral("Path not found");
    }
    return QStringLiteral("Run-time error");
}
} // namespace

RuntimeError::RuntimeError(ErrorKind kind, const QString& detail)
    : std::runtime_error((nameOf(kind) + QStringLiteral(": ") + detail).toStdString()), kind_(kind),
      detail_(detail) {}

QString RuntimeError::name() const {
    return nameOf(kind_);
}

} // namespace platform
