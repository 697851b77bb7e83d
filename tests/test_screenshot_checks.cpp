// SPDX-License-Identifier: MIT
// The screenshot generator's own checks catch what they are there to catch: each check of the
// sample company's books fails on books with one fault sown in, and each rule a picture keeps
// fails on a small screen that breaks it, while the sound books and screens pass.

#include "books.h"
#include "forms.h"
#include "look.h"
#include "rules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace shots;

namespace {

using Fault = void (*)(books::Books&);
using Build = void (*)(Screen&);

// The scenes the screens are tried with: no text and no pointer; a text whose callout sits near
// the top left corner; a pointer that glides to the middle of the picture.
enum SceneShape { Quiet, Callout, Pointer };

script::Scene sceneOf(int shape) {
    script::Scene scene;
    if (shape == Callout) {
        scene.HelpText = u"The Filter button narrows the list to what you ask for."_s;
        scene.HelpTop = 3000; // the plate at (12,192), clear of the main window's menus and tools
        scene.HelpLeft = 300;
    } else if (shape == Pointer) {
        scene.MouseX = 4800; // (320, 240) in pixels
        scene.MouseY = 3600;
    }
    return scene;
}

QPushButton* button(Screen& s, const QString& text, const QRect& r) {
    auto* b = new QPushButton(text, &s);
    b->setGeometry(r);
    return b;
}

// A place of the picture well clear of the callout of the Callout scene.
const QRect kClear(420, 380, 120, 30);

// ---- Screens, each with one fault or none ----

void filterButton(Screen& s) {
    s.explain(button(s, u"&Filter"_s, kClear), u"Filter"_s);
}

// A frame over the Filter button, from `from` to `to` pixels of it: the whole button, or the
// first or last letters of its label (the button is 120 wide and its label centred).
void filterButtonUnderFrame(Screen& s, int from = -10, int to = 130) {
    filterButton(s);
    auto* over = new QFrame(&s);
    over->setAutoFillBackground(true);
    over->setGeometry(QRect(kClear.left() + from, kClear.top() - 10, to - from, 50));
}

void filterButtonUnderCallout(Screen& s) {
    const QRect callout = calloutArea(sceneOf(Callout));
    s.explain(button(s, u"Filter"_s, QRect(callout.topLeft() + QPoint(10, 3), QSize(100, 24))),
              u"Filter"_s);
}

// A label wholly under the plate of the Callout scene, and a button its right edge runs through.
void sortByUnderCallout(Screen& s) {
    filterButton(s);
    const QRect callout = calloutArea(sceneOf(Callout));
    (new QLabel(u"Sort By"_s, &s))->setGeometry(150, callout.top() + 6, 60, 16);
}

void buttonAcrossCalloutEdge(Screen& s) {
    filterButton(s);
    const QRect callout = calloutArea(sceneOf(Callout));
    button(s, u"Inactive"_s, QRect(callout.right() - 30, callout.top() + 4, 80, 22));
}

// A tool button's label with no icon, its letters centred, across the plate's right edge.
void toolLabelAcrossCalloutEdge(Screen& s) {
    filterButton(s);
    const QRect callout = calloutArea(sceneOf(Callout));
    auto* tool = new QToolButton(&s);
    tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tool->setText(u"Journal"_s);
    tool->setGeometry(callout.right() - 20, callout.top() + 4, 70, 26);
}

// An editable combo box's text, drawn by the line edit inside it, across the plate's right edge.
void fieldAcrossCalloutEdge(Screen& s) {
    filterButton(s);
    const QRect callout = calloutArea(sceneOf(Callout));
    auto* combo = new QComboBox(&s);
    combo->setEditable(true);
    combo->setEditText(u"Greenway Landscaping"_s);
    combo->setGeometry(callout.right() - 60, callout.top() + 4, 160, 22);
}

// A field whose letters stand clear of the plate while its box runs `into` pixels under it: a
// line edit, or an editable combo box, whose box holds a line edit of its own.
void fieldBoxUnderPlate(Screen& s, int into, bool combo = false) {
    filterButton(s);
    const QRect callout = calloutArea(sceneOf(Callout));
    QWidget* field = new QLineEdit(u"Oak"_s, &s);
    if (combo) {
        delete field;
        auto* box = new QComboBox(&s);
        box->setEditable(true);
        box->setEditText(u"Oak"_s);
        field = box;
    }
    field->setGeometry(callout.right() + 2 - into, callout.top() + 4, 120, 20);
}

// A spin box across the plate's right edge, its figures cut too.
void spinBoxAcrossPlate(Screen& s) {
    filterButton(s);
    const QRect callout = calloutArea(sceneOf(Callout));
    auto* spin = new QSpinBox(&s);
    spin->setRange(0, 99999);
    spin->setValue(46120);
    spin->setGeometry(callout.right() - 8, callout.top() + 2, 100, 24);
}

// The arrow to the last record, its square across the plate's left edge, its glyph `clear`
// pixels left of it.
void arrowBesidePlate(Screen& s, int clear) {
    filterButton(s);
    const QRect callout = calloutArea(sceneOf(Callout));
    auto* last = new QToolButton(&s);
    last->setIcon(QIcon(glyph(Glyph::Last, 18)));
    last->setIconSize(QSize(18, 18));
    last->setToolTip(u"Last"_s);
    last->setGeometry(callout.left() - 12 - clear, callout.top() + 2, 20, 26);
}

// A text that ends `gap` pixels above the plate of the Callout scene. Its place is the label's
// whole rectangle: rich text.
void textAbovePlate(Screen& s, int gap) {
    filterButton(s);
    const QRect callout = calloutArea(sceneOf(Callout));
    (new QLabel(u"<b>Sort By</b>"_s, &s))
        ->setGeometry(callout.left() + 20, callout.top() - gap - 16, 60, 16);
}

// An explained button whose right edge lies `over` pixels past the picture's.
void buttonAtRightEdge(Screen& s, int over) {
    s.explain(button(s, u"Filter"_s, QRect(kWidth - 100 + over, 380, 100, 30)), u"Filter"_s);
}

// Eight rows and no scroll bar, in a list `cut` pixels too low for the last.
void eightRows(Screen& s, int cut) {
    auto* list = new QListWidget(&s);
    for (int i = 1; i <= 8; ++i) {
        list->addItem(u"Customer %1"_s.arg(i));
    }
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setGeometry(20, 20, 200, 8 * list->sizeHintForRow(0) + 2 * list->frameWidth() - cut);
}

void targetAtPointer(Screen& s) {
    s.pointAt(button(s, u"Save"_s, QRect(280, 226, 80, 28)), u"Save"_s);
}

void targetBesidePointer(Screen& s) {
    s.pointAt(button(s, u"Save"_s, QRect(380, 226, 80, 28)), u"Save"_s);
}

void narrowLabel(Screen& s) {
    (new QLabel(u"Customer Account Balance"_s, &s))->setGeometry(20, 20, 60, 20);
}

void wideLabel(Screen& s) {
    (new QLabel(u"Customer Account Balance"_s, &s))->setGeometry(20, 20, 300, 20);
}

// A tool button of words alone, with `spare` pixels beside its label: it needs 4.
void wordButton(Screen& s, int spare) {
    auto* tool = new QToolButton(&s);
    tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tool->setText(u"Journal"_s);
    tool->setGeometry(20, 20, tool->fontMetrics().horizontalAdvance(tool->text()) + spare, 26);
}

// A check box as wide as its text needs, or `spare` pixels more or less.
void checkBox(Screen& s, int spare) {
    auto* box = new QCheckBox(u"Remind me to back up"_s, &s);
    box->setGeometry(QRect(kClear.topLeft(), box->sizeHint() + QSize(spare, 0)));
}

void columnsWiderThanTheList(Screen& s) {
    auto* table = new QTableWidget(1, 3, &s);
    table->setGeometry(20, 20, 150, 100);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < 3; ++c) {
        table->setColumnWidth(c, 80);
    }
}

