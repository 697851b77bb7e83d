// SPDX-License-Identifier: MIT
// The section list raises Click only for a choice: code setting ListIndex, the mouse choosing an
// entry in the drop-down, or the arrow keys. Typing, Enter, Tab and the focus leaving choose
// nothing, complete nothing and add no entry. Driven with real key and mouse events.

#include "tutorial_test.h"

#include "platform/controls.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>

using platform::ComboBox;

class SectionListTest : public QObject {
    Q_OBJECT

    QWidget* host = nullptr;
    ComboBox* list = nullptr;
    QLineEdit* other = nullptr;

    void typeReplacing(const QString& text) {
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), text);
    }

private Q_SLOTS:
    void init() {
        host = new QWidget;
        list = new ComboBox(host);
        list->place(0, 0, 2160, 315);
        other = new QLineEdit(host);
        other->move(0, 40);
        for (const char* name : {"Tutorial Tips", "Navigation", "Receivables", "Payables"}) {
            list->AddItem(QLatin1String(name));
        }
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host));
        host->activateWindow();
        list->setFocus();
    }
    void cleanup() { delete host; }

    void settingListIndexRaisesClickEvenForTheSameEntry() {
        QSignalSpy clicks(list, &ComboBox::Click);
        QString textDuringClick;
        connect(list, &ComboBox::Click, this, [&] { textDuringClick = list->Text(); });
        list->setListIndex(2);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(textDuringClick, QStringLiteral("Receivables"));
        list->setListIndex(2);
        QCOMPARE(clicks.count(), 2);
    }

    void settingTextRaisesNothing() {
        QSignalSpy clicks(list, &ComboBox::Click);
        list->setText(QStringLiteral("Payables"));
        list->setText(QStringLiteral("anything at all"));
        QCOMPARE(list->Text(), QStringLiteral("anything at all"));
        QCOMPARE(clicks.count(), 0);
    }

    void typingChoosesCompletesAndAddsNothing() {
        QSignalSpy clicks(list, &ComboBox::Click);
        typeReplacing(QStringLiteral("pay"));
        QCOMPARE(list->Text(), QStringLiteral("pay")); // no completion to "Payables"
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        QCOMPARE(list->Text(), QStringLiteral("pay"));
        typeReplacing(QStringLiteral("Payables")); // an exact entry, then Enter and Tab
        QTest::keyClick(list->lineEdit(), Qt::Key_Enter);
        QTest::keyClick(list->lineEdit(), Qt::Key_Tab);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(list->ListCount(), 4);
        QCOMPARE(list->ListIndex(), 0);
    }

    void focusLeavingChoosesNothing() {
        QSignalSpy clicks(list, &ComboBox::Click);
        typeReplacing(QStringLiteral("Navigation"));
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(list->ListIndex(), 0);
    }

    void arrowKeysChooseTheNeighbouringEntry() {
        QSignalSpy clicks(list, &ComboBox::Click);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(list->Text(), QStringLiteral("Navigation"));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(list->Text(), QStringLiteral("Navigation"));
    }

    void arrowKeysMoveOnFromTheSectionShown() {
        list->setText(QStringLiteral("Receivables"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->Text(), QStringLiteral("Payables"));
    }

    void mouseChoosesAnEntryAlsoTheOneSelected() {
        QSignalSpy clicks(list, &ComboBox::Click);
        for (int entry : {3, 3}) {
            list->showPopup();
            QAbstractItemView* view = list->view();
            QTRY_VERIFY(view->isVisible());
            QTest::qWait(QApplication::doubleClickInterval() +
                         50); // the popup ignores a click at once
            const QRect row = view->visualRect(view->model()->index(entry, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
            QTRY_VERIFY(!view->isVisible());
        }
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(list->Text(), QStringLiteral("Payables"));
    }

    void wheelChoosesNothing() {
        QSignalSpy clicks(list, &ComboBox::Click);
        const QPoint centre = list->rect().center();
        QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(list->ListIndex(), 0);
    }
};

ORVANE_TEST_MAIN(SectionListTest)
#include "test_section_list.moc"
