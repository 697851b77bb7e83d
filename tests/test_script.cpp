// SPDX-License-Identifier: MIT
// The built-in script: every field of its 80 scenes as the tutorial was designed, the records the
// table holds after the load, and help texts that fit their callouts.

#include "tutorial_test.h"

#include "script/tutorial_script.h"

using platform::Int16;

namespace {
// A scene as designed. The help text is pinned by its length, which sizes the callout, and by
// its checksum (CRC-16 as qChecksum computes it), which catches a change that keeps the length.
struct DesignedScene {
    int scene;
    const char* section; // nullptr: the scene begins no section
    const char* picture;
    Int16 helpTop;
    Int16 helpLeft;
    Int16 mouseY;
    Int16 mouseX;
    int textLength;
    quint16 textChecksum; // 0 for a scene without text
};

// clang-format off
constexpr DesignedScene kDesign[] = {
    // scene, begins section, picture, HelpTop, HelpLeft, MouseY, MouseX, text length, checksum
    {1, "Tutorial Tips", "TutorialTips.GIF", 0, 0, -1, 0, 0, 0x0000},
    {2, "Navigation", "NavigationIntro.GIF", 0, 0, 0, 0, 0, 0x0000},
    {3, nullptr, "main.GIF", 800, 5200, 0, 0, 283, 0x841c},
    {4, nullptr, "NavAidMaint.GIF", 4015, 5050, 0, 0, 383, 0x3952},
    {5, nullptr, "NavAidTask.GIF", 2400, 550, 0, 0, 61, 0x721a},
    {6, nullptr, "NavAidRpt.GIF", 5125, 5035, 0, 0, 74, 0xe98c},
    {7, nullptr, "RightMouse.GIF", 2800, 4000, 0, 0, 239, 0xf8e2},
    {8, nullptr, "Clone1.GIF", 4400, 3400, 0, 0, 116, 0xc2e7},
    {9, nullptr, "ChangeID.GIF", 4600, 3200, 0, 0, 117, 0x3f26},
    {10, nullptr, "AlertMessage.GIF", 2500, 3600, 0, 0, 168, 0x6402},
    {11, nullptr, "AlertView.GIF", 4400, 2000, 0, 0, 53, 0x5393},
    {12, nullptr, "FileOpen.GIF", 2800, 3000, 0, 0, 87, 0x1136},
    {13, nullptr, "FileOpen2.GIF", 2000, 1700, 0, 0, 137, 0x3dea},
    {14, nullptr, "TransComment.gif", 500, 4700, 0, 0, 97, 0xeba9},
    {15, nullptr, "TransactionCopy.gif", 4800, 1400, 0, 0, 168, 0x9346},
    {16, nullptr, "FastGlance.gif", 3400, 4300, 0, 0, 205, 0x2d7e},
    {17, nullptr, "AcctUnderHood.GIF", 3600, 1200, 0, 0, 338, 0x30f6},
    {18, nullptr, "FastAdd.GIF", 4350, 2200, 0, 0, 330, 0x6f9b},
    {19, nullptr, "Import.GIF", 2500, 4300, 0, 0, 319, 0xe4de},
    {20, nullptr, "Export.GIF", 3200, 1900, 0, 0, 306, 0xd7a5},
    {21, nullptr, "Backup.GIF", -700, 800, 0, 0, 154, 0xcdda},
    {22, nullptr, "Restore.GIF", 1600, 1000, 0, 0, 156, 0x00a0},
    {23, nullptr, "Help.GIF", 2800, 2000, 1000, 3750, 166, 0x79be},
    {24, nullptr, "HelpContent.GIF", 1200, 2100, 0, 0, 545, 0x3678},
    {25, nullptr, "HelpIndex.GIF", 4200, 2100, 0, 0, 156, 0xdac6},
    {26, nullptr, "CustomerSupport.GIF", 3000, 140, 0, 0, 484, 0x3dd5},
    {27, "Receivables", "ReceivablesIntro.GIF", 0, 0, 0, 0, 0, 0x0000},
    {28, nullptr, "Customer.GIF", -140, 4160, -1, 0, 306, 0x0f46},
    {29, nullptr, "Job.GIF", -140, 3900, 0, 0, 314, 0x2dc2},
    {30, nullptr, "CustomerPaymentMethod.GIF", 2100, 4800, 0, 0, 227, 0x1ba2},
    {31, nullptr, "SalesTaxAuthority.GIF", 3300, 400, 0, 0, 307, 0x1fac},
    {32, nullptr, "SalesTaxLocation.GIF", 3600, 3600, 0, 0, 276, 0x6658},
    {33, nullptr, "QuoteInvoice.GIF", 3200, 280, 1000, 1550, 352, 0x4bc3},
    {34, nullptr, "Invoice.GIF", 3400, 2900, 0, 0, 237, 0xed29},
    {35, nullptr, "StockStatus.GIF", 1800, 2200, 0, 0, 119, 0xb329},
    {36, nullptr, "InvoicePayment.GIF", 4000, 2000, 0, 0, 125, 0x1145},
    {37, nullptr, "InvoiceCreateSR.GIF", 2900, 3900, 1000, 1550, 113, 0xb443},
    {38, nullptr, "Receipt.GIF", 4900, 1200, 0, 0, 157, 0x6018},
    {39, "Payables", "PayablesIntro.GIF", 0, 0, 0, 0, 0, 0x0000},
    {40, nullptr, "Vendor.GIF", 500, 4100, 0, 0, 109, 0x37e1},
    {41, nullptr, "VendorPurchase.GIF", 3200, 2000, 0, 0, 123, 0x20ba},
    {42, nullptr, "VendorCustom.GIF", 2400, 4100, 0, 0, 107, 0x33f2},
    {43, nullptr, "CompanyPaymentMethod.GIF", -250, 3900, 0, 0, 333, 0xff58},
    {44, nullptr, "PO.gif", 3400, 700, 1000, 1550, 350, 0x3ef3},
    {45, nullptr, "Purchase.GIF", 3000, 3800, 0, 0, 324, 0x06e7},
    {46, nullptr, "Payment.GIF", 150, 4800, 0, 0, 258, 0x4ee1},
    {47, "Inventory", "InventoryIntro.GIF", 0, 0, 0, 0, 0, 0x0000},
    {48, nullptr, "Item.GIF", 4300, 3200, 0, 0, 244, 0x892c},
    {49, nullptr, "ItemAdjustment.GIF", 2800, 500, 0, 0, 394, 0xa7c1},
    {50, "Payroll", "PayrollIntro.GIF", 0, 0, 0, 0, 0, 0x0000},
    {51, nullptr, "Employee.GIF", 150, 4300, 0, 0, 241, 0x0e18},
    {52, nullptr, "Earning.GIF", -100, 3100, 0, 0, 308, 0x3e38},
    {53, nullptr, "Deduction.GIF", 3400, 4300, 0, 0, 198, 0x2066},
    {54, nullptr, "Contribution.GIF", 250, 4200, 0, 0, 204, 0xf3be},
    {55, nullptr, "PayrollTax.GIF", 3200, 400, 0, 0, 207, 0xb3dc},
    {56, nullptr, "PayrollCheck.GIF", 4600, 1500, 0, 0, 378, 0xcb8b},
    {57, "General Ledger", "GeneralLedgerIntro.GIF", 0, 0, 0, 0, 0, 0x0000},
    {58, nullptr, "Account.GIF", 2500, 3300, 0, 0, 218, 0xdf01},
    {59, nullptr, "Department.GIF", 50, 2800, 0, 0, 266, 0xe685},
    {60, nullptr, "Budget.GIF", 2700, 3200, 0, 0, 173, 0x7f36},
    {61, nullptr, "AcctPeriod.GIF", 100, 2200, 0, 0, 274, 0x3e98},
    {62, nullptr, "GJ.GIF", 3400, 3400, 0, 0, 262, 0xdd30},
    {63, nullptr, "AcctRec.GIF", 3200, 2500, 0, 0, 250, 0xccf6},
    {64, "Reports/Forms", "ReportsIntro.GIF", 0, 0, 0, 0, 0, 0x0000},
    {65, nullptr, "Reports.GIF", 3400, 3200, 0, 0, 132, 0x873e},
    {66, nullptr, "ReportSelector.GIF", 3300, -600, 0, 0, 317, 0x1258},
    {67, nullptr, "Filters.GIF", 3600, 2000, 0, 0, 158, 0xf953},
    {68, nullptr, "Options.GIF", 4800, 300, 0, 0, 261, 0xdc55},
    {69, nullptr, "Preview.GIF", 500, 3200, 0, 0, 114, 0xdcbc},
    {70, nullptr, "DrillDown.GIF", 4900, 3600, 0, 0, 227, 0x34ac},
    {71, nullptr, "DrillBack.GIF", 4200, 900, 0, 0, 242, 0x8e56},
    {72, nullptr, "FormAlignment.GIF", 4300, 3400, 0, 0, 234, 0x3fb7},
    {73, "Company", "CompanyIntro.GIF", 0, 0, 0, 0, 0, 0x0000},
    {74, nullptr, "Preference.GIF", 3500, 3000, 0, 0, 184, 0x175e},
    {75, nullptr, "BeginBal.GIF", 2100, 1000, 0, 0, 202, 0x0733},
    {76, nullptr, "CompanyInfo.GIF", 2300, 4200, 0, 0, 245, 0xa1bb},
    {77, nullptr, "PaymentTerms.GIF", -200, 3100, 0, 0, 325, 0x3218},
    {78, nullptr, "User.GIF", 3400, 2700, 0, 0, 288, 0xa537},
    {79, nullptr, "Note.GIF", 2600, 1200, 0, 0, 274, 0x5435},
    {80, nullptr, "Congratulations.GIF", 0, 0, 0, 0, 0, 0x0000},
};
// clang-format on

bool atDefaults(const script::Scene& scene) {
    return scene.HelpText.isEmpty() && scene.SectionName.isEmpty() && scene.PictureFile.isEmpty() &&
           scene.HelpTop == 0 && scene.HelpLeft == 0 && scene.MouseX == 0 && scene.MouseY == 0;
}

quint16 checksumOf(const QString& text) {
    return text.isEmpty() ? 0 : qChecksum(text.toLatin1());
}
} // namespace

