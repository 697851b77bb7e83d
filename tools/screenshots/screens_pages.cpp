// SPDX-License-Identifier: MIT
// The tutorial's own pages: the tips page, the title page of each section and the closing
// page.
#include "parts.h"
#include "screens.h"

using namespace Qt::StringLiterals;

namespace shots::screens {

namespace {
const QString kNext = u"Click Next to begin this section."_s;

void tutorialTips(Screen& s) {
    titlePage(s, 0, u"Tutorial Tips"_s,
              u"Welcome to the Orvane tutorial. Each page shows a window of Orvane with a "
              "short explanation beside it. A few tips before you start:"_s,
              {u"Click Next (Alt+N) to go to the next page and Previous (Alt+P) to go back "
               "one page."_s,
               u"Pick a name in the Section list to jump straight to the first page of that "
               "section."_s,
               u"If the yellow help text covers part of a window, drag it aside with the "
               "mouse."_s,
               u"The page counter at the bottom shows where you are in the tutorial."_s,
               u"Click Exit (Alt+E) to leave the tutorial at any time."_s},
              u"Click Next to start with Navigation."_s);
}

void navigationIntro(Screen& s) {
    titlePage(s, 1, u"Navigation"_s,
              u"Find your way around Orvane: the Main Menu, navigation aids, menus and "
              "shortcuts that save you time every day."_s,
              {u"The Main Menu and the navigation aids of each module"_s,
               u"Right mouse button shortcuts and alert messages"_s,
               u"Opening, copying and commenting transactions"_s,
               u"Import and export wizards, backing up and restoring"_s,
               u"Orvane Help and the Orvane Support Center"_s},
              kNext);
}

void receivablesIntro(Screen& s) {
    titlePage(s, 2, u"Receivables"_s,
              u"Keep track of what your customers owe you, from the first quote to the "
              "payment in your bank account."_s,
              {u"Customers, prospects and jobs"_s, u"Payment methods and sales tax"_s,
               u"Quotes, invoices and sales returns"_s, u"Receipts of customer payments"_s},
              kNext);
}

void payablesIntro(Screen& s) {
    titlePage(s, 3, u"Payables"_s,
              u"Manage what you buy and what you owe: vendors, purchase orders, purchases "
              "and the payments you make."_s,
              {u"Vendor records and their purchase history"_s, u"Company payment methods"_s,
               u"Purchase orders and purchases"_s, u"Payments, prepayments and refunds"_s},
              kNext);
}

void inventoryIntro(Screen& s) {
    titlePage(s, 4, u"Inventory"_s,
              u"Know what you have on hand and what it is worth. Orvane updates your stock "
              "with every sale and purchase."_s,
              {u"Item records: prices, costs and stock levels"_s,
               u"Inventory adjustments and their ledger entries"_s},
              kNext);
}

void payrollIntro(Screen& s) {
    titlePage(s, 5, u"Payroll"_s,
              u"Pay your employees and keep the payroll taxes right, check after check."_s,
              {u"Employee records"_s, u"Earning types, deductions and contributions"_s,
               u"Payroll taxes"_s, u"Payroll checks"_s},
              kNext);
}

void generalLedgerIntro(Screen& s) {
    titlePage(s, 6, u"General Ledger"_s,
              u"The heart of your books: the chart of accounts, budgets, accounting periods "
              "and your own journal entries."_s,
              {u"The chart of accounts and departments"_s, u"Budgets"_s,
               u"Accounting periods and the fiscal year"_s,
               u"General journal entries and account reconciliation"_s},
              kNext);
}

void reportsIntro(Screen& s) {
    titlePage(s, 7, u"Reports/Forms"_s,
              u"Turn your data into information: choose a report, narrow it down, preview "
              "it and follow any figure back to its source."_s,
              {u"The Report Selector and its modules"_s, u"Filters, options and preview"_s,
               u"Drill Down and Drill Back"_s, u"Form Alignment for printed forms"_s},
              kNext);
}

void companyIntro(Screen& s) {
    titlePage(s, 8, u"Company"_s,
              u"Set up Orvane the way your company works, and decide who may use it."_s,
              {u"Preferences and company information"_s, u"Beginning balances"_s,
               u"Payment terms"_s, u"Users and passwords"_s, u"Notes on your records"_s},
              kNext);
}

void congratulations(Screen& s) {
    titlePage(s, -1, u"Congratulations!"_s,
              u"You have finished the Orvane tutorial. You now know your way around "
              "Orvane's modules and the windows you will use every day."_s,
              {u"Open Orvane Help (F1) whenever you need more detail on a window or field."_s,
               u"Visit the Orvane Support Center for training classes and the online "
               "knowledge base."_s,
               u"Run this tutorial again at any time to review a section."_s},
              u"Click Exit to close the tutorial."_s);
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {1, Screen::Kind::Page, tutorialTips, u""},
    {2, Screen::Kind::Page, navigationIntro, u""},
    {27, Screen::Kind::Page, receivablesIntro, u""},
    {39, Screen::Kind::Page, payablesIntro, u""},
    {47, Screen::Kind::Page, inventoryIntro, u""},
    {50, Screen::Kind::Page, payrollIntro, u""},
    {57, Screen::Kind::Page, generalLedgerIntro, u""},
    {64, Screen::Kind::Page, reportsIntro, u""},
    {73, Screen::Kind::Page, companyIntro, u""},
    {80, Screen::Kind::Page, congratulations, u""},
});

std::span<const SceneDrawing> pageDrawings() {
    return kDrawings;
}

} // namespace shots::screens
