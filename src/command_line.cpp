// SPDX-License-Identifier: MIT
#include "command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace {
const auto kProgram = QStringLiteral("orvane-tutorial");

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    return arguments;
}

void print(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

QString helpText(const QCommandLineParser& parser) {
    // Without an application object the toolkit can't know the program's name for the usage line.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), kProgram);
    return text + QStringLiteral("\nThe standard options of Qt programs, such as -platform, also "
                                 "apply.\n");
}
} // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A guided tour of Orvane, a desktop accounting program, in 80 scenes."));
    // Qt's own options are words after one dash: -reverse must not read as -r -e -v -e ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the program's version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    // Unknown options are the toolkit's: they are not an error here.
    parser.parse(argumentsOf(argc, argv));
    if (parser.isSet(help)) {
        print(helpText(parser));
        return 0;
    }
    if (parser.isSet(version)) {
        print(kProgram + QLatin1Char(' ') + QStringLiteral(ORVANE_VERSION) + QLatin1Char('\n'));
        return 0;
    }
    return std::nullopt;
}
