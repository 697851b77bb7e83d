// SPDX-License-Identifier: MIT
// The built-in script: 80 scenes in nine sections, the exact records the table holds after the
// load, and help texts of the lengths the callouts are sized for.

#include "tutorial_test.h"

#include "script/help_texts.h"
#include "script/tutorial_script.h"

#include <QSet>

using platform::Int16;

namespace {
// The length of each scene's help text, scene 1 first; 0 for a scene without text.
constexpr int kTextLengths[80] = {
    0,   0,   283, 383, 61,  74,  239, 116, 117, 168, 53,  87,  137, 97,  168, 205,
    338, 330, 319, 306, 154, 156, 166, 545, 156, 484, 0,   306, 314, 227, 307, 276,
    352, 237, 119, 125, 113, 157, 0,   109, 123, 107, 333, 350, 324, 258, 0,   244,
    394, 0,   241, 308, 198, 204, 207, 378, 0,   218, 266, 173, 274, 262, 250, 0,
    132, 317, 158, 261, 114, 227, 242, 234, 0,   184, 202, 245, 325, 288, 274, 0};

bool atDefaults(const script::Scene& scene) {
    return scene.HelpText.isEmpty() && scene.SectionName.isEmpty() && scene.PictureFile.isEmpty() &&
           scene.HelpTop == 0 && scene.HelpLeft == 0 && scene.MouseX == 0 && scene.MouseY == 0;
}
} // namespace

class ScriptTest : public QObject {
    Q_OBJECT

    script::SceneTable table;
    Int16 count = 0;

private Q_SLOTS:
    void initTestCase() { script::loadScript(table, count); }

    void loadsEightyScenesAndNothingElse() {
        QCOMPARE(count, Int16(80));
        QVERIFY(atDefaults(table(0)));
        for (int i = 81; i <= 500; ++i) {
            QVERIFY2(atDefaults(table(Int16(i))), qPrintable(QString::number(i)));
        }
        for (int i = 1; i <= 80; ++i) {
            QVERIFY(
                table(Int16(i)).PictureFile.endsWith(QStringLiteral(".GIF"), Qt::CaseInsensitive));
        }
    }

    void windowLoadSetsTheCounters() {
        TestWindow w;
        w->LoadSceneData();
        QCOMPARE(w->NumberOfScenes, Int16(80));
        QCOMPARE(w->CurrentScene, Int16(1));
    }

    void nineSectionsInOrder() {
        const QStringList expected{
            QStringLiteral("Tutorial Tips"),  QStringLiteral("Navigation"),
            QStringLiteral("Receivables"),    QStringLiteral("Payables"),
            QStringLiteral("Inventory"),      QStringLiteral("Payroll"),
            QStringLiteral("General Ledger"), QStringLiteral("Reports/Forms"),
            QStringLiteral("Company")};
        const QList<int> firstScenes{1, 2, 27, 39, 47, 50, 57, 64, 73};
        QStringList names;
        QList<int> scenes;
        for (int i = 1; i <= 80; ++i) {
            if (!table(Int16(i)).SectionName.isEmpty()) {
                names << table(Int16(i)).SectionName;
                scenes << i;
            }
        }
        QCOMPARE(names, expected);
        QCOMPARE(scenes, firstScenes);
    }

    void pictureNamesKeepTheirCase() {
        QCOMPARE(table(3).PictureFile, QStringLiteral("main.GIF"));
        QCOMPARE(table(44).PictureFile, QStringLiteral("PO.gif"));
        QCOMPARE(table(14).PictureFile, QStringLiteral("TransComment.gif"));
        QCOMPARE(table(80).PictureFile, QStringLiteral("Congratulations.GIF"));
        QSet<QString> unique;
        int lowerCase = 0;
        for (int i = 1; i <= 80; ++i) {
            unique.insert(table(Int16(i)).PictureFile);
            lowerCase += table(Int16(i)).PictureFile.endsWith(QStringLiteral(".gif")) ? 1 : 0;
        }
        QCOMPARE(unique.size(), 80);
        QCOMPARE(lowerCase, 4);
    }

    void onlyFourScenesGlide() {
        QList<int> gliding;
        for (int i = 1; i <= 80; ++i) {
            if (table(Int16(i)).MouseY > 1) {
                gliding << i;
            }
        }
        QCOMPARE(gliding, QList<int>({23, 33, 37, 44}));
        QCOMPARE(table(23).MouseX, Int16(3750));
        QCOMPARE(table(33).MouseX, Int16(1550));
        QCOMPARE(table(44).MouseY, Int16(1000));
        QCOMPARE(table(1).MouseY, Int16(-1));
        QCOMPARE(table(28).MouseY, Int16(-1));
    }

    void offsetsAsWritten() {
        QCOMPARE(table(21).HelpTop, Int16(-700));
        QCOMPARE(table(21).HelpLeft, Int16(800));
        QCOMPARE(table(66).HelpLeft, Int16(-600));
        QCOMPARE(table(4).HelpTop, Int16(4015));
        QCOMPARE(table(4).HelpLeft, Int16(5050));
        QCOMPARE(table(26).HelpLeft, Int16(140));
    }

    void textsHaveTheirExactLengths() {
        int total = 0;
        QList<int> withoutText;
        for (int i = 1; i <= 80; ++i) {
            const QString& text = table(Int16(i)).HelpText;
            QVERIFY2(text.size() == kTextLengths[i - 1],
                     qPrintable(QStringLiteral("scene %1 has %2 characters, not %3")
                                    .arg(i)
                                    .arg(text.size())
                                    .arg(kTextLengths[i - 1])));
            total += int(text.size());
            if (text.isEmpty()) {
                withoutText << i;
            }
        }
        QCOMPARE(total, 16099);
        QCOMPARE(withoutText, QList<int>({1, 2, 27, 39, 47, 50, 57, 64, 73, 80}));
    }

    void textsArePlainSingleParagraphsAboutOrvane() {
        int namingOrvane = 0;
        for (int i = 1; i <= 80; ++i) {
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
        for (int i = 1; i <= 80; ++i) {
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
