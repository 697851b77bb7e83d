// SPDX-License-Identifier: MIT
#pragma once

// Orca, the screen reader of Debian's desktops, on the test's desktop: with the accessibility
// registry it needs, a home and preferences of its own, no speech synthesizer and so no sound
// device, and its debug log. The log's "SPEECH OUTPUT:" lines are what Orca says, word for word,
// whether or not a synthesizer speaks them.

#include "x_session.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace e2e {

class ScreenReader {
public:
    explicit ScreenReader(const Desktop& desktop);
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // Starts the registry and Orca, and waits until Orca has said that it is on. Reports
    // problems through QtTest.
    void start();

    // Everything Orca has said so far, one utterance a line, as its log has it.
    QStringList spoken() const;
    // Waits until the utterances from index `from` on hold every one of `texts` (each contained
    // in one utterance; runs of spaces count as one). Returns those utterances; reports through
    // QtTest if they don't come.
    QStringList waitForSpeech(qsizetype from, const QStringList& texts);

    QString logFile() const { return directory_.filePath(QStringLiteral("orca-debug.out")); }

private:
    void startRegistry();
    void startOrca();
    QString logTail() const;

    const Desktop& desktop_;
    QTemporaryDir directory_;
    QProcess registry_;
    QProcess orca_;
};

// Whether `line` holds `text`, with any run of white space in either counting as one space.
bool holds(const QString& line, const QString& text);

} // namespace e2e
