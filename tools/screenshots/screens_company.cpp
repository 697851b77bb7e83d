// SPDX-License-Identifier: MIT
// Screens of the Company section: preferences, balances, company information, terms, users
// and notes.
#include "books.h"
#include "look.h"
#include "parts.h"
#include "screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace shots::screens {

namespace {
void preferences(Screen& s) {
    s.mainToolbar();
    ChildWindow* d = s.addDialog(u"Preferences"_s, QRect(20, 98, 600, 356), Glyph::Company);
    QWidget* body = d->body();
    QTabWidget* tabs = tabsAt(
        body, QRect(6, 6, body->width() - 12, body->height() - 46),
        {u"General"_s, u"Receivables"_s, u"Payables"_s, u"Inventory"_s, u"Payroll"_s, u"Reports"_s},
        1);
    QWidget* page = tabs->widget(1);
    auto* top = new QWidget(page);
    top->setGeometry(8, 4, 560, 66);
    FormPane l(top, 0, 0, 130);
    l.text(u"Default Terms"_s, u"2% 10, Net 30"_s, 110);
    l.text(u"Next Invoice No."_s, u"10484"_s, 80, true);
    l.check(u"Warn about duplicate invoice numbers"_s, true);
    auto* bottom = groupAt(page, QRect(8, 140, 560, 110), u"Default accounts"_s);
    FormPane a(bottom, 10, 20, 110);
    a.lookup(u"Sales"_s, u"4000"_s, 90);
    a.lookup(u"Receivables"_s, u"1100"_s, 90);
    a.lookup(u"Sales Discounts"_s, u"4900"_s, 90);
    FormPane b(bottom, 290, 20, 110);
    b.lookup(u"Freight"_s, u"4950"_s, 90);
    b.lookup(u"Finance Charges"_s, u"4960"_s, 90);
    dialogButtons(body, {u"OK"_s, u"Cancel"_s, u"Help"_s});
    s.explain(tabs->tabBar(), u"preference tabs"_s);
    s.explain(top, u"general settings"_s);
    s.explain(bottom, u"default accounts"_s);
}

void beginningBalances(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Beginning Balances"_s, kWorkArea, Glyph::Ledger);
    QWidget* body = w->body();
    // Right of the callout, the fields ending where the grid below ends.
    constexpr int kShowWidth = 150;
    auto* top = new QWidget(body);
    top->setGeometry(382, 6, body->width() - 8 - 382, 50);
    FormPane f(top, 0, 0, top->width() - kShowWidth);
    f.date(u"Balances as of"_s, books::day(books::beginningDate()), 100);
    f.choice(u"Show"_s, u"Accounts with balances"_s, kShowWidth);
    QList<QStringList> rows;
    books::Cents debits = 0, credits = 0;
    for (const books::Posting& p : books::beginningBalances()) {
        rows << QStringList{p.account, books::accountName(p.account), books::accountType(p.account),
                            p.debit ? books::money(p.debit) : QString(),
                            p.credit ? books::money(p.credit) : QString()};
        debits += p.debit;
        credits += p.credit;
    }
    QTableWidget* grid =
        gridAt(body, QRect(8, 90, body->width() - 16, 20 + int(rows.size()) * 18 + 4),
               {u"Account"_s, u"Description"_s, u"Account Type"_s, u">Debit"_s, u">Credit"_s},
               {60, 0, 150, 90, 90}, rows, 0);
    // One row under the grid, which shows every account: the window has no room for two.
    auto* totals = new QWidget(body);
    totals->setGeometry(body->width() - 460, grid->geometry().bottom() + 6, 452, kFieldHeight);
    labelAt(totals, QRect(0, 0, 150, kFieldHeight),
            u"Out of balance: "_s + books::money(debits - credits));
    labelAt(totals, QRect(170, 0, 100, kFieldHeight), u"Totals"_s);
    fieldAt(totals, QRect(270, 0, 90, kFieldHeight), books::money(debits), true);
    fieldAt(totals, QRect(360, 0, 90, kFieldHeight), books::money(credits), true);
    s.explain(top, u"date of the balances"_s);
    s.explain(grid, u"balances"_s);
    s.explain(totals, u"totals"_s);
}

void companyInformation(Screen& s) {
    s.mainToolbar();
    ChildWindow* d = s.addDialog(u"Company Information"_s, QRect(4, 98, 632, 356), Glyph::Company);
    QWidget* body = d->body();
    auto* left = new QWidget(body);
    left->setGeometry(8, 8, 250, 284);
    FormPane l(left, 0, 0, 84);
    l.text(u"Company ID"_s, u"BAYSIDE"_s, 90)->setReadOnly(true);
    l.text(u"Company Name"_s, u"Bayside Garden Supply"_s, 156);
    l.memo(u"Address"_s, u"1420 Harbor Road\nSuite 2"_s, 156, 2);
    l.text(u"City"_s, u"Bayside"_s, 156);
    l.text(u"State, Zip"_s, u"CA   94520"_s, 90);
    l.text(u"Telephone"_s, u"(555) 014-2230"_s, 120);
    l.text(u"Fax"_s, u"(555) 014-2231"_s, 120);
    l.text(u"E-mail"_s, u"office@baysidegarden.example"_s, 166);
    l.choice(u"Business Type"_s, u"Corporation"_s, 120);
    auto* right = new QWidget(body);
    right->setGeometry(300, 128, 316, 130);
    FormPane r(right, 0, 0, 140);
    r.text(u"Federal Employer ID"_s, u"94-3318207"_s, 120);
    r.text(u"State Employer ID"_s, u"417-2209-3"_s, 120);
    r.text(u"State Unemployment ID"_s, u"417-2209-3"_s, 120);
    r.date(u"Fiscal Year Begins"_s, u"01/01/27"_s, 100);
    dialogButtons(body, {u"OK"_s, u"Cancel"_s, u"Help"_s});
    s.explain(left, u"name and address"_s);
    s.explain(right, u"tax numbers and fiscal year"_s);
}

void paymentTerms(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Payment Terms"_s, kWorkArea, Glyph::Calendar);
    QWidget* body = w->body();
    FormPane f(body, 8, 8, 110);
    f.lookup(u"Terms ID"_s, u"2-10-NET30"_s, 130);
    f.text(u"Description"_s, u"2% 10, Net 30"_s, 160);
    f.text(u"Discount Percent"_s, books::rate(200), 60, true);
    f.text(u"Discount Days"_s, u"10"_s, 60, true);
    f.text(u"Net Days"_s, u"30"_s, 60, true);
    auto* example = groupAt(body, QRect(300, 6, 318, 112), u"Example"_s);
    // A worked example, not a figure of the books.
    noteAt(example, QRect(10, 24, 298, 80),
           u"An invoice of $%1 dated 03/01/27, paid by 03/11/27: the customer may take a $%2 "
           "discount (2% within 10 days) and pay $%3. Otherwise the full $%1 is due by "
           "03/31/27."_s.arg(books::example(u"500.00"_s), books::example(u"10.00"_s),
                             books::example(u"490.00"_s)));
    labelAt(body, QRect(8, 128, 200, 18), u"Payment terms"_s, true);
    gridAt(body, QRect(8, 148, body->width() - 16, 130),
           {u"Terms ID"_s, u"Description"_s, u">Discount %"_s, u">Discount Days"_s, u">Net Days"_s},
           {100, 0, 80, 90, 70},
           {{u"COD"_s, u"Cash on delivery"_s, books::rate(0), u"0"_s, u"0"_s},
            {u"DUE"_s, u"Due on receipt"_s, books::rate(0), u"0"_s, u"0"_s},
            {u"NET15"_s, u"Net 15"_s, books::rate(0), u"0"_s, u"15"_s},
            {u"NET30"_s, u"Net 30"_s, books::rate(0), u"0"_s, u"30"_s},
            {u"1-10-NET30"_s, u"1% 10, Net 30"_s, books::rate(100), u"10"_s, u"30"_s},
            {u"2-10-NET30"_s, u"2% 10, Net 30"_s, books::rate(200), u"10"_s, u"30"_s}},
           5);
    s.explain(body, QRect(0, 0, body->width(), body->height()), u"payment terms"_s);
}

void users(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Users"_s, kWorkArea, Glyph::Employees);
    QWidget* body = w->body();
    labelAt(body, QRect(8, 6, 150, 18), u"Users"_s, true);
    // The administrator, then a user for each employee, by the employee's ID.
    QList<QStringList> ids = {{u"ADMIN"_s}};
    for (const books::Customer& e : books::employees()) {
        ids.append({e.id});
    }
    QTableWidget* list =
        gridAt(body, QRect(8, 26, 156, body->height() - 34), {u"User ID"_s}, {0}, ids, 2);
    auto* fields = new QWidget(body);
    fields->setGeometry(180, 6, 440, 90);
    FormPane f(fields, 0, 0, 110);
    f.text(u"User ID"_s, u"LOPEZ-M"_s, 120);
    f.text(u"Name"_s, books::employeeName(u"LOPEZ-M"_s), 180);
    f.text(u"Password"_s, u"********"_s, 120)->setEchoMode(QLineEdit::Password);
    f.text(u"Confirm Password"_s, u"********"_s, 120)->setEchoMode(QLineEdit::Password);
    labelAt(body, QRect(180, 196, 300, 18), u"Access to the modules"_s, true);
    QTableWidget* rights =
        gridAt(body, QRect(180, 216, 440, 110), {u"Module"_s, u"Access"_s}, {0, 120},
               {{u"Receivables"_s, u"Full"_s},
                {u"Payables"_s, u"Full"_s},
                {u"Inventory"_s, u"Full"_s},
                {u"Payroll"_s, u"None"_s},
                {u"General Ledger"_s, u"View only"_s},
                {u"Reports"_s, u"Full"_s},
                {u"Company"_s, u"None"_s}});
    s.explain(list, u"users"_s);
    s.explain(fields, u"user and password"_s);
    s.explain(rights, u"access rights"_s);
}

void notes(Screen& s) {
    s.windowToolbar();
    s.toolButton(u"Notes"_s)->setDown(true);
    // The customer behind its notes on the Sales Defaults tab: the General tab's contact and
    // address would lie under the callout, their labels beside it. These rows start below it.
    RecordWindow rw = customerRecord(s, kWorkArea, 1, false);
    FormPane defaults(rw.page, 8, 262 - rw.pageTop, 82);
    defaults.text(u"Terms"_s, u"2% 10, Net 30"_s, 120);
    defaults.text(u"Ship Via"_s, u"Our Truck"_s, 120);
    defaults.lookup(u"Sales Tax"_s, u"MILLBROOK"_s, 120);
    defaults.lookup(u"Sales Account"_s, u"4000"_s, 80);
    defaults.lookup(u"A/R Account"_s, u"1100"_s, 80);
    defaults.check(u"Charge finance charges"_s, true);
    ChildWindow* w = s.addDialog(u"Notes - GREENWAY"_s, QRect(398, 100, 238, 354), Glyph::Notes,
                                 TitleBar::Buttons::Close);
    QWidget* body = w->body();
    gridAt(body, QRect(6, 6, body->width() - 12, 112), {u"Date"_s, u"Subject"_s}, {62, 0},
           {{u"03/14/27"_s, u"Spring price list sent"_s},
            {u"03/01/27"_s, u"Maple Street job started"_s},
            {u"02/18/27"_s, u"Asked for net 45 terms"_s},
            {u"01/25/27"_s, u"New contact: Tom Alvarez"_s}},
           0);
    FormPane f(body, 6, 126, 50);
    f.text(u"Subject"_s, u"Spring price list sent"_s, 170);
    auto* text = new QPlainTextEdit(u"Mailed and e-mailed the 2027 spring price list to Tom. "
                                    "He expects to order mulch and roses for the Maple "
                                    "Street job by 03/20."_s,
                                    body);
    text->setGeometry(6, 152, body->width() - 12, 110);
    buttonAt(body, QRect(6, body->height() - 31, 70, 23), u"Add"_s);
    buttonAt(body, QRect(80, body->height() - 31, 70, 23), u"Delete"_s);
    buttonAt(body, QRect(154, body->height() - 31, 70, 23), u"Close"_s, true);
    s.explain(w, u"Notes window"_s);
    s.explain(s.toolButton(u"Notes"_s), u"Notes button"_s);
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {74, Screen::Kind::Product, preferences, u"Options|Preferences"},
    {75, Screen::Kind::Product, beginningBalances, u"Options|Beginning Balances"},
    {76, Screen::Kind::Product, companyInformation, u"Options|Company Information"},
    {77, Screen::Kind::Product, paymentTerms, u"Lists|Payment Terms"},
    {78, Screen::Kind::Product, users, u"Lists|Users"},
    {79, Screen::Kind::Product, notes, u"Notes"},
});

std::span<const SceneDrawing> companyDrawings() {
    return kDrawings;
}

} // namespace shots::screens
