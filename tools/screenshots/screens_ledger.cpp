// SPDX-License-Identifier: MIT
// Screens of the General Ledger section.
#include "books.h"
#include "look.h"
#include "parts.h"
#include "screens.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace shots::screens {

namespace {

QList<QStringList> chartOfAccounts() {
    QList<QStringList> rows;
    for (const books::Account& a : books::chart()) {
        rows << QStringList{a.id, a.description};
    }
    return rows;
}

int chartRowOf(const QString& account) {
    const QList<books::Account>& chart = books::chart();
    for (qsizetype i = 0; i < chart.size(); ++i) {
        if (chart[i].id == account) {
            return int(i);
        }
    }
    return -1;
}

void account(Screen& s) {
    s.windowToolbar();
    // Its right frame ends clear of the callout's left edge, the scroll bar beside it.
    ChildWindow* list =
        s.addWindow(u"Chart of Accounts"_s, workColumn(2, 206), Glyph::Ledger, false);
    QTableWidget* grid =
        gridAt(list->body(), QRect(4, 4, list->body()->width() - 8, list->body()->height() - 8),
               {u"Account"_s, u"Description"_s}, {46, 0}, chartOfAccounts(), chartRowOf(u"1100"_s));
    ChildWindow* w = s.addWindow(u"Accounts"_s, QRect(222, 236, 414, 221), Glyph::Accounts);
    QWidget* body = w->body();
    FormPane f(body, 8, 8, 96);
    f.lookup(u"Account ID"_s, u"1100"_s, 110);
    f.text(u"Description"_s, u"Accounts Receivable"_s, 200);
    f.choice(u"Account Type"_s, u"Accounts Receivable"_s, 160);
    f.lookup(u"Department"_s, u"(none)"_s, 110);
    f.money(u"Balance"_s, books::money(books::receivables()), 90);
    checkAt(body, QPoint(body->width() - 80, 10), u"Inactive"_s, false);
    auto* hint = new QLabel(u"Account types decide where an account appears in the financial "
                            "statements."_s,
                            body);
    hint->setWordWrap(true);
    hint->setGeometry(8, f.y() + 2, body->width() - 16, 32);
    s.explain(grid, u"chart of accounts"_s);
    s.explain(w, u"Accounts window"_s);
}

void department(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Departments"_s, kWorkArea, Glyph::Company);
    QWidget* body = w->body();
    FormPane f(body, 8, 8, 96);
    f.lookup(u"Department ID"_s, u"NURSERY"_s, 120);
    f.text(u"Description"_s, u"Nursery and plants"_s, 200);
    f.text(u"Manager"_s, books::employeeName(u"LOPEZ-M"_s), 160);
    auto* hint = new QLabel(u"Enter a department on the lines of a journal entry, or give one to "
                            "an account, an item or an employee, to see income and expenses by "
                            "department."_s,
                            body);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setGeometry(340, 8, 270, 50);
    labelAt(body, QRect(8, 84, 200, 18), u"Departments"_s, true);
    gridAt(body, QRect(8, 104, body->width() - 16, 130),
           {u"Department ID"_s, u"Description"_s, u"Manager"_s, u">Employees"_s}, {110, 0, 140, 80},
           {{u"ADMIN"_s, u"Office and administration"_s, books::employeeName(u"WHITFIELD-S"_s),
             u"2"_s},
            {u"LANDSCAPE"_s, u"Landscaping services"_s, books::employeeName(u"CHEN-D"_s), u"5"_s},
            {u"NURSERY"_s, u"Nursery and plants"_s, books::employeeName(u"LOPEZ-M"_s), u"4"_s},
            {u"SUPPLIES"_s, u"Garden supplies and tools"_s, books::employeeName(u"OKAFOR-J"_s),
             u"3"_s}},
           2);
    s.explain(body, QRect(0, 0, body->width(), body->height()), u"departments"_s);
}

// The NURSERY budget for 2027, in whole dollars, period by period; its Year is their sum.
QList<QStringList> budgetRows() {
    const QList<QPair<QStringList, QList<int>>> accounts = {
        {{u"4000"_s, u"Sales - Plants"_s},
         {18000, 22000, 34000, 41000, 41000, 38000, 30000, 24000, 22000, 18000, 14000, 10000}},
        {{u"5000"_s, u"Cost of Goods Sold"_s},
         {12100, 14600, 21800, 25600, 25000, 23200, 18300, 14400, 13200, 11000, 10000, 9200}},
        {{u"6000"_s, u"Wages"_s},
         {8200, 8200, 9400, 10600, 10600, 10600, 10600, 9400, 9400, 8600, 8600, 8600}},
        {{u"6100"_s, u"Rent"_s},
         {3200, 3200, 3200, 3200, 3200, 3200, 3200, 3200, 3200, 3200, 3200, 3200}},
        {{u"6200"_s, u"Utilities"_s}, {640, 610, 560, 520, 480, 520, 610, 650, 620, 560, 540, 590}},
    };
    const QLocale english(QLocale::English);
    QList<QStringList> rows;
    for (const auto& [account, periods] : accounts) {
        QStringList row = account;
        int year = 0;
        for (const int amount : periods) {
            year += amount;
        }
        row << english.toString(year);
        for (const int amount : periods) {
            row << english.toString(amount);
        }
        rows << row;
    }
    return rows;
}

QStringList budgetHeaders() {
    QStringList headers = {u"Account"_s, u"Description"_s, u">Year"_s};
    for (int period = 1; period <= 12; ++period) {
        headers << u">Period %1"_s.arg(period);
    }
    return headers;
}

QList<int> budgetWidths() {
    QList<int> widths = {56, 130, 70};
    for (int period = 1; period <= 12; ++period) {
        widths << 66;
    }
    return widths;
}

void budget(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Budgets"_s, kWorkArea, Glyph::Budget);
    QWidget* body = w->body();
    auto* top = new QWidget(body);
    top->setGeometry(8, 6, 600, 46);
    FormPane l(top, 0, 0, 80);
    l.lookup(u"Budget ID"_s, u"FY2027"_s, 120);
    l.lookup(u"Department"_s, u"NURSERY"_s, 120);
    FormPane r(top, 320, 0, 80);
    r.text(u"Fiscal Year"_s, u"2027"_s, 60);
    r.choice(u"Based On"_s, u"2026 actual + 5%"_s, 140);
    auto* tools = new QWidget(body);
    tools->setGeometry(8, 60, 190, 56);
    buttonAt(tools, QRect(0, 4, 120, 23), u"Copy Last Year"_s);
    buttonAt(tools, QRect(0, 30, 120, 23), u"Spread Evenly"_s);
    QTableWidget* grid = gridAt(body, QRect(8, 122, body->width() - 16, 204), budgetHeaders(),
                                budgetWidths(), budgetRows(), 1);
    // Twelve periods are wider than the window: the grid scrolls sideways. The description takes
    // what is left once five periods fit whole, so that the grid ends on a column's edge.
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    constexpr int kPeriodsShown = 5;
    int others = 0;
    for (int c = 0; c < 3 + kPeriodsShown; ++c) {
        others += c == 1 ? 0 : grid->columnWidth(c);
    }
    grid->setColumnWidth(1, grid->width() - 2 * grid->frameWidth() - others);
    s.explain(top, u"budget and department"_s);
    s.explain(tools, u"budget tools"_s);
    s.explain(grid, QRect(0, 0, grid->width(), grid->height()), u"amounts"_s);
}

void accountingPeriods(Screen& s) {
    s.mainToolbar();
    mainMenuBehind(s);
    ChildWindow* w =
        s.addDialog(u"Accounting Periods"_s, QRect(60, 100, 520, 352), Glyph::Calendar);
    QWidget* body = w->body();
    FormPane f(body, 8, 8, 110);
    f.text(u"Fiscal Year"_s, u"2027"_s, 60);
    f.date(u"First Day of Year"_s, u"01/01/27"_s, 100);
    f.choice(u"Current Period"_s, u"Period 3"_s, 100);
    const QStringList months = {u"January"_s,   u"February"_s, u"March"_s,    u"April"_s,
                                u"May"_s,       u"June"_s,     u"July"_s,     u"August"_s,
                                u"September"_s, u"October"_s,  u"November"_s, u"December"_s};
    const int lastDay[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    QList<QStringList> rows;
    for (int m = 0; m < 12; ++m) {
        rows.append({QString::number(m + 1), months[m],
                     u"%1/01/27"_s.arg(m + 1, 2, 10, QChar(u'0')),
                     u"%1/%2/27"_s.arg(m + 1, 2, 10, QChar(u'0')).arg(lastDay[m]),
                     m < 2 ? u"Closed"_s : u"Open"_s});
    }
    gridAt(body, QRect(8, 80, 380, body->height() - 88),
           {u"Period"_s, u"Name"_s, u"From"_s, u"To"_s, u"Status"_s}, {50, 0, 70, 70, 64}, rows, 2);
    buttonAt(body, QRect(body->width() - 100, 80, 92, 23), u"Close Period"_s);
    buttonAt(body, QRect(body->width() - 100, 108, 92, 23), u"Close Year"_s);
    dialogButtons(body, {u"OK"_s}).first()->move(body->width() - 100, body->height() - 31);
    s.explain(w, u"Accounting Periods window"_s);
}

// The depreciation entry, the books' first made by hand, with the department each line is for.
QList<QStringList> depreciationRows() {
    const QStringList departments = {u"LANDSCAPE"_s, u"NURSERY"_s, QString()};
    QList<QStringList> rows;
    const QList<books::Posting>& entry = books::journalEntries().first();
    for (qsizetype i = 0; i < entry.size(); ++i) {
        const books::Posting& p = entry[i];
        rows << QStringList{p.account, books::accountName(p.account), departments.value(i),
                            p.debit == 0 ? QString() : books::money(p.debit),
                            p.credit == 0 ? QString() : books::money(p.credit)};
    }
    return rows;
}

books::Posting totalOf(const QList<books::Posting>& entry) {
    books::Posting sum{{}, 0, 0};
    for (const books::Posting& p : entry) {
        sum.debit += p.debit;
        sum.credit += p.credit;
    }
    return sum;
}

void generalJournal(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"General Journal"_s, kWorkArea, Glyph::Journal);
    QWidget* body = w->body();
    auto* top = new QWidget(body);
    top->setGeometry(8, 6, 610, 46);
    FormPane l(top, 0, 0, 74);
    l.text(u"Reference"_s, u"GJ-0315"_s, 100);
    l.date(u"Date"_s, books::day(books::today()), 100);
    FormPane r(top, 330, 0, 74);
    r.text(u"Description"_s, u"March depreciation"_s, 200);
    r.choice(u"Reverse"_s, u"No"_s, 80);
    auto* memo = new QWidget(body);
    memo->setGeometry(8, 58, 200, 120);
    labelAt(memo, QRect(0, 0, 200, 18), u"Memo"_s);
    auto* text = new QPlainTextEdit(u"Monthly depreciation of the delivery truck and the "
                                    "greenhouse equipment."_s,
                                    memo);
    text->setGeometry(0, 20, 200, 60);
    QTableWidget* grid =
        gridAt(body, QRect(8, 190, body->width() - 16, 92),
               {u"Account"_s, u"Description"_s, u"Department"_s, u">Debit"_s, u">Credit"_s},
               {64, 0, 100, 86, 86}, depreciationRows());
    const books::Posting sum = totalOf(books::journalEntries().first());
    auto* totals = new QWidget(body);
    totals->setGeometry(body->width() - 260, 288, 252, 40);
    fieldAt(totals, QRect(80, 0, 86, kFieldHeight), books::money(sum.debit), true);
    fieldAt(totals, QRect(166, 0, 86, kFieldHeight), books::money(sum.credit), true);
    labelAt(totals, QRect(0, 0, 78, kFieldHeight), u"Totals"_s);
    labelAt(totals, QRect(80, 22, 172, 18),
            u"Out of balance: "_s + books::money(sum.debit - sum.credit));
    s.explain(top, u"reference and date"_s);
    s.explain(grid, u"debits and credits"_s);
    s.explain(totals, u"totals"_s);
}

// Checks and deposits since the last statement, with whether the bank has cleared them.
QList<QStringList> checkRows(const books::Reconciliation& r) {
    QList<QStringList> rows;
    for (const books::Check& c : books::operatingChecks()) {
        if (c.date > r.lastStatementDate) {
            rows << QStringList{c.cleared ? u"Yes"_s : u"No"_s, QString::number(c.number),
                                books::day(c.date), books::money(c.amount)};
        }
    }
    return rows;
}

QList<QStringList> depositRows(const books::Reconciliation& r) {
    QList<QStringList> rows;
    for (const books::Deposit& dep : books::deposits()) {
        if (dep.date > r.lastStatementDate) {
            rows << QStringList{dep.cleared ? u"Yes"_s : u"No"_s, dep.reference,
                                books::day(dep.date), books::money(dep.amount)};
        }
    }
    return rows;
}

void accountReconciliation(Screen& s) {
    const books::Reconciliation r = books::reconciliation();
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Account Reconciliation"_s, kWorkArea, Glyph::Bank);
    QWidget* body = w->body();
    auto* top = new QWidget(body);
    top->setGeometry(8, 6, 420, 46);
    FormPane l(top, 0, 0, 60);
    l.lookup(u"Account"_s, u"1000"_s, 90);
    l.date(u"As Of"_s, books::day(books::today()), 90);
    FormPane st(top, 210, 0, 100);
    st.money(u"Last Statement"_s, books::money(r.lastStatement), 90);
    st.money(u"Ending Balance"_s, books::money(r.statement), 90);
    labelAt(body, QRect(8, 176, 300, 18), u"Checks and withdrawals"_s, true);
    QTableWidget* checks =
        gridAt(body, QRect(8, 196, 304, 100), {u"Clear"_s, u"Number"_s, u"Date"_s, u">Amount"_s},
               {40, 60, 70, 0}, checkRows(r));
    labelAt(body, QRect(320, 176, 300, 18), u"Deposits"_s, true);
    QTableWidget* deposits = gridAt(body, QRect(320, 196, body->width() - 328, 100),
                                    {u"Clear"_s, u"Reference"_s, u"Date"_s, u">Amount"_s},
                                    {40, 70, 70, 0}, depositRows(r));
    auto* summary = new QWidget(body);
    summary->setGeometry(8, 304, body->width() - 16, 24);
    FormPane a(summary, 0, 0, 90);
    a.money(u"Cleared Balance"_s, books::money(r.cleared), 90);
    FormPane b(summary, 220, 0, 70);
    b.money(u"Difference"_s, books::money(r.difference), 80);
    FormPane c(summary, 420, 0, 90);
    c.money(u"Book Balance"_s, books::money(r.book), 90);
    s.explain(top, u"account and statement"_s);
    s.explain(checks, u"checks"_s);
    s.explain(deposits, u"deposits"_s);
    s.explain(summary, u"difference"_s);
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {58, Screen::Kind::Product, account, u"Lists|Chart of Accounts|Account ID|Account Type"},
    {59, Screen::Kind::Product, department, u"Lists|Departments"},
    {60, Screen::Kind::Product, budget, u"Tasks|Budgets"},
    {61, Screen::Kind::Product, accountingPeriods, u"Accounting Periods"},
    {62, Screen::Kind::Product, generalJournal, u"Tasks|General Journal"},
    {63, Screen::Kind::Product, accountReconciliation, u"Tasks|Account Reconciliation"},
});

std::span<const SceneDrawing> ledgerDrawings() {
    return kDrawings;
}

} // namespace shots::screens
