// SPDX-License-Identifier: MIT
#include "error_report.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace platform {

void reportUnhandledError(QWidget* window, const char* handler, const RuntimeError& error) {
    const QString text = QStringLiteral("Run-time error: %1\n\n%2\n\n(in %3)")
                             .arg(error.name(), error.detail(), QLatin1String(handler));
    std::fprintf(stderr, "orvane-tutorial: %s\n", qPrintable(QString(text).replace(u'\n', u' ')));
    std::fflush(stderr);
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox::critical(window, QStringLiteral("Orvane Tutorial"),
                              text + QStringLiteral("\n\nThe tutorial will close."));
    }
    // The error may have left the window half-updated: end at once, without running the
    // window's destructors over that state.
    std::_Exit(EXIT_FAILURE);
}

} // namespace platform
