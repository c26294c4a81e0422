// Guards "Multi Language Editing" against: rows beyond the table's capacity taken, a file of
// another table kind accepted, widths counted in bytes instead of cells, the close box that
// saves without asking or not at all, Escape that asks or saves, a character GB2312 cannot hold,
// a pasted control character or NUL (or a text over 24 bytes) reaching the table, and a UTF-8
// file imported as mojibake or without telling.
#include <QTest>

#include "DialogTestKit.h"
#include "controls/CEditListCtrl.h"
#include "controls/CListCtrlEdit.h"
#include "image/ui/CMultiLanDlg.h"
#include "model/records/MenuRecord.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"
#include "tests/gui/FieldKit.h"

using namespace zorv;

namespace {
LanguageTable tableOf(LanguageTableKind kind, int used) {
    LanguageTable t(kind.capacity);
    for (int k = 0; k < used; ++k) {
        t.entries[k].used = true;
        t.entries[k].value = 10 * k;
        t.entries[k].text[0] = TextSlot::fromBytes("L" + std::to_string(k));
        t.entries[k].text[1] = TextSlot::fromBytes("M" + std::to_string(k));
    }
    t.count = used;
    return t;
}
struct Open {
    LanguageTable table;
    ScriptedPrompt prompt;
    ScriptedFileChooser files;
    CMultiLanDlg dialog;
    CEditListCtrl& list;
    Open(LanguageTableKind kind, LanguageTable t, std::deque<PromptAnswer> answers = {})
        : table(std::move(t)), prompt(std::move(answers)), dialog(table, kind, prompt, files),
          list(*dialog.findChild<CEditListCtrl*>("texts")) {
        dialog.show();
    }
};
} // namespace

class CMultiLanDlgTest : public QObject {
    Q_OBJECT
private slots:
    void opensOneRowPerUsedSlot();
    void onlyCapacityRowsAreTaken();
    void fileOfAnotherKindIsRefused();
    void widths_data();
    void widths();
    void refusedTexts_data();
    void refusedTexts();
    void closeBoxAsks_data();
    void closeBoxAsks();
    void escapeClosesWithoutAsking();
    void utf8FileIsConvertedAndTold();

private:
    QTemporaryDir dir_;
};

void CMultiLanDlgTest::opensOneRowPerUsedSlot() {
    Open o(kDynamicTextTable, tableOf(kDynamicTextTable, 3));
    QCOMPARE(o.list.rowCount(), 3);
    QCOMPARE(o.list.cellText(2, 0), QString("20"));
    QCOMPARE(o.list.cellText(2, 2), QString("M2"));
    for (int c = 0; c < 3; ++c)
        QCOMPARE(o.list.columnWidth(c), 120);
    QCOMPARE(o.list.horizontalHeaderItem(0)->text(), QString("Parameter values"));
    o.list.setFocus();
    o.list.selectRow(1);
    QTest::keyClick(&o.list, Qt::Key_Delete);
    dialogkit::click(o.dialog, "ok");
    QCOMPARE(o.table.count, 2);
    QCOMPARE(o.table.entries[1].value, 20);
    QVERIFY(!o.table.entries[2].used);
}

void CMultiLanDlgTest::onlyCapacityRowsAreTaken() {
    std::string file = "D";
    for (int i = 0; i < 33; ++i)
        file += "\r\n" + std::to_string(i) + "\tT" + std::to_string(i) + "\tU";
    const QString path = dir_.filePath("levels.txt");
    dialogkit::writeFile(path, file);
    Open o(kDynamicTextTable, tableOf(kDynamicTextTable, 1));
    o.files.answers = {path};
    dialogkit::click(o.dialog, "import");
    QCOMPARE(o.files.filters, QStringList{"TXT (*.txt)"});
    QCOMPARE(o.list.rowCount(), 33);
    dialogkit::click(o.dialog, "ok");
    QCOMPARE(o.table.count, 32);
    QCOMPARE(o.table.entries[31].text[0].str(), std::string("T31"));
}

void CMultiLanDlgTest::fileOfAnotherKindIsRefused() {
    const QString name = dir_.filePath("menu"); // ".txt" is added
    {
        Open menu(kMenuTable, tableOf(kMenuTable, 2));
        menu.files.answers = {name};
        dialogkit::click(menu.dialog, "export");
        QCOMPARE(dialogkit::readFile(name + ".txt"), std::string("M\r\n0\tL0\tM0\r\n10\tL1\tM1"));
        // Exported and imported back: the same rows.
        menu.files.answers = {name + ".txt"};
        dialogkit::click(menu.dialog, "import");
        QCOMPARE(menu.list.rowCount(), 2);
        QCOMPARE(menu.list.cellText(1, 1), QString("L1"));
    }
    Open o(kDynamicTextTable, tableOf(kDynamicTextTable, 3));
    o.files.answers = {name + ".txt"};
    dialogkit::click(o.dialog, "import");
    QCOMPARE(o.prompt.texts, std::vector<std::string>{"The file that imported is error!"});
    QCOMPARE(o.list.rowCount(), 1);
    QCOMPARE(o.table.count, 3); // nothing reaches the table before OK
}