// A label exactly as wide as its text in the picture's hinted letters.
void labelJustWideEnough(Screen& s) {
    filterButton(s);
    auto* label = new QLabel(u"Customer Account Balance"_s, &s);
    label->setGeometry(
        20, 20, label->fontMetrics().boundingRect(QRect(0, 0, 1000, 20), 0, label->text()).width(),
        20);
}

// The same label, and a check box, with the room the copy at twice the density asks for.
void widenedForTheCopy(Screen& s) {
    labelJustWideEnough(s);
    auto* label = s.findChild<QLabel*>();
    label->resize(label->width() + unhintedSurplus(label->font(), label->text()), 20);
    checkAt(&s, QPoint(20, 50), u"Remind me to back up when I close the company"_s, true);
}

void buttonOutsideItsFrame(Screen& s) {
    auto* holder = new QFrame(&s);
    holder->setGeometry(20, 20, 200, 100);
    (new QPushButton(u"OK"_s, holder))->setGeometry(160, 40, 75, 26);
}

// Twenty rows in a list eight rows high, or eight and a half.
QListWidget* longList(Screen& s, Qt::ScrollBarPolicy bars, bool halfRow = true) {
    auto* list = new QListWidget(&s);
    for (int i = 1; i <= 20; ++i) {
        list->addItem(u"Customer %1"_s.arg(i));
    }
    list->setVerticalScrollBarPolicy(bars);
    const int row = list->sizeHintForRow(0);
    list->setGeometry(20, 20, 200, 8 * row + (halfRow ? row / 2 : 0) + 2 * list->frameWidth());
    return list;
}

