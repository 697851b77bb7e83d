// SPDX-License-Identifier: MIT
// The built program with Orca, the screen reader, on a desktop with openbox: what a user who
// can't see the screen hears at the start, after Next, a section choice and Previous, and on
// Tab and Shift+Tab. Orca's debug log has every utterance.

#include "support/e2e_main.h"
#include "support/sandbox.h"
#include "support/scenes.h"
#include "support/screen_reader.h"
#include "support/tutorial_app.h"

#include "script/title_pages.h"
#include "script/tutorial_script.h"

#include <algorithm>
#include <memory>

using e2e::Desktop;
using e2e::ScreenReader;
using e2e::Tutorial;

namespace {
QString pageNumber(int scene) {
    return QStringLiteral("Page %1 of %2").arg(scene).arg(script::kScriptScenes);
}

// What the page says: its callout's text, or the words of its own page.
QString pageContent(int scene) {
    const script::Scene& record = e2e::scene(scene);
    if (!record.HelpText.isEmpty()) {
        return record.HelpText;
    }
    const script::TitlePage* page = script::titlePage(record.PictureFile);
    return page != nullptr ? script::spokenText(*page) : QString();
}

bool anyHolds(const QStringList& lines, const QString& text) {
    return std::any_of(lines.cbegin(), lines.cend(),
                       [&](const QString& line) { return e2e::holds(line, text); });
}
} // namespace

class TestScreenReaderE2E : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Desktop> desktop_;

    // Waits until Orca has told the page of `scene` since `from`, and checks that it told
    // nothing of the pages in `passedOver`. Returns where the next step's speech begins.
    static qsizetype expectPage(ScreenReader& reader, qsizetype from, int scene,
                                const QList<int>& passedOver = {},
                                const QStringList& alsoSaid = {}) {
        const QStringList said = reader.waitForSpeech(
            from, QStringList{pageNumber(scene), pageContent(scene)} + alsoSaid);
        for (int skipped : passedOver) {
            if (anyHolds(said, pageNumber(skipped)) || anyHolds(said, pageContent(skipped))) {
                QTest::qFail(qPrintable(QStringLiteral("Orca told page %1, which was passed "
                                                       "over:\n%2")
                                            .arg(skipped)
                                            .arg(said.join(u'\n'))),
                             __FILE__, __LINE__);
            }
        }
        return from + said.size();
    }

private Q_SLOTS:
    void initTestCase() {
        desktop_ = std::make_unique<Desktop>(Desktop::WindowManager::Openbox);
        QVERIFY2(desktop_->ok(), qPrintable(desktop_->error()));
        // Every page the walk comes to has something to say.
        for (int scene : {1, 2, 3, 27, 38, 39}) {
            QVERIFY2(!pageContent(scene).isEmpty(), qPrintable(pageNumber(scene)));
        }
    }

    void cleanupTestCase() { desktop_.reset(); }

    void speaksEachPageItComesToAndTheControlsTabReaches() {
        // GIVEN Orca, and then the tutorial started as a user starts it
        ScreenReader reader(*desktop_);
        E2E_CHECK(reader.start());
        e2e::Sandbox sandbox;
        QVERIFY(sandbox.ok());
        Tutorial tutorial(*desktop_,
                          {QStringLiteral(ORVANE_TUTORIAL_BINARY), sandbox.workingDirectory(),
                           false, sandbox.environment(*desktop_)});
        E2E_CHECK(tutorial.waitUntilReady());

        // THEN Orca says the window, the focused section list with its label, and the page
        qsizetype from = expectPage(
            reader, 0, 1, {}, {QStringLiteral("Orvane Tutorial"), QStringLiteral("Section:")});
        E2E_RETURN_IF_FAILED();

        // WHEN Alt+N is pressed twice in quick succession THEN only the page it ends on is told
        tutorial.key(QStringLiteral("alt+n alt+n"));
        E2E_CHECK(tutorial.waitForScene(3));
        from = expectPage(reader, from, 3, {2});
        E2E_RETURN_IF_FAILED();

        // WHEN the section list is chosen with Tab and Payables with two quick presses of Down
        tutorial.key(QStringLiteral("Tab"));
        reader.waitForSpeech(from, {QStringLiteral("Section:")});
        E2E_RETURN_IF_FAILED();
        from = reader.spoken().size();
        tutorial.key(QStringLiteral("Down Down"));
        E2E_CHECK(tutorial.waitForScene(39));
        // THEN Payables' opening page is told, and not Receivables' on the way
        from = expectPage(reader, from, 39, {27});
        E2E_RETURN_IF_FAILED();

        // WHEN Previous is pressed with its access key THEN the last page of Receivables is told
        tutorial.key(QStringLiteral("alt+p"));
        E2E_CHECK(tutorial.waitForScene(38));
        from = expectPage(reader, from, 38);
        E2E_RETURN_IF_FAILED();

        // WHEN Tab and Shift+Tab move the focus THEN each control is told with its role, and no
        // page
        tutorial.key(QStringLiteral("Tab"));
        QStringList said = reader.waitForSpeech(from, {QStringLiteral("Next push button")});
        E2E_RETURN_IF_FAILED();
        tutorial.key(QStringLiteral("shift+Tab"));
        said = reader.waitForSpeech(from, {QStringLiteral("Previous push button")});
        E2E_RETURN_IF_FAILED();
        QVERIFY2(!anyHolds(said, QStringLiteral("Page")), qPrintable(said.join(u'\n')));

        qInfo().noquote() << "Orca said:\n" << reader.spoken().join(u'\n');
    }
};

ORVANE_E2E_MAIN(TestScreenReaderE2E)
#include "test_e2e_screen_reader.moc"
