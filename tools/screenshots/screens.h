// SPDX-License-Identifier: MIT
// One function per picture. Each builds its screen on an empty Screen.
#pragma once

namespace shots {

class Screen;

namespace screens {

// Title pages of the tutorial's sections and its closing page.
void tutorialTips(Screen& s);
void navigationIntro(Screen& s);
void receivablesIntro(Screen& s);
void payablesIntro(Screen& s);
void inventoryIntro(Screen& s);
void payrollIntro(Screen& s);
void generalLedgerIntro(Screen& s);
void reportsIntro(Screen& s);
void companyIntro(Screen& s);
void congratulations(Screen& s);

// Navigation
void mainMenu(Screen& s);
void navAidMaintenance(Screen& s);
void navAidTasks(Screen& s);
void navAidReports(Screen& s);
void rightMouse(Screen& s);
void copyRecord(Screen& s);
void changeId(Screen& s);
void alertMessage(Screen& s);
void alertView(Screen& s);
void fileOpen(Screen& s);
void fileOpenFilter(Screen& s);
void transactionComment(Screen& s);
void transactionCopy(Screen& s);
void relatedReports(Screen& s);
void accountingEntries(Screen& s);
void fastAdd(Screen& s);
void importWizard(Screen& s);
void exportWizard(Screen& s);
void backUp(Screen& s);
void restore(Screen& s);
void contextHelp(Screen& s);
void helpContents(Screen& s);
void helpIndex(Screen& s);
void customerSupport(Screen& s);

// Receivables
void customer(Screen& s);
void job(Screen& s);
void customerPaymentMethod(Screen& s);
void salesTaxAuthority(Screen& s);
void salesTaxLocation(Screen& s);
void quoteToInvoice(Screen& s);
void invoice(Screen& s);
void stockStatus(Screen& s);
void invoicePayment(Screen& s);
void invoiceReturn(Screen& s);
void receipt(Screen& s);

// Payables
void vendor(Screen& s);
void vendorPurchases(Screen& s);
void vendorCustom(Screen& s);
void companyPaymentMethod(Screen& s);
void purchaseOrder(Screen& s);
void purchase(Screen& s);
void payment(Screen& s);

// Inventory and payroll
void item(Screen& s);
void itemAdjustment(Screen& s);
void employee(Screen& s);
void earning(Screen& s);
void deduction(Screen& s);
void contribution(Screen& s);
void payrollTax(Screen& s);
void payrollCheck(Screen& s);

// General ledger
void account(Screen& s);
void department(Screen& s);
void budget(Screen& s);
void accountingPeriods(Screen& s);
void generalJournal(Screen& s);
void accountReconciliation(Screen& s);

// Reports and forms
void reports(Screen& s);
void reportSelector(Screen& s);
void reportFilters(Screen& s);
void reportOptions(Screen& s);
void reportPreview(Screen& s);
void drillDown(Screen& s);
void drillBack(Screen& s);
void formAlignment(Screen& s);

// Company
void preferences(Screen& s);
void beginningBalances(Screen& s);
void companyInformation(Screen& s);
void paymentTerms(Screen& s);
void users(Screen& s);
void notes(Screen& s);

} // namespace screens
} // namespace shots