void listWithHalfRow(Screen& s) {
    longList(s, Qt::ScrollBarAlwaysOff);
}

void listThatScrolls(Screen& s) {
    longList(s, Qt::ScrollBarAsNeeded, false);
}

void listThatScrollsToHalfARow(Screen& s) {
    longList(s, Qt::ScrollBarAsNeeded);
}

void amountFromTheBooks(Screen& s) {
    labelAt(&s, kClear, books::money(132492));
}

void amountTypedIn(Screen& s) {
    labelAt(&s, kClear, u"1,324.93"_s);
}

void cellWiderThanColumn(Screen& s) {
    auto* table = new QTableWidget(1, 1, &s);
    table->setGeometry(20, 20, 300, 100);
    table->setColumnWidth(0, 40);
    table->setItem(0, 0, new QTableWidgetItem(u"Greenway Landscaping"_s));
}

// The Invoices window as the scenes show it, and each way a scene could draw it otherwise.
ChildWindow* invoicesWindow(Screen& s, const QRect& r = QRect(20, 100, 400, 300)) {
    ChildWindow* w = s.addWindow(u"Invoices"_s, r);
    FormPane form(w->body(), 8, 8, 90);
    form.lookup(u"Customer ID:"_s, u"GREENWAY"_s, 100);
    form.date(u"Date:"_s, u"03/02/27"_s);
    return w;
}

void invoicesMoved(Screen& s) {
    invoicesWindow(s, QRect(20, 122, 400, 300));
}

void invoicesResized(Screen& s) {
    invoicesWindow(s, QRect(20, 100, 400, 240));
}

void invoicesWithPayment(Screen& s) {
    FormPane form(invoicesWindow(s)->body(), 8, 60, 90);
    form.money(u"Amount Paid:"_s, u"0.00"_s);
}

} // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Build)

