// SPDX-License-Identifier: MIT
// The tutorial's own pages: the tips page, the title page of each section and the closing
// page. Their words come from the tutorial's script, which also reads them to screen readers.
#include "parts.h"
#include "screens.h"

#include "script/title_pages.h"

namespace shots::screens {

namespace {
// Draws the page that the script words for `picture`; `section` is the one the page marks in
// its list of sections (-1: none).
void wordedPage(Screen& s, int section, const char* picture) {
    const script::TitlePage* page = script::titlePage(QString::fromLatin1(picture));
    Q_ASSERT(page != nullptr);
    titlePage(s, section, page->heading, page->intro, page->points, page->footer);
}
} // namespace

void tutorialTips(Screen& s) {
    wordedPage(s, 0, "TutorialTips.GIF");
}

void navigationIntro(Screen& s) {
    wordedPage(s, 1, "NavigationIntro.GIF");
}

void receivablesIntro(Screen& s) {
    wordedPage(s, 2, "ReceivablesIntro.GIF");
}

void payablesIntro(Screen& s) {
    wordedPage(s, 3, "PayablesIntro.GIF");
}

void inventoryIntro(Screen& s) {
    wordedPage(s, 4, "InventoryIntro.GIF");
}

void payrollIntro(Screen& s) {
    wordedPage(s, 5, "PayrollIntro.GIF");
}

void generalLedgerIntro(Screen& s) {
    wordedPage(s, 6, "GeneralLedgerIntro.GIF");
}

void reportsIntro(Screen& s) {
    wordedPage(s, 7, "ReportsIntro.GIF");
}

void companyIntro(Screen& s) {
    wordedPage(s, 8, "CompanyIntro.GIF");
}

void congratulations(Screen& s) {
    wordedPage(s, -1, "Congratulations.GIF");
}

} // namespace shots::screens
