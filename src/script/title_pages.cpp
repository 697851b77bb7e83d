// SPDX-License-Identifier: MIT
#include "title_pages.h"

#include <utility>
#include <vector>

namespace script {

namespace {
QString t(const char* text) {
    return QString::fromUtf8(text);
}

const QString kNext = QStringLiteral("Click Next to begin this section.");

std::vector<std::pair<QString, TitlePage>> makeTitlePages() {
    return {
        {QStringLiteral("TutorialTips.GIF"),
         {t("Tutorial Tips"),
          t("Welcome to the Orvane tutorial. Each page shows a window of Orvane with a short "
            "explanation beside it. A few tips before you start:"),
          {t("Click Next (Alt+N) to go to the next page and Previous (Alt+P) to go back one "
             "page."),
           t("Pick a name in the Section list to jump straight to the first page of that "
             "section."),
           t("If the yellow help text covers part of a window, drag it aside with the mouse."),
           t("The page counter at the bottom shows where you are in the tutorial."),
           t("Click Exit (Alt+E) to leave the tutorial at any time.")},
          t("Click Next to start with Navigation.")}},
        {QStringLiteral("NavigationIntro.GIF"),
         {t("Navigation"),
          t("Find your way around Orvane: the Main Menu, navigation aids, menus and shortcuts "
            "that save you time every day."),
          {t("The Main Menu and the navigation aids of each module"),
           t("Right mouse button shortcuts and alert messages"),
           t("Opening, copying and commenting transactions"),
           t("Import and export wizards, backing up and restoring"),
           t("Orvane Help and the Orvane Support Center")},
          kNext}},
        {QStringLiteral("ReceivablesIntro.GIF"),
         {t("Receivables"),
          t("Keep track of what your customers owe you, from the first quote to the payment in "
            "your bank account."),
          {t("Customers, prospects and jobs"), t("Payment methods and sales tax"),
           t("Quotes, invoices and sales returns"), t("Receipts of customer payments")},
          kNext}},
        {QStringLiteral("PayablesIntro.GIF"),
         {t("Payables"),
          t("Manage what you buy and what you owe: vendors, purchase orders, purchases and the "
            "payments you make."),
          {t("Vendor records and their purchase history"), t("Company payment methods"),
           t("Purchase orders and purchases"), t("Payments, prepayments and refunds")},
          kNext}},
        {QStringLiteral("InventoryIntro.GIF"),
         {t("Inventory"),
          t("Know what you have on hand and what it is worth. Orvane updates your stock with "
            "every sale and purchase."),
          {t("Item records: prices, costs and stock levels"),
           t("Inventory adjustments and their ledger entries")},
          kNext}},
        {QStringLiteral("PayrollIntro.GIF"),
         {t("Payroll"),
          t("Pay your employees and keep their payroll taxes right, paycheck after paycheck."),
          {t("Employee records"), t("Earning types, deductions and contributions"),
           t("Payroll taxes"), t("Payroll checks")},
          kNext}},
        {QStringLiteral("GeneralLedgerIntro.GIF"),
         {t("General Ledger"),
          t("The heart of your books: the chart of accounts, budgets, accounting periods and "
            "your own journal entries."),
          {t("The chart of accounts and departments"), t("Budgets"),
           t("Accounting periods and the fiscal year"),
           t("General journal entries and account reconciliation")},
          kNext}},
        {QStringLiteral("ReportsIntro.GIF"),
         {t("Reports/Forms"),
          t("Turn your data into information: choose a report, narrow it down, preview it and "
            "follow any figure back to its source."),
          {t("The Report Selector and its modules"), t("Filters, options and preview"),
           t("Drill Down and Drill Back"), t("Form Alignment for printed forms")},
          kNext}},
        {QStringLiteral("CompanyIntro.GIF"),
         {t("Company"),
          t("Set up Orvane the way your company works, then decide which people may use it."),
          {t("Preferences and company information"), t("Beginning balances"), t("Payment terms"),
           t("Users and passwords"), t("Notes on your records")},
          kNext}},
        {QStringLiteral("Congratulations.GIF"),
         {t("Congratulations!"),
          t("You have finished the Orvane tutorial. You now know your way around Orvane's "
            "modules and the windows you will use every day."),
          {t("Press F1 for help on a window, or click ? and a field for help on it."),
           t("Visit the Orvane Support Center for training classes and the online knowledge "
             "base."),
           t("Run this tutorial again at any time to review a section.")},
          t("Click Exit to close the tutorial.")}},
    };
}

// A line of the page as a sentence, so that a reader pauses after it.
QString sentence(const QString& line) {
    const QChar last = line.isEmpty() ? QChar() : line.back();
    const bool ended = last == u'.' || last == u'!' || last == u'?' || last == u':';
    return ended ? line : line + u'.';
}
} // namespace

const TitlePage* titlePage(QStringView pictureFile) {
    static const std::vector<std::pair<QString, TitlePage>> pages = makeTitlePages();
    for (const auto& [picture, page] : pages) {
        if (picture == pictureFile) {
            return &page;
        }
    }
    return nullptr;
}

QString spokenText(const TitlePage& page) {
    QStringList sentences{sentence(page.heading), sentence(page.intro)};
    for (const QString& point : page.points) {
        sentences.append(sentence(point));
    }
    if (!page.footer.isEmpty()) {
        sentences.append(sentence(page.footer));
    }
    return sentences.join(u' ');
}

} // namespace script
