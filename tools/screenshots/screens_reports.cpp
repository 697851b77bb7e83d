// SPDX-License-Identifier: MIT
// Screens of the Reports/Forms section.
#include "books.h"
#include "look.h"
#include "parts.h"
#include "sample.h"
#include "screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace shots::screens {

namespace {

// Aged Receivables, summary by customer, from the books.
ReportPage agedSummary() {
    ReportPage p;
    p.title = u"Aged Receivables - Summary"_s;
    p.subtitle = u"As of "_s + books::day(books::today());
    p.headers = {u"Customer"_s, u">Current"_s, u">31-60"_s,
                 u">61-90"_s,   u">Over 90"_s, u">Total"_s};
    p.widths = {170, 70, 70, 70, 70, 80};
    auto amount = [](books::Cents c) { return c == 0 ? QString() : books::money(c); };
    books::AgingRow all;
    for (const books::AgingRow& r : books::aging()) {
        p.rows << QStringList{r.customer,           amount(r.buckets[0]), amount(r.buckets[1]),
                              amount(r.buckets[2]), amount(r.buckets[3]), books::money(r.total)};
        for (int b = 0; b < 4; ++b) {
            all.buckets[b] += r.buckets[b];
        }
        all.total += r.total;
    }
    p.rows << QStringList{u"*Total"_s,
                          books::money(all.buckets[0]),
                          books::money(all.buckets[1]),
                          books::money(all.buckets[2]),
                          books::money(all.buckets[3]),
                          books::money(all.total)};
    return p;
}

// The range of customers and the period the Customer Ledgers report is filtered to.
const QString kLedgerFrom = u"GREENWAY"_s;
const QString kLedgerTo = u"SUNSET-CG"_s;
const QDate kPeriodStart(2027, 3, 1);
const QDate kPeriodEnd(2027, 3, 31);

// Customer Ledgers: every transaction of each customer in the range, over the period, from
// the books.
ReportPage customerLedgers(const QString& fromId, const QString& toId, const QDate& start,
                           const QDate& end) {
    ReportPage p;
    p.title = u"Customer Ledgers"_s;
    p.subtitle = books::day(start) + u" to "_s + books::day(end);
    p.headers = {u"Date"_s, u"Type"_s, u"Reference"_s, u">Debit"_s, u">Credit"_s, u">Balance"_s};
    p.widths = {70, 70, 150, 80, 80, 90};
    auto amount = [](books::Cents c) { return c == 0 ? QString() : books::money(c); };
    // A payment's reference is its method and number ("Check 5521"). At the report's small size
    // one space all but vanishes after a "k", so the report sets the number two spaces apart.
    auto reference = [](const QString& r) { return QString(r).replace(u' ', u"  "_s); };
    for (const books::Ledger& l : books::customerLedgers(fromId, toId, start, end)) {
        p.rows << QStringList{u"="_s + l.customer};
        for (const books::LedgerLine& line : l.lines) {
            p.rows << QStringList{books::day(line.date),     line.type,
                                  reference(line.reference), amount(line.debit),
                                  amount(line.credit),       books::money(line.balance)};
        }
    }
    return p;
}

ReportPage customerLedgers() {
    return customerLedgers(kLedgerFrom, kLedgerTo, kPeriodStart, kPeriodEnd);
}

// The ledgers an Aged Receivables line drills down to: the aging's filters, every customer up
// to its as-of date, so that the entries add up to the figures of the summary.
ReportPage drilledLedgers() {
    const QList<books::Customer>& all = books::customers();
    return customerLedgers(all.first().id, all.last().id, kPeriodStart, books::today());
}

// One place for the Report Selector: beside the Main Menu's Reports card, clear of its links, and
// below the callouts.
constexpr QRect kReportSelector(328, 274, 308, 183);

void reports(Screen& s) {
    MainMenu menu = mainMenuBehind(s);
    QWidget* card = menu.cards.value(u"Reports"_s);
    card->findChild<QToolButton*>()->setDown(true);
    ReportSelector rs = reportSelector(s, kReportSelector);
    s.explain(card, u"Reports on the Main Menu"_s);
    s.explain(rs.modules, u"modules"_s);
}

// The Reports menu open on Report Selector, the way the text says to choose it, over the window
// it opened.
void reportSelector(Screen& s) {
    mainMenuBehind(s);
    ReportSelector rs = shots::reportSelector(s, kReportSelector);
    DropMenu* m = s.openMenu(u"Reports"_s, {{u"Report Selector"_s, true},
                                            {u"Financial Statements"_s},
                                            {u"-"_s},
                                            {u"Form Alignment"_s}});
    s.explain(m, m->entryRect(u"Report Selector"_s), u"Reports, Report Selector"_s);
    s.explain(rs.window, u"Report Selector"_s);
}

void reportFilters(Screen& s) {
    ReportWindow rw = reportWindow(s, u"Customer Ledgers"_s, kWorkArea, 0);
    QTableWidget* grid = gridAt(rw.page, QRect(8, 8, 600, 20 + 3 * 18 + 2),
                                {u"Filter"_s, u"From"_s, u"To"_s}, {160, 0, 200},
                                {{u"Date"_s, books::day(kPeriodStart), books::day(kPeriodEnd)},
                                 {u"Customer ID"_s, kLedgerFrom, kLedgerTo},
                                 {u"Customer Type"_s, u""_s, u""_s}},
                                1);
    auto* more = new QWidget(rw.page);
    more->setGeometry(8, 150, 600, 130);
    FormPane f(more, 0, 0, 90);
    f.choice(u"Sort By"_s, u"Customer ID"_s, 160);
    f.check(u"Include inactive customers"_s, false);
    f.check(u"Include customers with no activity"_s, false);
    buttonAt(more, QRect(0, 72, 110, 23), u"Clear Filters"_s);
    s.explain(rw.tabs->tabBar(), u"Filters tab"_s);
    s.explain(grid, u"filters"_s);
    s.explain(more, u"sorting and inclusion"_s);
}

void reportOptions(Screen& s) {
    ReportWindow rw = reportWindow(s, u"Customer Ledgers"_s, kWorkArea, 1);
    auto* printer = new QWidget(rw.page);
    printer->setGeometry(8, 8, 300, 150);
    FormPane f(printer, 0, 0, 80);
    f.choice(u"Printer"_s, u"Front Desk Printer"_s, 180);
    f.choice(u"Paper"_s, u"Letter, 8.5 x 11 in"_s, 180);
    // A setting of the printer, not a figure of the books.
    const QString margin = books::example(u"0.50"_s);
    f.text(u"Margins"_s, margin + u" in top, "_s + margin + u" in left"_s, 180);
    f.text(u"Copies"_s, u"1"_s, 40, true);
    radioAt(printer, QPoint(80, 96), u"Portrait"_s, true);
    radioAt(printer, QPoint(170, 96), u"Landscape"_s, false);
    checkAt(printer, QPoint(80, 118), u"Show the Department column"_s, false);
    auto* fonts = groupAt(rw.page, QRect(330, 8, 270, 110), u"Fonts"_s);
    FormPane ff(fonts, 10, 20, 70);
    // A generic typeface name: the made-up program names no real product.
    ff.text(u"Title"_s, u"Sans, 14, Bold"_s, 150);
    ff.text(u"Headings"_s, u"Sans, 10, Bold"_s, 150);
    ff.text(u"Lines"_s, u"Sans, 9"_s, 150);
    auto* defaults = groupAt(rw.page, QRect(330, 126, 270, 110), u"Defaults"_s);
    auto* text = new QLabel(u"Save these settings as the defaults of this report, or go back "
                            "to Orvane's own settings."_s,
                            defaults);
    text->setWordWrap(true);
    text->setGeometry(10, 20, 250, 44);
    buttonAt(defaults, QRect(10, 72, 110, 23), u"Save as Default"_s);
    buttonAt(defaults, QRect(130, 72, 110, 23), u"Restore Defaults"_s);
    s.explain(rw.tabs->tabBar(), u"Options tab"_s);
    s.explain(printer, u"printer"_s);
    s.explain(fonts, u"fonts"_s);
    s.explain(defaults, u"defaults"_s);
}

void reportPreview(Screen& s) {
    ReportWindow rw = reportWindow(s, u"Customer Ledgers"_s, kWorkArea, 2);
    ReportPaper* paper = reportPaper(rw.page, QRect(0, 0, 620, 302), customerLedgers());
    s.explain(rw.tabs->tabBar(), u"Preview tab"_s);
    s.explain(paper, u"preview"_s);
}

// How far a report page reaches before its column headings: company, title and subtitle.
constexpr int kPaperTitleLines = 64;

void drillDown(Screen& s) {
    // The page is scrolled past its title lines, so the caption says what date the aging is for.
    ReportWindow rw =
        reportWindow(s, u"Aged Receivables, as of "_s + books::day(books::today()), kWorkArea, 2);
    ReportPage page = agedSummary();
    page.highlightRow = 3;
    // Scrolled past the page's title lines, the headings at the top: the Total line then sits
    // above the callout, which lies across the lower half of the page.
    page.scrolled = kPaperTitleLines;
    ReportPaper* paper = reportPaper(rw.page, QRect(0, 0, 620, 302), page);
    const QRect row = paper->rowRect(3);
    const QRect total = paper->rowRect(int(page.rows.size()) - 1);
    // Pointer and tip over the aging columns that the two customers below leave empty, so
    // that the tip hides no figure.
    s.afterLayout([&s, paper, row] {
        s.cursorAt(paper->mapTo(&s, row.center() + QPoint(-30, 0)));
        QLabel* tip = s.tip(paper->mapTo(&s, row.bottomLeft() + QPoint(266, 7)),
                            u"Double-click a line to see its detail"_s);
        tip->resize(tip->width() + unhintedSurplus(tip->font(), tip->text()), tip->height());
    });
    s.explain(paper, row, u"summary line"_s);
    s.explain(paper, total, u"Total line"_s);
}

void drillBack(Screen& s) {
    ReportWindow rw = reportWindow(s, u"Customer Ledgers"_s, kWorkArea, 2, false);
    reportPaper(rw.page, QRect(0, 0, 620, 302), drilledLedgers());
    s.windowToolbar();
    // Greenway's check on the ledger opens in the Receipts window, at its own size and place,
    // over the report; the line drilled from waits behind it until the window is closed, as the
    // status bar says.
    const TransactionSpec form = greenwayReceipt(kWorkArea);
    Transaction t = transactionWindow(s, form);
    s.setStatus(form.header.value(1).second + u", opened from the Customer Ledgers"_s);
    s.explain(t.party, u"customer"_s);
    s.explain(t.fields.value(u"Reference"_s), u"Reference"_s);
    s.explain(s.toolButton(u"Close"_s), u"Close"_s);
}

void formAlignment(Screen& s) {
    s.mainToolbar();
    // Over the Main Menu, as the other dialogs of the frame: wide enough to cover the cards the
    // callout lies across and the Reminders, whose lines its right edge would cut; ending between
    // two rows of the cards' tasks, so that Form Alignment shows under the Reports card. The
    // Main Menu's title bar shows above it.
    mainMenuBehind(s);
    ChildWindow* d = s.addDialog(u"Form Alignment"_s, QRect(4, 120, 630, 280), Glyph::Print);
    QWidget* body = d->body();
    labelAt(body, QRect(8, 6, 150, 18), u"Form to align"_s);
    // Left of the callout, down past its lower edge.
    QTreeWidget* forms = listAt(body, QRect(8, 24, 190, body->height() - 32), {u"Form"_s}, {0},
                                {{u"Invoices"_s},
                                 {u"Statements"_s},
                                 {u"Checks"_s},
                                 {u"Payroll Checks"_s},
                                 {u"Purchase Orders"_s},
                                 {u"Quotes"_s},
                                 {u"W-2 Forms"_s}},
                                2);
    // Above the callout: the margins, how to find them and the test form.
    auto* margins = new QWidget(body);
    margins->setGeometry(216, 24, 300, 108);
    FormPane f(margins, 0, 0, 90);
    // Settings of the form's alignment, not figures of the books.
    f.text(u"Top Margin"_s, u"+"_s + books::example(u"0.10"_s) + u" in"_s, 70, true);
    f.text(u"Left Margin"_s, books::example(u"-0.05"_s) + u" in"_s, 70, true);
    auto* hint = new QLabel(u"Print a test form, hold it against a printed form and move the "
                            "text by the difference."_s,
                            margins);
    hint->setWordWrap(true);
    hint->setGeometry(0, 50, 300, 30);
    buttonAt(margins, QRect(0, 84, 90, 23), u"Print Test"_s);
    // The dialog's buttons down its right side, clear of the callout.
    const int x = body->width() - 83;
    buttonAt(body, QRect(x, 24, 75, 23), u"OK"_s, true);
    buttonAt(body, QRect(x, 52, 75, 23), u"Cancel"_s);
    buttonAt(body, QRect(x, 80, 75, 23), u"Help"_s);
    s.explain(forms, u"forms"_s);
    s.explain(margins, u"margins and test form"_s);
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {65, Screen::Kind::Product, reports,
     u"Reports|Main Menu|Receivables|Payables|Inventory|Payroll"},
    {66, Screen::Kind::Product, reportSelector,
     u"Reports|Report Selector|Preview|Print|Filters|button:Reports"},
    {67, Screen::Kind::Product, reportFilters, u"Filters"},
    {68, Screen::Kind::Product, reportOptions, u"Options"},
    {69, Screen::Kind::Product, reportPreview, u"Preview"},
    {70, Screen::Kind::Product, drillDown, u""},
    {71, Screen::Kind::Product, drillBack, u"Close"},
    {72, Screen::Kind::Product, formAlignment, u"Reports|Form Alignment"},
});

std::span<const SceneDrawing> reportsDrawings() {
    return kDrawings;
}

} // namespace shots::screens
