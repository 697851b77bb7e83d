// SPDX-License-Identifier: MIT
// The tutorial's own pages: the tips page, the title page of each section and the closing
// page.
#include "parts.h"
#include "screens.h"

namespace shots::screens {

namespace {
QString t(const char* text) {
    return QString::fromUtf8(text);
}
const QString kNext = QStringLiteral("Click Next to begin this section.");

void tutorialTips(Screen& s) {
    titlePage(s, 0, t("Tutorial Tips"),
              t("Welcome to the Orvane tutorial. Each page shows a window of Orvane with a "
                "short explanation beside it. A few tips before you start:"),
              {t("Click Next (Alt+N) to go to the next page and Previous (Alt+P) to go back "
                 "one page."),
               t("Pick a name in the Section list to jump straight to the first page of that "
                 "section."),
               t("If the yellow help text covers part of a window, drag it aside with the "
                 "mouse."),
               t("The page counter at the bottom shows where you are in the tutorial."),
               t("Click Exit (Alt+E) to leave the tutorial at any time.")},
              t("Click Next to start with Navigation."));
}

void navigationIntro(Screen& s) {
    titlePage(s, 1, t("Navigation"),
              t("Find your way around Orvane: the Main Menu, navigation aids, menus and "
                "shortcuts that save you time every day."),
              {t("The Main Menu and the navigation aids of each module"),
               t("Right mouse button shortcuts, alert messages and notes"),
               t("Opening, copying and commenting transactions"),
               t("Import and export wizards, backing up and restoring"),
               t("Orvane Help and the Orvane Support Center")},
              kNext);
}

void receivablesIntro(Screen& s) {
    titlePage(s, 2, t("Receivables"),
              t("Keep track of what your customers owe you, from the first quote to the "
                "payment in your bank account."),
              {t("Customers, prospects and jobs"), t("Payment methods and sales tax"),
               t("Quotes, invoices and sales returns"), t("Receipts of customer payments")},
              kNext);
}

void payablesIntro(Screen& s) {
    titlePage(s, 3, t("Payables"),
              t("Manage what you buy and what you owe: vendors, purchase orders, purchases "
                "and the payments you make."),
              {t("Vendor records and their purchase history"), t("Company payment methods"),
               t("Purchase orders and purchases"), t("Payments, prepayments and refunds")},
              kNext);
}

void inventoryIntro(Screen& s) {
    titlePage(s, 4, t("Inventory"),
              t("Know what you have on hand and what it is worth. Orvane updates your stock "
                "with every sale and purchase."),
              {t("Item records: prices, costs and stock levels"),
               t("Inventory adjustments and their ledger entries")},
              kNext);
}

void payrollIntro(Screen& s) {
    titlePage(s, 5, t("Payroll"),
              t("Pay your employees and keep the payroll taxes right, check after check."),
              {t("Employee records"), t("Earning types, deductions and contributions"),
               t("Payroll taxes"), t("Payroll checks")},
              kNext);
}

void generalLedgerIntro(Screen& s) {
    titlePage(s, 6, t("General Ledger"),
              t("The heart of your books: the chart of accounts, budgets, accounting periods "
                "and your own journal entries."),
              {t("The chart of accounts and departments"), t("Budgets"),
               t("Accounting periods and the fiscal year"),
               t("General journal entries and account reconciliation")},
              kNext);
}

void reportsIntro(Screen& s) {
    titlePage(s, 7, t("Reports/Forms"),
              t("Turn your data into information: choose a report, narrow it down, preview "
                "it and follow any figure back to its source."),
              {t("The Report Selector and its modules"), t("Filters, options and preview"),
               t("Drill Down and Drill Back"), t("Form Alignment for printed forms")},
              kNext);
}

void companyIntro(Screen& s) {
    titlePage(s, 8, t("Company"),
              t("Set up Orvane the way your company works, and decide who may use it."),
              {t("Preferences and company information"), t("Beginning balances"),
               t("Payment terms"), t("Users and passwords"), t("Notes on your records")},
              kNext);
}

void congratulations(Screen& s) {
    titlePage(s, -1, t("Congratulations!"),
              t("You have finished the Orvane tutorial. You now know your way around "
                "Orvane's modules and the windows you will use every day."),
              {t("Open Orvane Help (F1) whenever you need more detail on a window or field."),
               t("Visit the Orvane Support Center for training classes and the online "
                 "knowledge base."),
               t("Run this tutorial again at any time to review a section.")},
              t("Click Exit to close the tutorial."));
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {1, Screen::Kind::Page, tutorialTips},
    {2, Screen::Kind::Page, navigationIntro},
    {27, Screen::Kind::Page, receivablesIntro},
    {39, Screen::Kind::Page, payablesIntro},
    {47, Screen::Kind::Page, inventoryIntro},
    {50, Screen::Kind::Page, payrollIntro},
    {57, Screen::Kind::Page, generalLedgerIntro},
    {64, Screen::Kind::Page, reportsIntro},
    {73, Screen::Kind::Page, companyIntro},
    {80, Screen::Kind::Page, congratulations},
});

std::span<const SceneDrawing> pageDrawings() {
    return kDrawings;
}

} // namespace shots::screens