class ScriptTest : public QObject {
    Q_OBJECT

    script::SceneTable table;
    Int16 count = 0;

private Q_SLOTS:
    void initTestCase() { script::loadScript(table, count); }

    void everySceneAsDesigned_data() {
        QTest::addColumn<int>("scene");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QList<int>>("offsets"); // HelpTop, HelpLeft, MouseY, MouseX
        QTest::addColumn<int>("textLength");
        QTest::addColumn<quint16>("textChecksum");
        for (const DesignedScene& d : kDesign) {
            QTest::addRow("scene %d", d.scene)
                << d.scene << QString::fromLatin1(d.section) << QString::fromLatin1(d.picture)
                << QList<int>{d.helpTop, d.helpLeft, d.mouseY, d.mouseX} << d.textLength
                << d.textChecksum;
        }
    }
    void everySceneAsDesigned() {
        QFETCH(int, scene);
        QFETCH(QString, section);
        QFETCH(QString, picture);
        QFETCH(QList<int>, offsets);
        QFETCH(int, textLength);
        QFETCH(quint16, textChecksum);
        const script::Scene& record = table(Int16(scene));
        QCOMPARE(record.SectionName, section);
        QCOMPARE(record.PictureFile, picture);
        QCOMPARE((QList<int>{record.HelpTop, record.HelpLeft, record.MouseY, record.MouseX}),
                 offsets);
        QCOMPARE(int(record.HelpText.size()), textLength);
        QCOMPARE(checksumOf(record.HelpText), textChecksum);
    }

