// SPDX-License-Identifier: MIT
// Screens of the Reports/Forms section.
#include "look.h"
#include "parts.h"
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

using namespace Qt::StringLiterals;

namespace shots::screens {

namespace {

// Aged Receivables, summary by customer.
ReportPage agedSummary() {
    ReportPage p;
    p.title = u"Aged Receivables - Summary"_s;
    p.subtitle = u"As of 03/31/27"_s;
    p.headers = {u"Customer"_s, u">Current"_s, u">31-60"_s,
                 u">61-90"_s,   u">Over 90"_s, u">Total"_s};
    p.widths = {170, 70, 70, 70, 70, 80};
    p.rows = {
        {u"Brighton Park District"_s, u"1,240.00"_s, u""_s, u""_s, u""_s, u"1,240.00"_s},
        {u"Greenway Landscaping"_s, u"2,806.27"_s, u"612.35"_s, u""_s, u""_s, u"3,418.62"_s},
        {u"Oak Hollow Estates HOA"_s, u"960.00"_s, u"1,115.00"_s, u""_s, u""_s, u"2,075.00"_s},
        {u"Pinewood Golf Club"_s, u"3,452.18"_s, u"2,480.00"_s, u""_s, u""_s, u"5,932.18"_s},
        {u"Rosa Martinez"_s, u""_s, u""_s, u"86.40"_s, u""_s, u"86.40"_s},
        {u"Sunset Community Garden"_s, u"312.75"_s, u""_s, u""_s, u""_s, u"312.75"_s},
        {u"Willowbrook Apartments"_s, u"740.00"_s, u""_s, u""_s, u""_s, u"740.00"_s},
        {u"*Total"_s, u"9,511.20"_s, u"4,207.35"_s, u"86.40"_s, u"0.00"_s, u"13,804.95"_s}};
    return p;
}

// Customer Ledgers: every transaction of each customer.
ReportPage customerLedgers() {
    ReportPage p;
    p.title = u"Customer Ledgers"_s;
    p.subtitle = u"03/01/27 to 03/31/27"_s;
    p.headers = {u"Date"_s, u"Type"_s, u"Reference"_s, u">Debit"_s, u">Credit"_s, u">Balance"_s};
    p.widths = {70, 70, 150, 80, 80, 90};
    p.rows = {{u"=Greenway Landscaping"_s},
              {u"03/01/27"_s, u"Balance"_s, u""_s, u""_s, u""_s, u"0.00"_s},
              {u"03/03/27"_s, u"Invoice"_s, u"10472"_s, u"612.35"_s, u""_s, u"612.35"_s},
              {u"03/09/27"_s, u"Invoice"_s, u"10476"_s, u"1,809.86"_s, u""_s, u"2,422.21"_s},
              {u"03/15/27"_s, u"Invoice"_s, u"10482"_s, u"996.41"_s, u""_s, u"3,418.62"_s},
              {u"=Hillcrest Nursery"_s},
              {u"03/01/27"_s, u"Balance"_s, u""_s, u""_s, u""_s, u"640.00"_s},
              {u"03/06/27"_s, u"Receipt"_s, u"Check 2290"_s, u""_s, u"640.00"_s, u"0.00"_s},
              {u"=Oak Hollow Estates HOA"_s},
              {u"03/05/27"_s, u"Invoice"_s, u"10474"_s, u"1,115.00"_s, u""_s, u"1,115.00"_s},
              {u"03/12/27"_s, u"Invoice"_s, u"10480"_s, u"960.00"_s, u""_s, u"2,075.00"_s},
              {u"=Pinewood Golf Club"_s},
              {u"03/02/27"_s, u"Invoice"_s, u"10471"_s, u"2,480.00"_s, u""_s, u"2,480.00"_s},
              {u"03/12/27"_s, u"Invoice"_s, u"10479"_s, u"3,452.18"_s, u""_s, u"5,932.18"_s},
              {u"=Sunset Community Garden"_s},
              {u"03/10/27"_s, u"Invoice"_s, u"10477"_s, u"312.75"_s, u""_s, u"312.75"_s}};
    return p;
}

void reports(Screen& s) {
    MainMenu menu = mainMenuBehind(s);
    QWidget* card = menu.cards.value(u"Reports"_s);
    card->findChild<QToolButton*>()->setDown(true);
    ReportSelector rs = reportSelector(s, QRect(318, 274, 318, 183));
    s.explain(card, u"Reports on the Main Menu"_s);
    s.explain(rs.modules, u"modules"_s);
}

void reportSelector(Screen& s) {
    mainMenuBehind(s);
    ReportSelector rs = shots::reportSelector(s, workColumn(280, 356));
    s.explain(rs.window, u"Report Selector"_s);
}

void reportFilters(Screen& s) {
    ReportWindow rw = reportWindow(s, u"Customer Ledgers"_s, kWorkArea, 0);
    QTableWidget* grid =
        gridAt(rw.page, QRect(8, 8, 600, 74), {u"Filter"_s, u"From"_s, u"To"_s}, {160, 0, 200},
               {{u"Date"_s, u"03/01/27"_s, u"03/31/27"_s},
                {u"Customer ID"_s, u"GREENWAY"_s, u"SUNSET-CG"_s},
                {u"Customer Type"_s, u"All"_s, u""_s}},
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
    f.choice(u"Printer"_s, u"Office LaserJet"_s, 180);
    f.choice(u"Paper"_s, u"Letter, 8.5 x 11 in"_s, 180);
    f.text(u"Margins"_s, u"0.50 in top, 0.50 in left"_s, 180);
    f.text(u"Copies"_s, u"1"_s, 40, true);
    radioAt(printer, QPoint(80, 96), u"Portrait"_s, true);
    radioAt(printer, QPoint(170, 96), u"Landscape"_s, false);
    checkAt(printer, QPoint(80, 118), u"Show the Department column"_s, true);
    auto* fonts = groupAt(rw.page, QRect(330, 8, 270, 110), u"Fonts"_s);
    FormPane ff(fonts, 10, 20, 70);
    ff.text(u"Title"_s, u"Liberation Sans, 14, Bold"_s, 150);
    ff.text(u"Headings"_s, u"Liberation Sans, 10, Bold"_s, 150);
    ff.text(u"Body"_s, u"Liberation Sans, 9"_s, 150);
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

void drillDown(Screen& s) {
    ReportWindow rw = reportWindow(s, u"Aged Receivables"_s, kWorkArea, 2);
    ReportPage page = agedSummary();
    page.highlightRow = 3;
    ReportPaper* paper = reportPaper(rw.page, QRect(0, 0, 620, 302), page);
    const QRect row = paper->rowRect(3);
    s.afterLayout([&s, paper, row] {
        s.cursorAt(paper->mapTo(&s, row.center() + QPoint(20, 2)));
        s.tip(paper->mapTo(&s, row.bottomLeft() + QPoint(150, 10)),
              u"Double-click a line to see its detail"_s);
    });
    s.explain(paper, row, u"summary line"_s);
}

void drillBack(Screen& s) {
    ReportWindow rw = reportWindow(s, u"Customer Ledgers"_s, kWorkArea, 2, false);
    ReportPage page = customerLedgers();
    page.highlightRow = 12;
    ReportPaper* paper = reportPaper(rw.page, QRect(0, 0, 620, 302), page);
    s.windowToolbar(u"Create\nReturn"_s, Glyph::Return);
    TransactionSpec form = greenwayInvoice(QRect(150, 98, 486, 172));
    form.partyId = u"PINEWOOD"_s;
    form.address.clear();
    form.header = {{u"Invoice No."_s, u"10471"_s}, {u"Date"_s, u"03/02/27"_s}};
    form.lines = {
        {u"1"_s, u"LANDSCAPE"_s, u"Spring course planting"_s, u"2,300.00"_s, u"2,300.00"_s},
        {u"40"_s, u"SOIL-PT1"_s, u"Potting Soil, 1 cu ft"_s, u"4.50"_s, u"180.00"_s}};
    form.totals = {{u"Total"_s, u"2,480.00"_s}};
    form.comment = u"Course planting, phase 1"_s;
    Transaction t = transactionWindow(s, form);
    s.explain(paper, paper->rowRect(12), u"transaction line"_s);
    s.explain(t.window, u"the transaction's window"_s);
}

void formAlignment(Screen& s) {
    s.mainToolbar();
    mainMenuBehind(s);
    ChildWindow* d = s.addDialog(u"Form Alignment"_s, QRect(40, 98, 560, 178), Glyph::Print);
    QWidget* body = d->body();
    labelAt(body, QRect(8, 6, 150, 18), u"Form"_s);
    listAt(body, QRect(8, 24, 160, 116), {u"Form"_s}, {0},
           {{u"Invoices"_s},
            {u"Statements"_s},
            {u"Checks"_s},
            {u"Purchase Orders"_s},
            {u"W-2 Forms"_s}},
           2);
    FormPane f(body, 186, 24, 90);
    f.text(u"Top Margin"_s, u"+0.10 in"_s, 70, true);
    f.text(u"Left Margin"_s, u"-0.05 in"_s, 70, true);
    auto* hint = new QLabel(u"Print a test form, hold it against a printed form and move the "
                            "text by the difference."_s,
                            body);
    hint->setWordWrap(true);
    hint->setGeometry(186, 76, 200, 44);
    buttonAt(body, QRect(186, 122, 90, 23), u"Print Test"_s);
    dialogButtons(body, {u"OK"_s, u"Cancel"_s, u"Help"_s}).first();
    s.explain(d, u"Form Alignment window"_s);
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {65, Screen::Kind::Product, reports},
    {66, Screen::Kind::Product, reportSelector},
    {67, Screen::Kind::Product, reportFilters},
    {68, Screen::Kind::Product, reportOptions},
    {69, Screen::Kind::Product, reportPreview},
    {70, Screen::Kind::Product, drillDown},
    {71, Screen::Kind::Product, drillBack},
    {72, Screen::Kind::Product, formAlignment},
});

std::span<const SceneDrawing> reportsDrawings() {
    return kDrawings;
}

} // namespace shots::screens
