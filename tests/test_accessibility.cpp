// SPDX-License-Identifier: MIT
// What a screen reader learns from the window: the roles that let it follow the focus, the
// label of the section list, the screenshot's words on the tutorial's own pages, and the page
// notice after presentations, once for quick presses, and only when the window is active.

#include "tutorial_test.h"

#include "script/title_pages.h"
#include "script/tutorial_script.h"
#include "window/accessibility.h"

#include <QAccessible>
#include <QSignalSpy>

namespace {

// The notices a window gives, as the toolkit publishes them to a screen reader.
class NoticeRecorder {
public:
    explicit NoticeRecorder(frmMain* window)
        : notice_(window->findChild<accessibility::PageNotice*>()),
          interface_(QAccessible::queryAccessibleInterface(notice_)),
          spy_(notice_, &accessibility::PageNotice::told) {}

    qsizetype count() const { return spy_.count(); }
    QString name() const { return interface_->text(QAccessible::Name); }
    QString description() const { return interface_->text(QAccessible::Description); }
    bool shown() const { return !interface_->state().invisible; }
    void clear() { spy_.clear(); }

private:
    accessibility::PageNotice* notice_;
    QAccessibleInterface* interface_;
    QSignalSpy spy_;
};

QString pageContent(const TestWindow& w, int scene) {
    const script::Scene& record = w.scenes(static_cast<platform::Int16>(scene));
    if (!record.HelpText.isEmpty()) {
        return record.HelpText;
    }
    return script::spokenText(*script::titlePage(record.PictureFile));
}

// The tutorial as the program starts it: loaded, shown and active.
void startActive(TestWindow& w) {
    w->Load();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window));
}

// Waits out the notice's rest, and a margin.
void letNoticesCome() {
    QTest::qWait(accessibility::PageNotice::kRestMs * 2);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rolesLetAReaderFollowTheFocus() {
        TestWindow w;
        const auto role = [](QObject* object) {
            return QAccessible::queryAccessibleInterface(object)->role();
        };
        // The window is the window, and the bar that holds the focusable controls is not one.
        QCOMPARE(role(w.window), QAccessible::Window);
        QCOMPARE(role(w->FrameHoldsControls), QAccessible::Grouping);
        // The section list is labelled "Section:".
        const auto labels = QAccessible::queryAccessibleInterface(w->cmbCurrentSection)
                                ->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.constFirst().first->object(), w->LabelSection);
        // The notice is the window's last child, and nothing on the screen.
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w.window);
        QAccessibleInterface* notice = window->child(window->childCount() - 1);
        QCOMPARE(notice->role(), QAccessible::Notification);
        QCOMPARE(window->indexOfChild(notice), window->childCount() - 1);
        QCOMPARE(notice->parent()->object(), w.window);
        QVERIFY(notice->rect().isEmpty());
        QVERIFY(notice->state().invisible); // until the first notice
    }

    void everyPageWithoutCalloutHasTheWordsOfItsPicture() {
        // The script's pages without a callout are exactly the pages the script words.
        TestWindow w;
        w->Load();
        for (int scene = 1; scene <= script::kScriptScenes; ++scene) {
            const script::Scene& record = w.scenes(static_cast<platform::Int16>(scene));
            const script::TitlePage* page = script::titlePage(record.PictureFile);
            QVERIFY2((page != nullptr) == record.HelpText.isEmpty(),
                     qPrintable(record.PictureFile));
            w->CurrentScene = static_cast<platform::Int16>(scene);
            w->SetCurrentScene();
            QCOMPARE(w->Image1->accessibleDescription(),
                     page != nullptr ? script::spokenText(*page) : record.PictureFile);
        }
    }

    void spokenWordsEndEachLineAsASentence() {
        const script::TitlePage page{QStringLiteral("Payables"),
                                     QStringLiteral("A few tips:"),
                                     {QStringLiteral("Vendors"), QStringLiteral("Done!")},
                                     QStringLiteral("Click Next.")};
        QCOMPARE(script::spokenText(page),
                 QStringLiteral("Payables. A few tips: Vendors. Done! Click Next."));
    }

    void noticeTellsThePageShown_data() {
        // N: Next, P: Previous, F: the first section, L: the last section, R: a resize, which
        // presents the page again; '.': 100 ms of the event loop, as between a reader's presses;
        // '?': no notice yet.
        QTest::addColumn<QByteArray>("steps");
        QTest::addColumn<int>("scene");
        QTest::newRow("the section already on the screen") << QByteArray("F") << 1;
        QTest::newRow("Next twice, to a callout") << QByteArray("NN") << 3;
        QTest::newRow("ten quick presses of Next") << QByteArray("NNNNNNNNNN") << 11;
        QTest::newRow("Next and Previous, back where it was") << QByteArray("NP") << 1;
        QTest::newRow("the last section and on to the end") << QByteArray("LNNNNNNN") << 80;
        QTest::newRow("Next pressed 100 to 300 ms apart") << QByteArray("N.N..N...N") << 5;
        QTest::newRow("a resize in the rest puts the notice off") << QByteArray("N...R...?") << 2;
    }
    void noticeTellsThePageShown() {
        QFETCH(QByteArray, steps);
        QFETCH(int, scene);
        // GIVEN the tutorial at its start, its first page told
        TestWindow w;
        startActive(w);
        NoticeRecorder notices(w.window);
        letNoticesCome();
        QCOMPARE(notices.count(), 1);
        notices.clear();
        // WHEN the user moves on without a pause
        for (char step : steps) {
            if (step == 'N') {
                w->btnNext->click();
            } else if (step == 'P') {
                w->btnPrevious->click();
            } else if (step == 'R') {
                w->resize(w->size() - QSize(10, 10));
            } else if (step == '.') {
                QTest::qWait(100);
            } else if (step == '?') {
                QCOMPARE(notices.count(), 0);
            } else {
                const int last = w->cmbCurrentSection->ListCount() - 1;
                w->cmbCurrentSection->setListIndex(step == 'F' ? 0 : last);
            }
        }
        // THEN one notice tells the page it ends on, and stays
        letNoticesCome();
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.name(), QStringLiteral("Page %1 of 80").arg(scene));
        QCOMPARE(notices.description(), pageContent(w, scene));
        QVERIFY(notices.shown());
    }

    void presentingThePageAgainTellsNothing() {
        // A resize shows the scene anew: the page is the one told.
        TestWindow w;
        startActive(w);
        NoticeRecorder notices(w.window);
        letNoticesCome();
        QCOMPARE(notices.count(), 1);
        w->Form_Resize();
        letNoticesCome();
        QCOMPARE(notices.count(), 1);
    }

    // A notice that comes due while another window has the keyboard is told when the tutorial
    // is active again, without any presentation in between.
    void noticeWaitsForTheWindowToBeActive() {
        TestWindow w;
        startActive(w);
        NoticeRecorder notices(w.window);
        letNoticesCome();
        notices.clear();
        w->btnNext->click();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        letNoticesCome();
        QCOMPARE(notices.count(), 0);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window));
        letNoticesCome();
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.name(), QStringLiteral("Page 2 of 80"));
    }
};

ORVANE_TEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