void CMultiLanDlgTest::widths_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("two letters") << "ab" << 2;
    QTest::newRow("library escape") << "&41" << 2;
    QTest::newRow("one GB2312 character") << QString::fromUtf8("\xE4\xB8\x80") << 2;
    QTest::newRow("escape and letters") << "&41&8Az" << 5;
    QTest::newRow("not an escape") << "&4G" << 3;
}

void CMultiLanDlgTest::widths() {
    QFETCH(QString, text);
    Open o(kMenuTable, LanguageTable(kMenuTable.capacity));
    o.list.setFocus();
    QTest::keyClick(&o.list, Qt::Key_Insert);
    dialogkit::typeIntoCell(o.list, 0, 2, text);
    dialogkit::typeIntoCell(o.list, 0, 1, "x");
    QVERIFY(o.prompt.texts.empty());
    dialogkit::click(o.dialog, "ok");
    QCOMPARE(o.table.count, 1);
    QTEST(int(o.table.widths[1]), "width");
    QCOMPARE(o.table.widths[0], 1u);
}

void CMultiLanDlgTest::refusedTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("euro sign") << QString::fromUtf8("a\xE2\x82\xAC")
                               << QString::fromUtf8("'\xE2\x82\xAC' (U+20AC) cannot be shown "
                                                    "on the panel; the cell keeps its old text.");
    // Characters no key types arrive by pasting.
    QTest::newRow("escape pasted") << QString("a") + QChar(0x1B)
                                   << "U+001B cannot be shown on the panel; the cell keeps its "
                                      "old text.";
    QTest::newRow("NUL pasted") << QString("a") + QChar(0)
                                << "U+0000 cannot be shown on the panel; the cell keeps its old "
                                   "text.";
    QTest::newRow("25 bytes") << QString(25, 'x')
                              << "The text is longer than 24 bytes (a Chinese character takes "
                                 "2); the cell keeps its old text.";
}

void CMultiLanDlgTest::refusedTexts() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    Open o(kAlarmTable, tableOf(kAlarmTable, 2));
    if (QString(QTest::currentDataTag()).endsWith("pasted")) {
        o.list.openEditor(1, 1);
        test::pasteInto(o.list.editor(), text);
        QTest::keyClick(o.list.editor(), Qt::Key_Return);
    } else {
        dialogkit::typeIntoCell(o.list, 1, 1, text);
    }
    QCOMPARE(o.prompt.texts, std::vector<std::string>{message.toStdString()});
    QCOMPARE(o.list.cellText(1, 1), QString("L1"));
    dialogkit::click(o.dialog, "ok");
    QCOMPARE(o.table.entries[1].text[0].str(), std::string("L1"));
}

void CMultiLanDlgTest::closeBoxAsks_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void CMultiLanDlgTest::closeBoxAsks() {
    QFETCH(bool, yes);
    Open o(kDynamicTextTable, tableOf(kDynamicTextTable, 2),
           {yes ? PromptAnswer::Yes : PromptAnswer::No});
    dialogkit::typeIntoCell(o.list, 0, 1, "Changed");
    QVERIFY(o.dialog.close());
    QCOMPARE(o.prompt.texts, std::vector<std::string>{"Save Data?"});
    QVERIFY(!o.dialog.isVisible());
    QCOMPARE(o.dialog.result(), int(yes ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(o.table.entries[0].text[0].str(), std::string(yes ? "Changed" : "L0"));
}

void CMultiLanDlgTest::escapeClosesWithoutAsking() {
    Open o(kDynamicTextTable, tableOf(kDynamicTextTable, 2));
    dialogkit::typeIntoCell(o.list, 0, 1, "Changed");
    o.list.setFocus();
    QTest::keyClick(&o.list, Qt::Key_Escape);
    QVERIFY(!o.dialog.isVisible());
    QVERIFY(o.prompt.texts.empty());
    QCOMPARE(o.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(o.table.entries[0].text[0].str(), std::string("L0"));
}

void CMultiLanDlgTest::utf8FileIsConvertedAndTold() {
    const QString file = dir_.filePath("menu-utf8.txt");
    dialogkit::writeFile(file, "\xEF\xBB\xBFM\r\n1\t\xE5\xBC\x80\tOn\r\n2\t\xE5\x85\xB3\tOff");
    Open o(kMenuTable, tableOf(kMenuTable, 1));
    o.files.answers = {file};
    dialogkit::click(o.dialog, "import");
    QCOMPARE(o.prompt.texts, std::vector<std::string>{"The file was read as UTF-8 and its texts "
                                                      "converted to GB2312, the panel's code "
                                                      "page."});
    QCOMPARE(o.list.rowCount(), 2);
    QCOMPARE(o.list.cellText(0, 1), QString::fromUtf8("\xE5\xBC\x80"));
    QCOMPARE(o.list.cellText(1, 2), QString("Off"));
    dialogkit::click(o.dialog, "ok");
    QCOMPARE(o.table.count, 2);
    QCOMPARE(o.table.entries[0].text[0].str(), std::string("\xBF\xAA")); // 开 in GB2312
    QCOMPARE(o.table.entries[1].text[0].str(), std::string("\xB9\xD8")); // 关
    QCOMPARE(o.table.widths[0], 2u);
}

QTEST_MAIN(CMultiLanDlgTest)
#include "CMultiLanDlgTest.moc"
