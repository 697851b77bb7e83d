// SPDX-License-Identifier: MIT
// Screens of the Inventory and Payroll sections.
#include "books.h"
#include "look.h"
#include "parts.h"
#include "sample.h"
#include "screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace shots::screens {

namespace {

// A white box with a caption and a grid of codes, for the payroll lists.
QTableWidget* codeList(QWidget* host, const QRect& r, const QString& caption,
                       const QStringList& headers, const QList<int>& widths,
                       const QList<QStringList>& rows, int selected = -1) {
    labelAt(host, QRect(r.x(), r.y(), r.width(), 18), caption, true);
    return gridAt(host, r.adjusted(0, 20, 0, 0), headers, widths, rows, selected);
}

void item(Screen& s) {
    s.windowToolbar();
    RecordWindow rw =
        recordWindow(s, u"Items"_s, Glyph::Items, kWorkArea, u"Item ID"_s, u"ROSE-HT"_s,
                     u"Description"_s, u"Rose Bush, Hybrid Tea"_s,
                     {u"General"_s, u"Quantities"_s, u"Vendors"_s, u"Custom Fields"_s}, 0);
    auto* left = new QWidget(rw.page);
    // Clear of the callout on its right.
    left->setGeometry(6, 6, 184, 210);
    FormPane l(left, 0, 0, 96);
    l.choice(u"Item Type"_s, u"Stock item"_s, 88);
    // An item has one price.
    const books::Item& rose = books::item(u"ROSE-HT"_s);
    l.money(u"Sale Price"_s, books::money(rose.price), 70);
    l.lookup(u"Department"_s, u"NURSERY"_s, 88);
    l.lookup(u"Sales Account"_s, rose.salesAccount, 80);
    l.lookup(u"Cost Account"_s, u"5000"_s, 80);
    l.lookup(u"Inventory Account"_s, u"1200"_s, 80);
    l.choice(u"Tax Type"_s, u"Taxable"_s, 88);
    auto* right = new QWidget(rw.page);
    right->setGeometry(330, 6, 270, 70);
    FormPane r(right, 0, 0, 110);
    r.choice(u"Cost Method"_s, u"Average"_s, 100);
    r.money(u"Last Unit Cost"_s, books::money(rose.cost), 80);
    r.text(u"Quantity on Hand"_s, QString::number(books::roseOnHand(2)), 60, true);
    s.explain(rw.id, u"Item ID"_s);
    s.explain(rw.name, u"Description"_s);
    s.explain(rw.tabs->tabBar(), u"tabs"_s);
    s.explain(left, u"prices and accounts"_s);
    s.explain(right, u"cost and quantity"_s);
}

void itemAdjustment(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Inventory Adjustments"_s, kWorkArea, Glyph::Items);
    QWidget* body = w->body();
    // The heading and the item's picture close up, so that the picture ends above the callout.
    labelAt(body, QRect(8, 4, 320, 20), u"Rose Bush, Hybrid Tea"_s, true)
        ->setFont(uiFont(13, true));
    auto* pic = new QLabel(body);
    pic->setPixmap(glyph(Glyph::Items, 32));
    pic->setGeometry(8, 25, 32, 32);
    auto* about = new QLabel(u"Adjust the quantity on hand after a count, damage or loss."_s, body);
    about->setWordWrap(true);
    about->setGeometry(48, 25, 280, 30);
    auto* fields = new QWidget(body);
    fields->setGeometry(350, 4, 272, 236);
    FormPane f(fields, 0, 0, 118);
    f.lookup(u"Item ID"_s, u"ROSE-HT"_s, 130);
    f.text(u"Reference"_s, u"ADJ-0112"_s, 100);
    f.date(u"Date"_s, u"03/15/27"_s, 100);
    f.text(u"Reason"_s, u"Frost damage"_s, 150);
    f.lookup(u"Adjustment Account"_s, u"5200"_s, 100);
    f.text(u"Quantity on Hand"_s, QString::number(books::roseOnHand(1)), 60, true);
    f.text(u"Adjust Quantity By"_s, QString::number(books::roseOnHand(2) - books::roseOnHand(1)),
           60, true);
    f.text(u"New Quantity"_s, QString::number(books::roseOnHand(2)), 60, true);
    // The frost damage is the books' second entry made by hand.
    const QList<books::Posting>& entry = books::journalEntries().at(1);
    f.money(u"Unit Cost"_s, books::money(books::item(u"ROSE-HT"_s).cost), 60);
    f.money(u"Amount"_s, books::money(-entry.first().debit), 60);
    labelAt(body, QRect(8, 188, 330, 18), u"Accounting entries"_s, true);
    QList<QStringList> rows;
    for (const books::Posting& p : entry) {
        rows << QStringList{p.account, books::accountName(p.account),
                            p.debit == 0 ? QString() : books::money(p.debit),
                            p.credit == 0 ? QString() : books::money(p.credit)};
    }
    QTableWidget* journal =
        gridAt(body, QRect(8, 208, 334, 76),
               {u"Account"_s, u"Description"_s, u">Debit"_s, u">Credit"_s}, {56, 0, 64, 64}, rows);
    s.explain(fields, u"adjustment fields"_s);
    s.explain(journal, u"ledger entries"_s);
}

void employee(Screen& s) {
    s.windowToolbar();
    RecordWindow rw =
        recordWindow(s, u"Employees"_s, Glyph::Employees, kWorkArea, u"Employee ID"_s, u"LOPEZ-M"_s,
                     u"Name"_s, books::employeeName(u"LOPEZ-M"_s),
                     {u"General"_s, u"Pay Info"_s, u"Withholding"_s, u"Custom Fields"_s}, 0);
    FormPane left(rw.page, 8, 8, 132);
    left.memo(u"Address"_s, u"1318 Bayview Avenue\nApt. 6"_s, 150, 2);
    left.text(u"City"_s, u"Bayside"_s, 150);
    left.text(u"State, Zip"_s, u"CA   94520"_s, 90);
    left.text(u"Social Security Number"_s, u"***-**-4471"_s, 100);
    left.text(u"Job Title"_s, u"Store Manager"_s, 150);
    left.lookup(u"Department"_s, u"NURSERY"_s, 110);
    FormPane right(rw.page, 310, 8, 90);
    right.text(u"Telephone"_s, u"(555) 014-0627"_s, 140);
    right.date(u"Hire Date"_s, u"06/01/23"_s, 100);
    right.choice(u"Pay Method"_s, u"Salary"_s, 100);
    right.money(u"Pay Rate"_s, books::money(books::salary(u"LOPEZ-M"_s)), 80);
    right.choice(u"Pay Frequency"_s, u"Semimonthly"_s, 110);
    right.choice(u"Filing Status"_s, u"Married"_s, 100);
    right.text(u"Allowances"_s, u"2"_s, 40, true);
    s.explain(rw.id, u"Employee ID"_s);
    s.explain(rw.name, u"Name"_s);
    s.explain(rw.tabs, u"employee details"_s);
}

void earning(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Earning Types"_s, kWorkArea, Glyph::Payroll);
    QWidget* body = w->body();
    FormPane f(body, 8, 8, 100);
    f.lookup(u"Earning Type ID"_s, u"OVERTIME"_s, 130);
    f.text(u"Description"_s, u"Overtime, 1.5 times"_s, 180);
    f.lookup(u"Expense Account"_s, u"6010"_s, 100);
    f.text(u"Rate Multiplier"_s, books::rate(books::overtimeMultiplier()), 60, true);
    auto* taxes = groupAt(body, QRect(340, 4, 280, 100), u"Subject to"_s);
    checkAt(taxes, QPoint(10, 20), u"Federal income tax"_s, true);
    checkAt(taxes, QPoint(10, 40), u"State income tax"_s, true);
    checkAt(taxes, QPoint(10, 60), u"Social Security and Medicare"_s, true);
    checkAt(taxes, QPoint(150, 20), u"Unemployment"_s, true);
    checkAt(taxes, QPoint(150, 40), u"State disability"_s, true);
    codeList(body, QRect(8, 108, body->width() - 16, 190), u"Earning types"_s,
             {u"ID"_s, u"Description"_s, u"Account"_s, u"Taxable"_s}, {90, 0, 80, 190},
             {{u"REGULAR"_s, u"Regular hours"_s, u"6000"_s, u"All taxes"_s},
              {u"OVERTIME"_s, u"Overtime, 1.5 times"_s, u"6010"_s, u"All taxes"_s},
              {u"SALARY"_s, u"Salary"_s, u"6000"_s, u"All taxes"_s},
              {u"HOLIDAY"_s, u"Holiday pay"_s, u"6000"_s, u"All taxes"_s},
              {u"BONUS"_s, u"Bonus"_s, u"6020"_s, u"All taxes"_s},
              {u"TIPS"_s, u"Reported tips"_s, u"6030"_s, u"All taxes"_s},
              {u"MILEAGE"_s, u"Mileage reimbursement"_s, u"6400"_s, u"None"_s}},
             1);
    s.explain(body, QRect(0, 0, body->width(), body->height()), u"earning types"_s);
}

void deduction(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Deductions"_s, kWorkArea, Glyph::Payroll);
    QWidget* body = w->body();
    FormPane f(body, 8, 8, 96);
    f.lookup(u"Deduction ID"_s, u"HEALTH"_s, 120);
    f.text(u"Description"_s, u"Health insurance"_s, 150);
    f.lookup(u"Liability Account"_s, u"2250"_s, 90);
    f.choice(u"Calculated As"_s, u"Fixed amount"_s, 120);
    f.money(u"Amount"_s, books::money(books::healthDeduction()), 70);
    // The taxes a deduction is taken before, where the Earning Types window has what an
    // earning is subject to.
    auto* before = groupAt(body, QRect(340, 4, 280, 80), u"Taken before"_s);
    checkAt(before, QPoint(10, 20), u"Federal income tax"_s, true);
    checkAt(before, QPoint(10, 40), u"State income tax"_s, true);
    // Social Security and Medicare are figured on the whole gross pay.
    checkAt(before, QPoint(150, 20), u"Social Security"_s, false);
    checkAt(before, QPoint(150, 40), u"Medicare"_s, false);
    // Below the callout, across the window as the other payroll lists.
    codeList(body, QRect(8, 176, body->width() - 16, body->height() - 184), u"Deductions"_s,
             {u"ID"_s, u"Description"_s, u"Liability"_s, u"Calculation"_s}, {90, 0, 80, 190},
             {{u"401K"_s, u"Retirement plan 401(k)"_s, u"2260"_s,
               books::rate(books::retirementDeduction()) + u"% of gross"_s},
              {u"HEALTH"_s, u"Health insurance"_s, u"2250"_s,
               u"Fixed "_s + books::money(books::healthDeduction()) + u" a check"_s},
              {u"DENTAL"_s, u"Dental plan"_s, u"2250"_s, u"Fixed, set per employee"_s}},
             1);
    s.explain(body, QRect(0, 0, 270, f.y()), u"deduction record"_s);
    s.explain(before, u"taxes it is taken before"_s);
    s.explain(body, QRect(0, 176, body->width(), body->height() - 176), u"Deductions list"_s);
}

void contribution(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Contributions"_s, kWorkArea, Glyph::Payroll);
    QWidget* body = w->body();
    FormPane f(body, 8, 8, 110);
    f.lookup(u"Contribution ID"_s, u"401K-MATCH"_s, 130);
    f.text(u"Description"_s, u"401(k) company match"_s, 200);
    f.lookup(u"Expense Account"_s, u"6150"_s, 90);
    f.lookup(u"Liability Account"_s, u"2260"_s, 90);
    FormPane r(body, 360, 8, 120);
    r.choice(u"Calculated As"_s, u"Percent of deduction"_s, 130);
    r.text(u"Percent"_s, books::rate(books::retirementMatch()), 60, true);
    r.text(u"Limit, % of Gross"_s, books::rate(books::retirementMatchLimit()), 60, true);
    r.lookup(u"Based on Deduction"_s, u"401K"_s, 90);
    codeList(body, QRect(8, 104, body->width() - 16, 150), u"Employer contributions"_s,
             {u"ID"_s, u"Description"_s, u"Expense"_s, u"Liability"_s, u"Calculation"_s},
             {90, 0, 60, 60, 180},
             {{u"401K-MATCH"_s, u"401(k) company match"_s, u"6150"_s, u"2260"_s,
               u"50% of 401K, up to 3% of gross"_s},
              {u"HEALTH-CO"_s, u"Health insurance, company share"_s, u"6160"_s, u"2250"_s,
               u"Fixed "_s + books::money(books::healthContribution()) + u" a month"_s},
              {u"WC"_s, u"Workers' compensation"_s, u"6170"_s, u"2270"_s,
               books::rate(books::workersCompensationRate()) + u"% of gross"_s}},
             0);
    s.explain(body, QRect(0, 0, body->width(), body->height()), u"contributions"_s);
}

// Each payroll tax, who pays it, and its rate, or "Table" where the tax tables give it.
QList<QStringList> payrollTaxRows() {
    QList<QStringList> rows;
    for (const books::PayrollTax& t : books::payrollTaxes()) {
        rows << QStringList{t.id, t.paidBy, t.rate == 0 ? u"Table"_s : books::rate(t.rate) + u'%'};
    }
    return rows;
}

// The rows of a list of pay lines: item and amount.
QList<QStringList> payRows(const QList<books::PayLine>& lines) {
    QList<QStringList> rows;
    for (const books::PayLine& l : lines) {
        rows << QStringList{l.item, books::money(l.amount)};
    }
    return rows;
}

// Each earning with its job, hours, rate and amount, then the gross pay.
QList<QStringList> earningRows(const books::PayrollCheck& c) {
    QList<QStringList> rows;
    for (const books::Earning& e : c.earnings) {
        rows << QStringList{e.type, e.job, books::money(e.hours),
                            books::money(books::earningRate(c, e)),
                            books::money(books::earningAmount(c, e))};
    }
    rows << QStringList{u"Gross pay"_s, {}, {}, {}, books::money(books::grossPay(c))};
    return rows;
}

// On the bare workspace, as the Main Menu's task links would lie half under the callout.
void payrollTax(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Payroll Taxes"_s, workColumn(346, 290), Glyph::Payroll);
    QWidget* body = w->body();
    FormPane f(body, 8, 8, 104);
    f.lookup(u"Payroll Tax ID"_s, u"CA-SDI"_s, 120);
    f.text(u"Description"_s, u"California disability"_s, 160);
    f.choice(u"Paid By"_s, u"Employee"_s, 100);
    f.text(u"Rate, Percent"_s, books::rate(books::payrollTaxRate(u"CA-SDI"_s)), 60, true);
    f.money(u"Wage Limit"_s, u"None"_s, 80);
    f.lookup(u"Liability Account"_s, u"2210"_s, 90);
    f.lookup(u"Paid to Vendor"_s, u"CA-EDD"_s, 110);
    // Five whole rows, the chosen tax the last of them: caption, heading, rows and the frame.
    codeList(body, QRect(8, f.y() + 4, body->width() - 16, 20 + 20 + 5 * 18 + 2),
             u"Payroll taxes"_s, {u"ID"_s, u"Paid By"_s, u">Rate"_s}, {80, 0, 60}, payrollTaxRows(),
             6);
    s.explain(w, u"Payroll Taxes window"_s);
}

void payrollCheck(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Payroll Checks"_s, kWorkArea, Glyph::Payroll);
    QWidget* body = w->body();
    auto* who = new QWidget(body);
    who->setGeometry(8, 8, 300, 46);
    FormPane l(who, 0, 0, 78);
    l.lookup(u"Employee ID"_s, u"CHEN-D"_s, 130);
    l.text(u"Name"_s, books::employeeName(u"CHEN-D"_s), 160);
    const books::PayrollCheck& check = books::payrollChecks().first();
    FormPane r(body, 340, 8, 90);
    r.text(u"Check No."_s, QString::number(check.number), 80);
    r.date(u"Check Date"_s, books::day(check.date), 100);
    r.text(u"Pay Period"_s, books::day(check.periodStart) + u" - "_s + books::day(check.date), 150);
    r.lookup(u"Cash Account"_s, u"1010"_s, 90);
    QTableWidget* earnings =
        codeList(body, QRect(8, 62, 320, 112), u"Earnings"_s,
                 {u"Earning Type"_s, u"Job"_s, u">Hours"_s, u">Rate"_s, u">Amount"_s},
                 {0, 72, 44, 48, 70}, earningRows(check));
    earnings->item(2, 0)->setFont(uiFont(11, true));
    earnings->item(2, 4)->setFont(uiFont(11, true));
    auto* withheld = new QWidget(body);
    withheld->setGeometry(420, 104, 202, 226);
    QTableWidget* taxes =
        codeList(withheld, QRect(0, 0, 202, 172), u"Taxes and deductions"_s,
                 {u"Item"_s, u">Amount"_s}, {0, 70}, payRows(books::withholdings(check)));
    FormPane net(withheld, 0, 180, 80);
    QLineEdit* netPay = net.money(u"Net Pay"_s, books::money(books::netPay(check)), 120);
    netPay->setFont(uiFont(11, true));
    // What the company adds on top of the wages, in a row below the callout.
    auto* contributions = new QWidget(body);
    contributions->setGeometry(8, 298, 406, kFieldHeight);
    labelAt(contributions, QRect(0, 0, 80, kFieldHeight), u"Contributions"_s, true);
    int x = 82;
    const QFont font = uiFont(11);
    for (const books::PayLine& l : books::contributions(check)) {
        const int width =
            QFontMetrics(font).horizontalAdvance(l.item) + 4 + unhintedSurplus(font, l.item);
        labelAt(contributions, QRect(x, 0, width, kFieldHeight), l.item);
        fieldAt(contributions, QRect(x + width, 0, 50, kFieldHeight), books::money(l.amount), true);
        x += width + 54;
    }
    s.explain(who, u"employee"_s);
    s.explain(earnings, u"earnings"_s);
    s.explain(taxes, u"taxes and deductions"_s);
    s.explain(netPay, u"Net Pay"_s);
    s.explain(contributions, u"contributions"_s);
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {48, Screen::Kind::Product, item,
     u"Lists|Items|Item ID|Description|Sale Price|Quantity on Hand"},
    {49, Screen::Kind::Product, itemAdjustment, u"Tasks|Inventory Adjustments"},
    {51, Screen::Kind::Product, employee,
     u"Lists|Employees|Social Security Number|Hire Date|Pay Rate|Pay Frequency|Filing "
     u"Status|Allowances"},
    {52, Screen::Kind::Product, earning, u"Lists|Earning Types"},
    {53, Screen::Kind::Product, deduction, u"Lists|Deductions"},
    {54, Screen::Kind::Product, contribution, u"Lists|Contributions"},
    {55, Screen::Kind::Product, payrollTax, u"Lists|Payroll Taxes"},
    {56, Screen::Kind::Product, payrollCheck, u"Tasks|Payroll Checks|Print|Net Pay"},
});

std::span<const SceneDrawing> inventoryPayrollDrawings() {
    return kDrawings;
}

} // namespace shots::screens
