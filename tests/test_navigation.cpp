// SPDX-License-Identifier: MIT
// Start-up and moving through the tutorial: the section list, Next, Previous and Exit, on the
// real script and the real window.

#include "tutorial_test.h"

#include "script/tutorial_script.h"

#include <QShortcutEvent>
#include <QSignalSpy>

using platform::Int16;
using script::kScriptScenes;

namespace {
// Chooses the section in the list, as a click on its entry does; false if there is none.
bool choose(TestWindow& w, const char* section) {
    const int entry = w->cmbCurrentSection->findText(QLatin1String(section));
    if (entry < 0) {
        return false;
    }
    w->cmbCurrentSection->setListIndex(entry);
    return true;
}

QString pageLabel(int scene) {
    return QStringLiteral("Page  %1 of  %2").arg(scene).arg(kScriptScenes);
}

void goTo(TestWindow& w, int scene) {
    w->CurrentScene = Int16(scene);
    w->SetCurrentScene();
}
} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpPresentsSceneOne() {
        TestWindow w;
        w->Load();
        QStringList entries;
        for (int i = 0; i < w->cmbCurrentSection->ListCount(); ++i) {
            entries << w->cmbCurrentSection->List(i);
        }
        QCOMPARE(entries,
                 QStringList({QStringLiteral("Tutorial Tips"), QStringLiteral("Navigation"),
                              QStringLiteral("Receivables"), QStringLiteral("Payables"),
                              QStringLiteral("Inventory"), QStringLiteral("Payroll"),
                              QStringLiteral("General Ledger"), QStringLiteral("Reports/Forms"),
                              QStringLiteral("Company")}));
        QCOMPARE(w->cmbCurrentSection->Text(), QStringLiteral("Tutorial Tips"));
        QCOMPARE(w->CurrentScene, Int16(1));
        QCOMPARE(w->labelPageNumber->Caption(), pageLabel(1));
        QVERIFY(w->Image1->isVisibleTo(w.window));
        QVERIFY(!w->btnPrevious->isEnabled());
        QVERIFY(w->btnNext->isEnabled());
    }

    void nextAndPreviousAtTheEnds() {
        TestWindow w;
        w->Load();
        goTo(w, kScriptScenes - 1);
        w->btnNext_Click();
        QCOMPARE(w->CurrentScene, Int16(kScriptScenes));
        QCOMPARE(w->labelPageNumber->Caption(), pageLabel(kScriptScenes));
        QVERIFY(!w->btnNext->isEnabled());
        QVERIFY(w->btnPrevious->isEnabled());
        w->btnPrevious_Click();
        QCOMPARE(w->CurrentScene, Int16(kScriptScenes - 1));
        QVERIFY(w->btnNext->isEnabled());
        goTo(w, 2);
        w->btnPrevious_Click();
        QCOMPARE(w->CurrentScene, Int16(1));
        QVERIFY(!w->btnPrevious->isEnabled());
        w->btnNext_Click();
        QCOMPARE(w->CurrentScene, Int16(2));
        QVERIFY(w->btnPrevious->isEnabled());
    }

    void sectionChoiceGoesToItsFirstScene_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("to");
        QTest::newRow("Receivables from 5") << 5 << QStringLiteral("Receivables") << 27;
        QTest::newRow("Navigation from 10") << 10 << QStringLiteral("Navigation") << 2;
        QTest::newRow("Reports/Forms") << 30 << QStringLiteral("Reports/Forms") << 64;
        QTest::newRow("Tutorial Tips") << 44 << QStringLiteral("Tutorial Tips") << 1;
    }
    void sectionChoiceGoesToItsFirstScene() {
        QFETCH(int, from);
        QFETCH(QString, section);
        QFETCH(int, to);
        TestWindow w;
        w->Load();
        goTo(w, from);
        QVERIFY(choose(w, qPrintable(section)));
        QCOMPARE(w->CurrentScene, Int16(to));
        QCOMPARE(w->labelPageNumber->Caption(), pageLabel(to));
        QCOMPARE(w->cmbCurrentSection->Text(), section);
    }

    // A section choice leaves both buttons as the new scene allows, as Next and Previous do.
    void sectionChoiceFromTheEndsKeepsNavigationUsable() {
        TestWindow w;
        w->Load();
        QVERIFY(choose(w, "Payables"));
        QCOMPARE(w->CurrentScene, Int16(39));
        QVERIFY(w->btnPrevious->isEnabled());
        QVERIFY(w->btnNext->isEnabled());
        w->btnPrevious_Click();
        QCOMPARE(w->CurrentScene, Int16(38));
        QCOMPARE(w->cmbCurrentSection->Text(), QStringLiteral("Payables")); // no section at 38
        goTo(w, kScriptScenes - 1);
        w->btnNext_Click();
        QVERIFY(!w->btnNext->isEnabled());
        QVERIFY(choose(w, "Company"));
        QCOMPARE(w->CurrentScene, Int16(73));
        QVERIFY(w->btnNext->isEnabled());
        QVERIFY(choose(w, "Tutorial Tips"));
        QVERIFY(!w->btnPrevious->isEnabled());
    }

    void textMatchingNoSectionChangesNothing() {
        TestWindow w;
        w->Load();
        goTo(w, 12);
        w->btnPrevious->setEnabled(true);
        for (const char* text : {"receivables", "Receivables ", "Company/"}) {
            w->cmbCurrentSection->setText(QLatin1String(text));
            w->cmbCurrentSection_Click();
            QCOMPARE(w->CurrentScene, Int16(12));
            QCOMPARE(w->labelPageNumber->Caption(), pageLabel(12));
            QVERIFY(w->btnPrevious->isEnabled() && w->btnNext->isEnabled());
        }
    }

    void walkingForwardAndBackVisitsEverySceneInOrder() {
        TestWindow w;
        w->Load();
        QList<int> visited{w->CurrentScene};
        while (w->btnNext->isEnabled()) {
            w->btnNext_Click();
            visited << w->CurrentScene;
            QCOMPARE(w->labelPageNumber->Caption(), pageLabel(w->CurrentScene));
        }
        while (w->btnPrevious->isEnabled()) {
            w->btnPrevious_Click();
            visited << w->CurrentScene;
            QCOMPARE(w->labelPageNumber->Caption(), pageLabel(w->CurrentScene));
        }
        QList<int> expected;
        for (int i = 1; i <= kScriptScenes; ++i) {
            expected << i;
        }
        for (int i = kScriptScenes - 1; i >= 1; --i) {
            expected << i;
        }
        QCOMPARE(visited, expected);
    }

    // The access keys themselves are pressed in the end-to-end tests: the offscreen platform
    // delivers no shortcuts.
    void accessKeysSpaceAndClicks() {
        TestWindow w;
        w->Load();
        QCOMPARE(w->btnNext->shortcut(), QKeySequence(Qt::ALT | Qt::Key_N));
        QCOMPARE(w->btnPrevious->shortcut(), QKeySequence(Qt::ALT | Qt::Key_P));
        QCOMPARE(w->btnExit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_E));
        w->showFillingScreen();
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        QTest::mouseClick(w->btnNext, Qt::LeftButton);
        QTest::keyClick(w->btnNext, Qt::Key_Space);
        QCOMPARE(w->CurrentScene, Int16(3));
        QTest::mouseClick(w->btnPrevious, Qt::LeftButton);
        QCOMPARE(w->CurrentScene, Int16(2));
        QTest::mouseClick(w->btnExit, Qt::LeftButton);
        QTRY_VERIFY(!w->isVisible());
    }

    // Each press of an access key is a click of its own, however quickly the presses follow.
    void quickAccessKeysAreNotLost() {
        TestWindow w;
        w->Load();
        for (int press = 0; press < 3; ++press) {
            QShortcutEvent alt(w->btnNext->shortcut(), 0);
            QApplication::sendEvent(w->btnNext, &alt);
        }
        QCOMPARE(w->CurrentScene, Int16(4));
        w->btnNext->setEnabled(false);
        QShortcutEvent alt(w->btnNext->shortcut(), 0);
        QApplication::sendEvent(w->btnNext, &alt);
        QCOMPARE(w->CurrentScene, Int16(4));
    }

    void windowFillsTheScreen() {
        TestWindow w;
        w->Load();
        w->showFillingScreen();
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        QCOMPARE(w->geometry(), QGuiApplication::primaryScreen()->availableGeometry());
        QCOMPARE(w->Width(), 1024.0f * 15);
        QCOMPARE(w->FrameHoldsControls->Width(), 1024.0f * 15);
        QCOMPARE(w->FrameHoldsControls->Top(), 768.0f * 15 - 435);
    }
};

ORVANE_TEST_MAIN(NavigationTest)
#include "test_navigation.moc"
