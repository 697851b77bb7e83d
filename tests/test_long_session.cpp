// SPDX-License-Identifier: MIT
// A long session: 1,000 presentations across all 80 scenes with their real screenshots, glides
// included (their pauses skipped). Nothing may pile up: no widget, no object, and, in the
// sanitizer build, no leaked allocation of ours (LeakSanitizer checks here and again at exit,
// with the suppressions for the toolkit's and the system's own leaks).

#include "tutorial_test.h"

#include "script/tutorial_script.h"

#include <QDir>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {
constexpr int kPresentations = 1000;

int objectsUnder(const QObject* root) {
    return static_cast<int>(root->findChildren<QObject*>().size());
}
} // namespace

class LongSessionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void thousandPresentationsLeaveNothingBehind() {
        const QStringList pictures =
            QDir(QCoreApplication::applicationDirPath())
                .entryList({QStringLiteral("*.GIF"), QStringLiteral("*.gif")});
        if (pictures.size() < script::kScriptScenes) {
            QSKIP("the screenshots are not beside the test");
        }
        TestWindow w;
        w->Load();
        w->showFillingScreen();
        QVERIFY(QTest::qWaitForWindowExposed(w.window));

        int objectsAfterFirstRound = 0;
        for (int i = 0; i < kPresentations; ++i) {
            w->CurrentScene = static_cast<platform::Int16>(1 + i % w->NumberOfScenes);
            w->SetCurrentScene();
            QCoreApplication::processEvents(); // the deferred repaints, as between two clicks
            if (i == w->NumberOfScenes - 1) {
                objectsAfterFirstRound = objectsUnder(w.window);
            }
        }
        const int last = 1 + (kPresentations - 1) % script::kScriptScenes;
        QCOMPARE(w->labelPageNumber->Caption(),
                 QStringLiteral("Page  %1 of  %2").arg(last).arg(script::kScriptScenes));
        QCOMPARE(objectsUnder(w.window), objectsAfterFirstRound);
#if defined(__SANITIZE_ADDRESS__)
        QCOMPARE(__lsan_do_recoverable_leak_check(), 0);
#endif
    }
};

ORVANE_TEST_MAIN(LongSessionTest)
#include "test_long_session.moc"
