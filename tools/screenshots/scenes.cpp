// SPDX-License-Identifier: MIT
#include "scenes.h"

#include "screens.h"

#include <array>
#include <cmath>

namespace shots {

namespace {

using namespace screens;

// Scene, picture, callout top and left, pointer y and x (twips), text length, builder.
const std::array<SceneSpec, 80> kScenes = {{
    {1, "TutorialTips.GIF", 0, 0, -1, 0, 0, tutorialTips},
    {2, "NavigationIntro.GIF", 0, 0, 0, 0, 0, navigationIntro},
    {3, "main.GIF", 800, 5200, 0, 0, 283, mainMenu},
    {4, "NavAidMaint.GIF", 4015, 5050, 0, 0, 383, navAidMaintenance},
    {5, "NavAidTask.GIF", 2400, 550, 0, 0, 61, navAidTasks},
    {6, "NavAidRpt.GIF", 5125, 5035, 0, 0, 74, navAidReports},
    {7, "RightMouse.GIF", 2800, 4000, 0, 0, 239, rightMouse},
    {8, "Clone1.GIF", 4400, 3400, 0, 0, 116, copyRecord},
    {9, "ChangeID.GIF", 4600, 3200, 0, 0, 117, changeId},
    {10, "AlertMessage.GIF", 2500, 3600, 0, 0, 168, alertMessage},
    {11, "AlertView.GIF", 4400, 2000, 0, 0, 53, alertView},
    {12, "FileOpen.GIF", 2800, 3000, 0, 0, 87, fileOpen},
    {13, "FileOpen2.GIF", 2000, 1700, 0, 0, 137, fileOpenFilter},
    {14, "TransComment.gif", 500, 4700, 0, 0, 97, transactionComment},
    {15, "TransactionCopy.gif", 4800, 1400, 0, 0, 168, transactionCopy},
    {16, "FastGlance.gif", 3400, 4300, 0, 0, 205, relatedReports},
    {17, "AcctUnderHood.GIF", 3600, 1200, 0, 0, 338, accountingEntries},
    {18, "FastAdd.GIF", 4350, 2200, 0, 0, 330, fastAdd},
    {19, "Import.GIF", 2500, 4300, 0, 0, 319, importWizard},
    {20, "Export.GIF", 3200, 1900, 0, 0, 306, exportWizard},
    {21, "Backup.GIF", -700, 800, 0, 0, 154, backUp},
    {22, "Restore.GIF", 1600, 1000, 0, 0, 156, restore},
    {23, "Help.GIF", 2800, 2000, 1000, 3750, 166, contextHelp},
    {24, "HelpContent.GIF", 1200, 2100, 0, 0, 545, helpContents},
    {25, "HelpIndex.GIF", 4200, 2100, 0, 0, 156, helpIndex},
    {26, "CustomerSupport.GIF", 3000, 140, 0, 0, 484, customerSupport},
    {27, "ReceivablesIntro.GIF", 0, 0, 0, 0, 0, receivablesIntro},
    {28, "Customer.GIF", -140, 4160, -1, 0, 306, customer},
    {29, "Job.GIF", -140, 3900, 0, 0, 314, job},
    {30, "CustomerPaymentMethod.GIF", 2100, 4800, 0, 0, 227, customerPaymentMethod},
    {31, "SalesTaxAuthority.GIF", 3300, 400, 0, 0, 307, salesTaxAuthority},
    {32, "SalesTaxLocation.GIF", 3600, 3600, 0, 0, 276, salesTaxLocation},
    {33, "QuoteInvoice.GIF", 3200, 280, 1000, 1550, 352, quoteToInvoice},
    {34, "Invoice.GIF", 3400, 2900, 0, 0, 237, invoice},
    {35, "StockStatus.GIF", 1800, 2200, 0, 0, 119, stockStatus},
    {36, "InvoicePayment.GIF", 4000, 2000, 0, 0, 125, invoicePayment},
    {37, "InvoiceCreateSR.GIF", 2900, 3900, 1000, 1550, 113, invoiceReturn},
    {38, "Receipt.GIF", 4900, 1200, 0, 0, 157, receipt},
    {39, "PayablesIntro.GIF", 0, 0, 0, 0, 0, payablesIntro},
    {40, "Vendor.GIF", 500, 4100, 0, 0, 109, vendor},
    {41, "VendorPurchase.GIF", 3200, 2000, 0, 0, 123, vendorPurchases},
    {42, "VendorCustom.GIF", 2400, 4100, 0, 0, 107, vendorCustom},
    {43, "CompanyPaymentMethod.GIF", -250, 3900, 0, 0, 333, companyPaymentMethod},
    {44, "PO.gif", 3400, 700, 1000, 1550, 350, purchaseOrder},
    {45, "Purchase.GIF", 3000, 3800, 0, 0, 324, purchase},
    {46, "Payment.GIF", 150, 4800, 0, 0, 258, payment},
    {47, "InventoryIntro.GIF", 0, 0, 0, 0, 0, inventoryIntro},
    {48, "Item.GIF", 4300, 3200, 0, 0, 244, item},
    {49, "ItemAdjustment.GIF", 2800, 500, 0, 0, 394, itemAdjustment},
    {50, "PayrollIntro.GIF", 0, 0, 0, 0, 0, payrollIntro},
    {51, "Employee.GIF", 150, 4300, 0, 0, 241, employee},
    {52, "Earning.GIF", -100, 3100, 0, 0, 308, earning},
    {53, "Deduction.GIF", 3400, 4300, 0, 0, 198, deduction},
    {54, "Contribution.GIF", 250, 4200, 0, 0, 204, contribution},
    {55, "PayrollTax.GIF", 3200, 400, 0, 0, 207, payrollTax},
    {56, "PayrollCheck.GIF", 4600, 1500, 0, 0, 378, payrollCheck},
    {57, "GeneralLedgerIntro.GIF", 0, 0, 0, 0, 0, generalLedgerIntro},
    {58, "Account.GIF", 2500, 3300, 0, 0, 218, account},
    {59, "Department.GIF", 50, 2800, 0, 0, 266, department},
    {60, "Budget.GIF", 2700, 3200, 0, 0, 173, budget},
    {61, "AcctPeriod.GIF", 100, 2200, 0, 0, 274, accountingPeriods},
    {62, "GJ.GIF", 3400, 3400, 0, 0, 262, generalJournal},
    {63, "AcctRec.GIF", 3200, 2500, 0, 0, 250, accountReconciliation},
    {64, "ReportsIntro.GIF", 0, 0, 0, 0, 0, reportsIntro},
    {65, "Reports.GIF", 3400, 3200, 0, 0, 132, reports},
    {66, "ReportSelector.GIF", 3300, -600, 0, 0, 317, reportSelector},
    {67, "Filters.GIF", 3600, 2000, 0, 0, 158, reportFilters},
    {68, "Options.GIF", 4800, 300, 0, 0, 261, reportOptions},
    {69, "Preview.GIF", 500, 3200, 0, 0, 114, reportPreview},
    {70, "DrillDown.GIF", 4900, 3600, 0, 0, 227, drillDown},
    {71, "DrillBack.GIF", 4200, 900, 0, 0, 242, drillBack},
    {72, "FormAlignment.GIF", 4300, 3400, 0, 0, 234, formAlignment},
    {73, "CompanyIntro.GIF", 0, 0, 0, 0, 0, companyIntro},
    {74, "Preference.GIF", 3500, 3000, 0, 0, 184, preferences},
    {75, "BeginBal.GIF", 2100, 1000, 0, 0, 202, beginningBalances},
    {76, "CompanyInfo.GIF", 2300, 4200, 0, 0, 245, companyInformation},
    {77, "PaymentTerms.GIF", -200, 3100, 0, 0, 325, paymentTerms},
    {78, "User.GIF", 3400, 2700, 0, 0, 288, users},
    {79, "Note.GIF", 2600, 1200, 0, 0, 274, notes},
    {80, "Congratulations.GIF", 0, 0, 0, 0, 0, congratulations},
}};

constexpr double kTwipsPerPixel = 15.0;

} // namespace

std::span<const SceneSpec> allScenes() {
    return kScenes;
}

QRect calloutArea(const SceneSpec& scene) {
    if (scene.textLength <= 0)
        return {};
    // The text label starts at the offsets, 4605 twips wide and L / 50 * 200 + 100 high; the
    // plate behind it starts 120 twips above and left of it, 4875 wide and 145 taller.
    const double height = scene.textLength / 50.0 * 200.0 + 100.0;
    const double left = (scene.helpLeft - 120) / kTwipsPerPixel;
    const double top = (scene.helpTop - 120) / kTwipsPerPixel;
    const double right = left + 4875 / kTwipsPerPixel;
    const double bottom = top + (height + 145) / kTwipsPerPixel;
    const int l = int(std::floor(left)), t = int(std::floor(top));
    return QRect(l, t, int(std::ceil(right)) - l, int(std::ceil(bottom)) - t);
}

std::optional<QPoint> pointerTip(const SceneSpec& scene) {
    if (scene.mouseY <= 1)
        return std::nullopt;
    return QPoint(int(std::lround(scene.mouseX / kTwipsPerPixel)),
                  int(std::lround(scene.mouseY / kTwipsPerPixel)));
}

} // namespace shots
