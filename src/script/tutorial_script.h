// SPDX-License-Identifier: MIT
#pragma once

#include "scene_table.h"

#include <array>

namespace script {

// One scene of the built-in script, as written down: the scene's number, the section it begins
// (or none), its screenshot, the callout's offsets and the pointer's target. The help text comes
// from helpText(scene).
struct ScriptRow {
    int scene;
    const char* section;
    const char* picture;
    Int16 helpTop;
    Int16 helpLeft;
    Int16 mouseY;
    Int16 mouseX;
};

// clang-format off
inline constexpr auto kTutorialScript = std::to_array<ScriptRow>({
    // scene, begins section, picture, HelpTop, HelpLeft, MouseY, MouseX
    {1, "Tutorial Tips", "TutorialTips.GIF", 0, 0, -1, 0}, // no text; the single page of its section
    {2, "Navigation", "NavigationIntro.GIF", 0, 0, 0, 0}, // no text; opening page of its section
    {3, nullptr, "main.GIF", 800, 5200, 0, 0}, // the main menu: accounting modules and their everyday tasks
    {4, nullptr, "NavAidMaint.GIF", 4015, 5050, 0, 0}, // navigation aids; maintenance tasks on their left side
    {5, nullptr, "NavAidTask.GIF", 2400, 550, 0, 0}, // transaction and printing tasks on the right side of a navigation aid
    {6, nullptr, "NavAidRpt.GIF", 5125, 5035, 0, 0}, // the list of reports at the bottom of a navigation aid
    {7, nullptr, "RightMouse.GIF", 2800, 4000, 0, 0}, // right-mouse-button navigation from record windows
    {8, nullptr, "Clone1.GIF", 4400, 3400, 0, 0}, // copying a record by typing over its ID
    {9, nullptr, "ChangeID.GIF", 4600, 3200, 0, 0}, // changing a record's ID from the Edit menu
    {10, nullptr, "AlertMessage.GIF", 2500, 3600, 0, 0}, // setting up an alert message for a customer, vendor or employee
    {11, nullptr, "AlertView.GIF", 4400, 2000, 0, 0}, // viewing the alert message with the Alert button
    {12, nullptr, "FileOpen.GIF", 2800, 3000, 0, 0}, // listing existing transactions with File, Open
    {13, nullptr, "FileOpen2.GIF", 2000, 1700, 0, 0}, // filtering and re-sorting the transaction list
    {14, nullptr, "TransComment.gif", 500, 4700, 0, 0}, // a comment on each transaction
    {15, nullptr, "TransactionCopy.gif", 4800, 1400, 0, 0}, // duplicating a transaction from the File menu
    {16, nullptr, "FastGlance.gif", 3400, 4300, 0, 0}, // related reports from the right mouse button
    {17, nullptr, "AcctUnderHood.GIF", 3600, 1200, 0, 0}, // showing or hiding the accounting entries behind transactions
    {18, nullptr, "FastAdd.GIF", 4350, 2200, 0, 0}, // adding a missing record from inside a transaction window
    {19, nullptr, "Import.GIF", 2500, 4300, 0, 0}, // importing data with a wizard
    {20, nullptr, "Export.GIF", 3200, 1900, 0, 0}, // exporting data with a wizard
    {21, nullptr, "Backup.GIF", -700, 800, 0, 0}, // backing up the company's data files
    {22, nullptr, "Restore.GIF", 1600, 1000, 0, 0}, // restoring company files from a backup
    {23, nullptr, "Help.GIF", 2800, 2000, 1000, 3750}, // context-sensitive help for windows and fields
    {24, nullptr, "HelpContent.GIF", 1200, 2100, 0, 0}, // the help contents and how to move through them
    {25, nullptr, "HelpIndex.GIF", 4200, 2100, 0, 0}, // the help index
    {26, nullptr, "CustomerSupport.GIF", 3000, 140, 0, 0}, // the ways to get support and training
    {27, "Receivables", "ReceivablesIntro.GIF", 0, 0, 0, 0}, // no text; opening page of its section
    {28, nullptr, "Customer.GIF", -140, 4160, -1, 0}, // the customer window and prospects
    {29, nullptr, "Job.GIF", -140, 3900, 0, 0}, // jobs and what they track
    {30, nullptr, "CustomerPaymentMethod.GIF", 2100, 4800, 0, 0}, // customer payment methods
    {31, nullptr, "SalesTaxAuthority.GIF", 3300, 400, 0, 0}, // sales tax authorities and their effective dates
    {32, nullptr, "SalesTaxLocation.GIF", 3600, 3600, 0, 0}, // sales tax locations built from authorities
    {33, nullptr, "QuoteInvoice.GIF", 3200, 280, 1000, 1550}, // quotes and turning a quote into an invoice
    {34, nullptr, "Invoice.GIF", 3400, 2900, 0, 0}, // what an invoice is and holds
    {35, nullptr, "StockStatus.GIF", 1800, 2200, 0, 0}, // the stock status of an item just sold
    {36, nullptr, "InvoicePayment.GIF", 4000, 2000, 0, 0}, // paying an invoice at the time of sale
    {37, nullptr, "InvoiceCreateSR.GIF", 2900, 3900, 1000, 1550}, // turning an invoice into a sales return
    {38, nullptr, "Receipt.GIF", 4900, 1200, 0, 0}, // applying customer payments in the receipts window
    {39, "Payables", "PayablesIntro.GIF", 0, 0, 0, 0}, // no text; opening page of its section
    {40, nullptr, "Vendor.GIF", 500, 4100, 0, 0}, // the vendor window
    {41, nullptr, "VendorPurchase.GIF", 3200, 2000, 0, 0}, // the vendor's purchase and payment tab
    {42, nullptr, "VendorCustom.GIF", 2400, 4100, 0, 0}, // the vendor's custom information tab
    {43, nullptr, "CompanyPaymentMethod.GIF", -250, 3900, 0, 0}, // the company's own payment methods
    {44, nullptr, "PO.gif", 3400, 700, 1000, 1550}, // purchase orders: printing, sending, turning into a purchase
    {45, nullptr, "Purchase.GIF", 3000, 3800, 0, 0}, // entering purchases, paid or unpaid
    {46, nullptr, "Payment.GIF", 150, 4800, 0, 0}, // entering a single payment, a prepayment or a refund
    {47, "Inventory", "InventoryIntro.GIF", 0, 0, 0, 0}, // no text; opening page of its section
    {48, nullptr, "Item.GIF", 4300, 3200, 0, 0}, // inventory item records
    {49, nullptr, "ItemAdjustment.GIF", 2800, 500, 0, 0}, // inventory adjustments and their ledger entries
    {50, "Payroll", "PayrollIntro.GIF", 0, 0, 0, 0}, // no text; opening page of its section
    {51, nullptr, "Employee.GIF", 150, 4300, 0, 0}, // employee records
    {52, nullptr, "Earning.GIF", -100, 3100, 0, 0}, // earning types and their tax settings
    {53, nullptr, "Deduction.GIF", 3400, 4300, 0, 0}, // deductions
    {54, nullptr, "Contribution.GIF", 250, 4200, 0, 0}, // employer contributions
    {55, nullptr, "PayrollTax.GIF", 3200, 400, 0, 0}, // payroll taxes
    {56, nullptr, "PayrollCheck.GIF", 4600, 1500, 0, 0}, // the payroll check window
    {57, "General Ledger", "GeneralLedgerIntro.GIF", 0, 0, 0, 0}, // no text; opening page of its section
    {58, nullptr, "Account.GIF", 2500, 3300, 0, 0}, // the chart of accounts
    {59, nullptr, "Department.GIF", 50, 2800, 0, 0}, // departments
    {60, nullptr, "Budget.GIF", 2700, 3200, 0, 0}, // budgets by company or department
    {61, nullptr, "AcctPeriod.GIF", 100, 2200, 0, 0}, // accounting periods and the fiscal year
    {62, nullptr, "GJ.GIF", 3400, 3400, 0, 0}, // general journal entries
    {63, nullptr, "AcctRec.GIF", 3200, 2500, 0, 0}, // account reconciliation
    {64, "Reports/Forms", "ReportsIntro.GIF", 0, 0, 0, 0}, // no text; opening page of its section
    {65, nullptr, "Reports.GIF", 3400, 3200, 0, 0}, // the reports option and its modules
    {66, nullptr, "ReportSelector.GIF", 3300, -600, 0, 0}, // the report selector window
    {67, nullptr, "Filters.GIF", 3600, 2000, 0, 0}, // the filters tab of a report
    {68, nullptr, "Options.GIF", 4800, 300, 0, 0}, // the options tab of a report: printer, fonts, defaults
    {69, nullptr, "Preview.GIF", 500, 3200, 0, 0}, // the preview tab of a report
    {70, nullptr, "DrillDown.GIF", 4900, 3600, 0, 0}, // drilling down from summary data to the detail report
    {71, nullptr, "DrillBack.GIF", 4200, 900, 0, 0}, // drilling back from a report into the transaction window
    {72, nullptr, "FormAlignment.GIF", 4300, 3400, 0, 0}, // margin adjustments for printed forms
    {73, "Company", "CompanyIntro.GIF", 0, 0, 0, 0}, // no text; opening page of its section
    {74, nullptr, "Preference.GIF", 3500, 3000, 0, 0}, // company preferences
    {75, nullptr, "BeginBal.GIF", 2100, 1000, 0, 0}, // beginning balances
    {76, nullptr, "CompanyInfo.GIF", 2300, 4200, 0, 0}, // company information
    {77, nullptr, "PaymentTerms.GIF", -200, 3100, 0, 0}, // payment terms, with a worked discount term
    {78, nullptr, "User.GIF", 3400, 2700, 0, 0}, // users and passwords
    {79, nullptr, "Note.GIF", 2600, 1200, 0, 0}, // notes attached to records
    {80, nullptr, "Congratulations.GIF", 0, 0, 0, 0}, // no text; closing page of the tutorial
});
// clang-format on

inline constexpr int kScriptScenes = static_cast<int>(kTutorialScript.size());

// Writes the script into the table, using numberOfScenes as the write position: it ends at the
// index of the last scene (80). Each field is written through the table's index check and each
// step of the count through the overflow guard.
void loadScript(SceneTable& scenes, Int16& numberOfScenes);

} // namespace script