    // The design lists every scene of the script, in order; no record outside it is touched.
    void theScriptIsTheDesignAndNothingElse() {
        QCOMPARE(count, Int16(script::kScriptScenes));
        QCOMPARE(int(std::size(kDesign)), script::kScriptScenes);
        for (int i = 0; i < script::kScriptScenes; ++i) {
            QCOMPARE(kDesign[i].scene, i + 1);
        }
        QVERIFY(atDefaults(table(0)));
        for (int i = count + 1; i < script::SceneTable::kSize; ++i) {
            QVERIFY2(atDefaults(table(Int16(i))), qPrintable(QString::number(i)));
        }
    }

    void textsArePlainSingleParagraphsAboutOrvane() {
        int namingOrvane = 0;
        for (int i = 1; i <= count; ++i) {
            const QString& text = table(Int16(i)).HelpText;
            for (const QChar c : text) {
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f,
                         qPrintable(QStringLiteral("scene %1").arg(i)));
            }
            QVERIFY(!text.contains(QStringLiteral("   ")));
            namingOrvane += text.contains(QStringLiteral("Orvane")) ? 1 : 0;
        }
        QVERIFY(namingOrvane > 0);
    }

    // Every text, word-wrapped in the program's font at the callout's width, fits the height
    // the presentation gives it.
    void everyTextFitsItsCallout() {
        TestWindow w;
        w->resize(1024, 768);
        w->LoadSceneData();
        for (int i = 1; i <= w->NumberOfScenes; ++i) {
            if (w.scenes(Int16(i)).HelpText.isEmpty()) {
                continue;
            }
            w->CurrentScene = Int16(i);
            w->SetCurrentScene();
            const platform::Label* callout = w->HelpTextMemo;
            QVERIFY2(callout->heightForWidth(callout->width()) <= callout->height(),
                     qPrintable(QStringLiteral("scene %1 needs %2 pixels, has %3")
                                    .arg(i)
                                    .arg(callout->heightForWidth(callout->width()))
                                    .arg(callout->height())));
        }
    }

    void programFontIsTheBuiltInOne() {
        QCOMPARE(QFontInfo(QApplication::font()).family(),
                 QStringLiteral("Liberation Sans Narrow"));
        QCOMPARE(QApplication::font().pointSize(), 8);
    }
};

ORVANE_TEST_MAIN(ScriptTest)
#include "test_script.moc"
