// SPDX-License-Identifier: MIT
#include "display.h"

#include <QList>

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
// The context's strings are the toolkit's literals: they outlive the program's start.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

// The toolkit's messages while it looks for a display: passed on once one is found, dropped
// when there is none (they only explain, at length, that there is none).
QList<HeldMessage>& heldMessages() {
    static QList<HeldMessage> messages;
    return messages;
}

QString displayNames() {
    QStringList names;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            names << QLatin1String(variable) + QLatin1Char('=') + qEnvironmentVariable(variable);
        }
    }
    return names.isEmpty() ? QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set")
                           : names.join(QStringLiteral(", ")) + QStringLiteral(" can't be opened");
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages().append(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    std::fprintf(stderr, "orvane-tutorial: there is no display to show the tutorial on (%s)\n",
                 qPrintable(displayNames()));
    std::_Exit(EXIT_FAILURE);
}
} // namespace

std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(holdOrGiveUp);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : std::as_const(heldMessages())) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
    heldMessages().clear();
    return application;
}

} // namespace platform