class TestScreenshotChecks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(setUpLook(*qApp), QString()); }

    void soundBooksAgree() { QCOMPARE(books::check(), QStringList()); }

    void booksWithAFault_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unbalanced journal entry")
            << Fault(+[](books::Books& b) { b.journalEntries[1][1].credit -= 1; })
            << u"a journal entry: debits 33.60, credits 33.59"_s;
        QTest::newRow("invoice after the program's date")
            << Fault(+[](books::Books& b) { b.invoices.last().date = QDate(2027, 3, 16); })
            << u"invoice 10483 is dated 03/16/27, after the program's date"_s;
        QTest::newRow("aging that does not add up")
            << Fault(+[](books::Books& b) { b.receipts[0].applied[0].invoice = 10999; })
            << u"aging of Hillcrest Nursery does not add up"_s;
        QTest::newRow("reconciliation off by a cent")
            << Fault(+[](books::Books& b) { b.statement += 1; })
            << u"the reconciliation is off by 0.01"_s;
        QTest::newRow("checks out of date order") << Fault(+[](books::Books& b) {
            std::swap(b.checks[2].check.date, b.checks[3].check.date);
        }) << u"check 4480 is out of order"_s;
        QTest::newRow("account missing from the chart")
            << Fault(+[](books::Books& b) { b.items[0].salesAccount = u"4099"_s; })
            << u"account 4099 is not in the chart"_s;
        QTest::newRow("unknown customer")
            << Fault(+[](books::Books& b) { b.invoices[0].customer = u"NOBODY"_s; })
            << u"invoice 10433 names no known customer"_s;
        QTest::newRow("unknown payee")
            << Fault(+[](books::Books& b) { b.checks[0].check.payee = u"NOBODY"_s; })
            << u"check 4410 pays no known vendor"_s;
        QTest::newRow("job earns more than its customer was invoiced")
            << Fault(+[](books::Books& b) { b.invoices[11].job = u"GW-MAPLE"_s; })
            << u"job GW-MAPLE earned more"_s;
        QTest::newRow("stock below zero") << Fault(+[](books::Books& b) { b.roseAtStart = 10; })
                                          << u"more roses sold and written off than were on hand"_s;
        QTest::newRow("receipt that applies more than it brings")
            << Fault(+[](books::Books& b) { b.receipts.last().amount -= 100; })
            << u"Check 5521 brings 1,808.86 but applies 1,809.86"_s;
        QTest::newRow("payment that is not its bills less discounts")
            << Fault(+[](books::Books& b) { b.purchases.last().paidBy = 4482; })
            << u"check 4482 is 1,146.59, its bills less discounts 1,464.59"_s;
        QTest::newRow("receipt applied to another customer's invoice")
            << Fault(+[](books::Books& b) { b.receipts.last().applied[0].invoice = 10471; })
            << u"Check 5521 pays invoice 10471, which its customer doesn't owe"_s;
        QTest::newRow("receipt applying more than an invoice owes") << Fault(+[](books::Books& b) {
            b.receipts.last().applied[0].amount += 1;
            b.receipts.last().amount += 1;
        }) << u"Check 5521 pays invoice 10472, which its customer doesn't owe"_s;
        QTest::newRow("check that pays a purchase order")
            << Fault(+[](books::Books& b) { b.purchases[b.purchases.size() - 2].order = true; })
            << u"check 4482 pays GL-55230, not a bill of its payee"_s;
        QTest::newRow("check larger than its bills") << Fault(+[](books::Books& b) {
            for (auto& c : b.checks) {
                c.check.amount += c.check.number == 4482 ? 100 : 0;
            }
        }) << u"check 4482 is 1,147.59, its bills less discounts 1,146.59"_s;
        QTest::newRow("payroll check after the program's date")
            << Fault(+[](books::Books& b) { b.payroll[0].date = QDate(2027, 3, 16); })
            << u"payroll check 2216 is dated after the program's date"_s;
        QTest::newRow("payroll that withholds more than the gross pay")
            << Fault(+[](books::Books& b) { b.payroll[0].federalIncomeTax = 200000; })
            << u"payroll check 2216 withholds"_s;
        QTest::newRow("two checks with one number")
            << Fault(+[](books::Books& b) { b.checks[3].check.number = b.checks[2].check.number; })
            << u"check 4479 is out of order"_s;
        QTest::newRow("payroll check that withholds all its gross pay")
            << Fault(+[](books::Books& b) {
                   b.payroll[0].federalIncomeTax += books::netPay(b.payroll[0]);
               })
            << u"payroll check 2216 withholds"_s;
        QTest::newRow("frost damage beyond the stock")
            << Fault(+[](books::Books& b) { b.roseFrostDamage = books::roseOnHand(1) + 1; })
            << u"more roses sold and written off than were on hand"_s;
        QTest::newRow("an item with two prices")
            << Fault(+[](books::Books& b) { b.items << b.items[0]; })
            << u"item MUL-CED-2 has two prices"_s;
    }

    void booksWithAFault() {
        QFETCH(Fault, fault);
        QFETCH(QString, expected);
        books::Books faulty = books::sampleBooks();
        fault(faulty);
        const QStringList found = books::check(faulty);
        QVERIFY2(found.join(u'\n').contains(expected), qPrintable(found.join(u'\n')));
        // The run's own books are what they were.
        QCOMPARE(books::check(), QStringList());
    }

    void screenRules_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<Build>("build");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("expected"); // empty: no problem at all

        QTest::newRow("named button shown")
            << int(Callout) << Build(filterButton) << u"button:Filter"_s << QString();
        QTest::newRow("named button missing")
            << int(Callout) << Build(filterButton) << u"button:Print"_s << u"lacks"_s;
        QTest::newRow("named button covered")
            << int(Callout) << Build([](Screen& s) { filterButtonUnderFrame(s); }) << u"Filter"_s
            << u"lies hidden"_s;
        QTest::newRow("named button's first letter covered")
            << int(Callout) << Build([](Screen& s) { filterButtonUnderFrame(s, -10, 52); })
            << u"Filter"_s << u"lies hidden"_s;
        QTest::newRow("named button's last letter covered")
            << int(Callout) << Build([](Screen& s) { filterButtonUnderFrame(s, 70, 130); })
            << u"Filter"_s << u"lies hidden"_s;
        QTest::newRow("named icon-only toolbar button")
            << int(Quiet) << Build([](Screen&) {}) << u"Customers"_s << u"lacks"_s;
        QTest::newRow("text wholly under the callout")
            << int(Callout) << Build(sortByUnderCallout) << QString() << QString();
        QTest::newRow("named text under the callout")
            << int(Callout) << Build(sortByUnderCallout) << u"Sort By"_s
            << u"\"Sort By\", which lies under the callout"_s;
        QTest::newRow("text cut by the callout's edge")
            << int(Callout) << Build(buttonAcrossCalloutEdge) << QString()
            << u"the callout's right edge cuts the button \"Inactive\""_s;
        QTest::newRow("a field's text cut by the callout's edge")
            << int(Callout) << Build(fieldAcrossCalloutEdge) << QString()
            << u"the callout's right edge cuts the field \"Greenway Landscaping\""_s;
        QTest::newRow("a tool button's label cut by the callout's edge")
            << int(Callout) << Build(toolLabelAcrossCalloutEdge) << QString()
            << u"the callout's right edge cuts the button \"Journal\""_s;
        QTest::newRow("a field's box across the callout's edge, its letters clear")
            << int(Callout) << Build([](Screen& s) { fieldBoxUnderPlate(s, 1); }) << QString()
            << u"the callout's right edge cuts the field box"_s;
        QTest::newRow("a combo box's box across the callout's edge, its letters clear")
            << int(Callout) << Build([](Screen& s) { fieldBoxUnderPlate(s, 1, true); }) << QString()
            << u"the callout's right edge cuts the field box"_s;
        QTest::newRow("a spin box's figures and box cut, told once")
            << int(Callout) << Build(spinBoxAcrossPlate) << QString()
            << u"the callout's right edge cuts the field \"46120\""_s;
        QTest::newRow("a field's box a pixel clear of the plate")
            << int(Callout) << Build([](Screen& s) { fieldBoxUnderPlate(s, 0); }) << QString()
            << QString();
        QTest::newRow("an arrow's glyph cut by the callout's edge")
            << int(Callout) << Build([](Screen& s) { arrowBesidePlate(s, 0); }) << QString()
            << u"the callout's left edge cuts the button \"Last\""_s;
        QTest::newRow("an arrow's glyph clear, its square across the edge")
            << int(Callout) << Build([](Screen& s) { arrowBesidePlate(s, 5); }) << QString()
            << QString();
        QTest::newRow("text touching the plate")
            << int(Callout) << Build([](Screen& s) { textAbovePlate(s, 0); }) << QString()
            << u"the callout's top edge cuts the label"_s;
        QTest::newRow("text a pixel clear of the plate")
            << int(Callout) << Build([](Screen& s) { textAbovePlate(s, 1); }) << QString()
            << QString();
        QTest::newRow("explained element under the callout")
            << int(Callout) << Build(filterButtonUnderCallout) << QString()
            << u"lies under the callout"_s;
        QTest::newRow("explained element at the picture's edge")
            << int(Quiet) << Build([](Screen& s) { buttonAtRightEdge(s, 0); }) << QString()
            << QString();
        QTest::newRow("explained element a pixel outside the picture")
            << int(Quiet) << Build([](Screen& s) { buttonAtRightEdge(s, 1); }) << QString()
            << u"\"Filter\" reaches outside the picture"_s;
        QTest::newRow("pointer on its target")
            << int(Pointer) << Build(targetAtPointer) << QString() << QString();
        QTest::newRow("pointer beside its target")
            << int(Pointer) << Build(targetBesidePointer) << QString() << u"misses \"Save\""_s;
        QTest::newRow("label wide enough")
            << int(Quiet) << Build(wideLabel) << QString() << QString();
        QTest::newRow("label narrower than its text")
            << int(Quiet) << Build(narrowLabel) << QString()
            << u"\"Customer Account Balance\" does not fit its widget"_s;
        QTest::newRow("button outside its frame")
            << int(Quiet) << Build(buttonOutsideItsFrame) << QString()
            << u"a QPushButton at (180,60 75x26) is cut by what holds it"_s;
        QTest::newRow("list with a scroll bar")
            << int(Quiet) << Build(listThatScrolls) << QString() << QString();
        QTest::newRow("list with a scroll bar, ending in half a row")
            << int(Quiet) << Build(listThatScrollsToHalfARow) << QString()
            << u"ends in half a row"_s;
        QTest::newRow("list with a half row and no scroll bar")
            << int(Quiet) << Build(listWithHalfRow) << QString()
            << u"rows cut off without a scroll bar"_s;
        QTest::newRow("list whose rows fit exactly")
            << int(Quiet) << Build([](Screen& s) { eightRows(s, 0); }) << QString() << QString();
        QTest::newRow("list whose last row is cut by a pixel")
            << int(Quiet) << Build([](Screen& s) { eightRows(s, 1); }) << QString()
            << u"rows cut off without a scroll bar"_s;
        QTest::newRow("tool button of words with room for its label")
            << int(Quiet) << Build([](Screen& s) { wordButton(s, 4); }) << QString() << QString();
        QTest::newRow("tool button of words a pixel short")
            << int(Quiet) << Build([](Screen& s) { wordButton(s, 3); }) << QString()
            << u"\"Journal\" does not fit its widget"_s;
        QTest::newRow("check box wider than its text")
            << int(Quiet) << Build([](Screen& s) { checkBox(s, 20); }) << QString() << QString();
        QTest::newRow("check box narrower than its text")
            << int(Quiet) << Build([](Screen& s) { checkBox(s, -10); }) << QString()
            << u"\"Remind me to back up\" does not fit its widget"_s;
        QTest::newRow("columns wider than the list, no scroll bar")
            << int(Quiet) << Build(columnsWiderThanTheList) << QString()
            << u"columns cut off without a scroll bar"_s;
        QTest::newRow("status hint wider than its panel") << int(Quiet) << Build([](Screen& s) {
            s.setStatus(u"Receipt Check 5521, opened from the Customer Ledgers"_s);
        }) << QString() << u"does not fit where it is painted"_s;
        QTest::newRow("cell wider than its column")
            << int(Quiet) << Build(cellWiderThanColumn) << QString()
            << u"\"Greenway Landscaping\" does not fit its column"_s;
        QTest::newRow("amount from the books")
            << int(Quiet) << Build(amountFromTheBooks) << QString() << QString();
        QTest::newRow("amount typed in") << int(Quiet) << Build(amountTypedIn) << QString()
                                         << u"the amount 1,324.93 in \"1,324.93\" is not"_s;
    }

    void screenRules() {
        QFETCH(int, shape);
        QFETCH(Build, build);
        QFETCH(QString, names);
        QFETCH(QString, expected);
        const std::u16string namesText = names.toStdU16String();
        const SceneDrawing drawing{1, Screen::Kind::Product, build, namesText.c_str()};
        // The main window around every screen: its title, menus, toolbar and status bar keep
        // the rules too.
        books::forgetFigures();
        Screen screen(drawing.kind);
        drawing.build(screen);
        screen.picture();
        const QStringList found = problems(sceneOf(shape), drawing, screen);
        if (expected.isEmpty()) {
            QCOMPARE(found, QStringList());
        } else {
            QVERIFY2(found.size() == 1 && found[0].contains(expected),
                     qPrintable(found.join(u'\n')));
        }
    }

    // The copy at twice the density: the plate and the letters at twice the pixels, and the
    // unhinted letters it draws, which may need more room than the picture's.
    void twiceTheDensity_data() {
        QTest::addColumn<Build>("build");
        QTest::addColumn<QString>("atOnce");
        QTest::addColumn<QString>("atTwice");
        QTest::newRow("a cut, at twice the place")
            << Build(buttonAcrossCalloutEdge)
            << u"the callout's right edge cuts the button \"Inactive\" at (328,201 37x13)"_s
            << u"at twice the density, the callout's right edge cuts the button \"Inactive\" at (654,401 76x26)"_s;
        QTest::newRow("a pixel clear, and two at twice the density")
            << Build([](Screen& s) { textAbovePlate(s, 1); }) << QString() << QString();
        QTest::newRow("a label that fits only the hinted letters")
            << Build(labelJustWideEnough) << QString()
            << u"at twice the density, \"Customer Account Balance\" does not fit its widget"_s;
        QTest::newRow("widened by the copy's surplus")
            << Build(widenedForTheCopy) << QString() << QString();
    }

    void twiceTheDensity() {
        QFETCH(Build, build);
        QFETCH(QString, atOnce);
        QFETCH(QString, atTwice);
        const SceneDrawing drawing{1, Screen::Kind::Product, build, u""};
        books::forgetFigures();
        Screen screen(drawing.kind);
        drawing.build(screen);
        screen.picture();
        const script::Scene scene = sceneOf(Callout);
        const QStringList once = problems(scene, drawing, screen);
        QVERIFY2(once.size() == (atOnce.isEmpty() ? 0 : 1) && once.join(u'\n').contains(atOnce),
                 qPrintable(once.join(u'\n')));
        const QStringList twice = doubleDensityProblems(scene, screen);
        QVERIFY2(twice.size() == (atTwice.isEmpty() ? 0 : 1) && twice.join(u'\n').contains(atTwice),
                 qPrintable(twice.join(u'\n')));
    }

    // Scene 1 draws the Invoices window as usual, scene 2 as the row builds it.
    void windowAcrossScenes_data() {
        QTest::addColumn<Build>("second");
        QTest::addColumn<int>("secondScene");
        QTest::addColumn<QString>("expected"); // empty: no problem at all

        QTest::newRow("the same window")
            << Build([](Screen& s) { invoicesWindow(s); }) << 2 << QString();
        QTest::newRow("moved") << Build(invoicesMoved) << 2
                               << u"scene 2: \"Invoices\" moved from (20,100 400x300)"_s;
        QTest::newRow("resized") << Build(invoicesResized) << 2
                                 << u"scene 2: \"Invoices\" is 400x240, in scene 1 400x300"_s;
        QTest::newRow("another field")
            << Build(invoicesWithPayment) << 2 << u"scene 2: \"Invoices\" has other fields"_s;
        QTest::newRow("another field, where the text is about it")
            << Build(invoicesWithPayment) << 17 << QString();
    }

    void windowAcrossScenes() {
        QFETCH(Build, second);
        QFETCH(int, secondScene);
        QFETCH(QString, expected);
        Screen first;
        invoicesWindow(first);
        Screen other;
        second(other);
        const QStringList found = layoutProblems(
            {{secondScene - 1, windowForms(first)}, {secondScene, windowForms(other)}});
        if (expected.isEmpty()) {
            QCOMPARE(found, QStringList());
        } else {
            QVERIFY2(found.size() == 1 && found[0].contains(expected),
                     qPrintable(found.join(u'\n')));
        }
    }
};

QTEST_MAIN(TestScreenshotChecks)
#include "test_screenshot_checks.moc"
