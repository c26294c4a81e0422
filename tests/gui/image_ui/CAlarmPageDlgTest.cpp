// Guards "Alarm list" against: coil labels that do not follow the address, the type or the rows,
// more than 64 alarms written (or 64 refused), Cancel or a failed import that changes the record,
// an export that does not import back to the same rows, a one-tab row filling the wrong cell, a
// typed character GB2312 cannot hold or a pasted control character reaching the record, and a
// UTF-8 file imported as mojibake, without telling, or with characters the panel cannot show.
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <functional>

#include "DialogTestKit.h"
#include "controls/CEditListCtrl.h"
#include "controls/CListCtrlEdit.h"
#include "image/ui/CAlarmPageDlg.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"
#include "tests/gui/FieldKit.h"

using namespace zorv;

namespace {
AlarmListRecord alarmsAt(uint8_t type, uint16_t start, const std::vector<std::string>& texts) {
    AlarmListRecord r = AlarmListRecord::makeSystemDefault();
    r.setRegisterType(type);
    r.setStart(start);
    for (std::size_t j = 0; j < texts.size(); ++j) {
        r.setText(int(j) + 1, 0, TextSlot::fromBytes(texts[j]));
        r.setText(int(j) + 1, 1, TextSlot::fromBytes(texts[j] + "-2"));
    }
    r.setEntryCount(uint16_t(texts.size() + 1));
    return r;
}
QStringList column(const CEditListCtrl& list, int c) {
    QStringList cells;
    for (int r = 0; r < list.rowCount(); ++r)
        cells << list.cellText(r, c);
    return cells;
}
struct Open {
    AlarmListRecord record;
    ScriptedPrompt prompt;
    ScriptedFileChooser files;
    CAlarmPageDlg dialog;
    CEditListCtrl& list;
    explicit Open(AlarmListRecord r)
        : record(r), dialog(record, prompt, files),
          list(*dialog.findChild<CEditListCtrl*>("alarms")) {
        dialog.show();
    }
};
} // namespace

class CAlarmPageDlgTest : public QObject {
    Q_OBJECT
private slots:
    void coilsFollowAddressTypeAndRows();
    void alarmLimit_data();
    void alarmLimit();
    void exportImportRoundTrip();
    void importedRowWithOneTab();
    void wrongHeadLeavesOneEmptyRow();
    void addedRowTakesTheTyping();
    void typedTexts();
    void pastedControlCharacter();
    void utf8FileIsConvertedAndTold();
    void utf8FileWithWhatThePanelCannotShow();
    void toldWhileTheReadRowsShow();

private:
    QTemporaryDir dir_;
};

void CAlarmPageDlgTest::coilsFollowAddressTypeAndRows() {
    Open o(alarmsAt(uint8_t(RegisterType::M), 100, {"Pump", "Fan", "Valve"}));
    QCOMPARE(column(o.list, 0), (QStringList{"M100", "M101", "M102"}));
    QCOMPARE(column(o.list, 1), (QStringList{"Pump", "Fan", "Valve"}));
    QCOMPARE(o.list.horizontalHeaderItem(0)->text(), QString("Coil"));
    QCOMPARE(o.list.columnWidth(0), 60);
    QCOMPARE(o.list.columnWidth(1), 150);

    dialogkit::retype(o.dialog, "address", "200");
    QCOMPARE(column(o.list, 0), (QStringList{"M200", "M201", "M202"}));
    o.dialog.findChild<QComboBox*>("type")->setCurrentIndex(0);
    QCOMPARE(column(o.list, 0), (QStringList{"D200", "D201", "D202"}));

    o.list.selectRow(0);
    dialogkit::click(o.dialog, "add");
    QCOMPARE(column(o.list, 0), (QStringList{"D200", "D201", "D202", "D203"}));
    QCOMPARE(column(o.list, 1), (QStringList{"Pump", "", "Fan", "Valve"}));
    QCOMPARE(o.list.selectedRow(), 1);
    dialogkit::click(o.dialog, "delete");
    dialogkit::click(o.dialog, "delete"); // "Fan" took the deleted row's place
    QCOMPARE(column(o.list, 1), (QStringList{"Pump", "Valve"}));
    QCOMPARE(column(o.list, 0), (QStringList{"D200", "D201"}));

    // The list's own Insert key, at the selected row.
    o.list.setFocus();
    o.list.selectRow(0);
    QTest::keyClick(&o.list, Qt::Key_Insert);
    QCOMPARE(column(o.list, 1), (QStringList{"", "Pump", "Valve"}));
    QCOMPARE(column(o.list, 0), (QStringList{"D200", "D201", "D202"}));
    QCOMPARE(o.dialog.model().rowCount(), 3);

    dialogkit::click(o.dialog, "cancel");
    QCOMPARE(o.record.start(), 100); // Cancel keeps the record
    QCOMPARE(o.record.entryCount(), 4);
}

void CAlarmPageDlgTest::alarmLimit_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("64") << 64 << true;
    QTest::newRow("65") << 65 << false;
}

void CAlarmPageDlgTest::alarmLimit() {
    QFETCH(int, rows);
    QFETCH(bool, accepted);
    Open o(AlarmListRecord::makeSystemDefault());
    for (int i = 0; i < rows; ++i)
        dialogkit::click(o.dialog, "add");
    QCOMPARE(o.list.rowCount(), rows);
    QCOMPARE(o.list.cellText(rows - 1, 0), QString("D%1").arg(rows - 1));
    dialogkit::click(o.dialog, "ok");
    QCOMPARE(o.dialog.isVisible(), !accepted);
    if (accepted) {
        QCOMPARE(int(o.record.entryCount()), rows + 1);
        QCOMPARE(o.record.text(0, 1).str(), std::string("No Alarm"));
    } else {
        QCOMPARE(o.prompt.texts,
                 std::vector<std::string>{"The system supports 64 alarms  maximum!"});
        QCOMPARE(int(o.record.entryCount()), 1);
    }
}

void CAlarmPageDlgTest::exportImportRoundTrip() {
    const QString name = dir_.filePath("alarms"); // ".txt" is added
    {
        Open o(alarmsAt(uint8_t(RegisterType::M), 10, {"Pump", "\xD2\xBB", "&41"}));
        o.files.answers = {name};
        dialogkit::click(o.dialog, "export");
        QCOMPARE(o.files.filters, QStringList{"Text Files (*.txt)"});
        QCOMPARE(QString::fromStdString(dialogkit::readFile(name + ".txt")).left(10),
                 QString("AlarmDlg\r\n"));
    }
    Open o(AlarmListRecord::makeSystemDefault());
    o.files.answers = {name + ".txt"};
    dialogkit::click(o.dialog, "import");
    QVERIFY(o.prompt.texts.empty());
    QCOMPARE(column(o.list, 0), (QStringList{"D0", "D1", "D2"}));
    QCOMPARE(column(o.list, 1), (QStringList{"Pump", QString::fromUtf8("\xE4\xB8\x80"), "&41"}));
    QCOMPARE(column(o.list, 2),
             (QStringList{"Pump-2", QString::fromUtf8("\xE4\xB8\x80-2"), "&41-2"}));
    dialogkit::click(o.dialog, "ok");
    QCOMPARE(o.record.entryCount(), 4);
    QCOMPARE(o.record.text(2, 0).str(), std::string("\xD2\xBB"));
}

void CAlarmPageDlgTest::importedRowWithOneTab() {
    const QString file = dir_.filePath("onetab.txt");
    dialogkit::writeFile(file, "AlarmDlg\r\nX\tAlpha\r\nY\tBeta\r\n");
    Open o(AlarmListRecord::makeSystemDefault());
    o.files.answers = {file};
    dialogkit::click(o.dialog, "import");
    // The trailing line end gives one more, empty row; the file's coil column is not used.
    QCOMPARE(column(o.list, 0), (QStringList{"D0", "D1", "D2"}));
    QCOMPARE(column(o.list, 1), (QStringList{"Alpha", "Beta", ""}));
    QCOMPARE(column(o.list, 2), (QStringList{"", "", ""}));
}

void CAlarmPageDlgTest::wrongHeadLeavesOneEmptyRow() {
    const QString file = dir_.filePath("wrong.txt");
    dialogkit::writeFile(file, "AlarmDlx\r\nM0\tAlpha\tA\r\n");
    Open o(alarmsAt(uint8_t(RegisterType::M), 0, {"Pump"}));
    o.files.answers = {file, dir_.filePath("missing.txt")};
    dialogkit::click(o.dialog, "import");
    QCOMPARE(o.prompt.texts, std::vector<std::string>{"The file that imported is error!"});
    QCOMPARE(o.list.rowCount(), 1);
    QCOMPARE(o.list.cellText(0, 1), QString());
    dialogkit::click(o.dialog, "import");
    const std::string missing = dir_.filePath("missing.txt").toStdString();
    QCOMPARE(o.prompt.texts.back(), "Import failure!\n" + missing + "\nNo such file or directory");
    QCOMPARE(o.record.text(1, 0).str(), std::string("Pump"));
}

// The keys typed after "Add" fill the new row; Enter stores them and adds no second row.
void CAlarmPageDlgTest::addedRowTakesTheTyping() {
    Open o(alarmsAt(uint8_t(RegisterType::M), 0, {"Pump", "Fan"}));
    QVERIFY(QTest::qWaitForWindowActive(&o.dialog));
    o.list.selectRow(0);
    dialogkit::click(o.dialog, "add");
    QTest::keyClicks(QApplication::focusWidget(), "Mixer");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(column(o.list, 1), (QStringList{"Pump", "Mixer", "Fan"}));
    dialogkit::click(o.dialog, "add"); // after the row just typed, which stays selected
    QTest::keyClicks(QApplication::focusWidget(), "Valve");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(column(o.list, 1), (QStringList{"Pump", "Mixer", "Valve", "Fan"}));
    dialogkit::click(o.dialog, "ok");
    QCOMPARE(int(o.record.entryCount()), 5);
    QCOMPARE(o.record.text(2, 0).str(), std::string("Mixer"));
}

void CAlarmPageDlgTest::typedTexts() {
    Open o(alarmsAt(uint8_t(RegisterType::M), 0, {"Pump", "Fan"}));
    dialogkit::typeIntoCell(o.list, 0, 1, QString::fromUtf8("\xE4\xB8\x80 on"));
    dialogkit::typeIntoCell(o.list, 1, 2, QString::fromUtf8("\xE2\x82\xAC")); // no GB2312 code
    QCOMPARE(o.prompt.texts.size(), std::size_t(1));
    QCOMPARE(o.list.cellText(1, 2), QString("Fan-2"));
    dialogkit::typeIntoCell(o.list, 1, 1, QString());
    QCOMPARE(o.list.cellText(0, 0), QString("M0")); // the coil cell is not editable
    dialogkit::click(o.dialog, "ok");
    QCOMPARE(o.record.text(1, 0).str(), std::string("\xD2\xBB on"));
    QCOMPARE(o.record.text(2, 1).str(), std::string("Fan-2"));
    QCOMPARE(o.record.text(2, 0).str(), std::string()); // a cleared cell gives an empty text
}

void CAlarmPageDlgTest::pastedControlCharacter() {
    Open o(alarmsAt(uint8_t(RegisterType::M), 0, {"Pump"}));
    o.list.openEditor(0, 1);
    test::pasteInto(o.list.editor(), "Pump\a");
    QTest::keyClick(o.list.editor(), Qt::Key_Return);
    QCOMPARE(o.prompt.texts, std::vector<std::string>{"U+0007 cannot be shown on the panel; the "
                                                      "cell keeps its old text."});
    QCOMPARE(o.list.cellText(0, 1), QString("Pump"));
    dialogkit::click(o.dialog, "ok");
    QCOMPARE(o.record.text(1, 0).str(), std::string("Pump"));
}

void CAlarmPageDlgTest::utf8FileIsConvertedAndTold() {
    // As a text editor on Linux saves it: UTF-8, LF line ends, Chinese in both languages.
    const QString file = dir_.filePath("utf8.txt");
    dialogkit::writeFile(file, "AlarmDlg\nM0\t\xE6\xB3\xB5\xE6\x95\x85\xE9\x9A\x9C\tPump "
                               "fault\nM1\tFan\t\xE9\xA3\x8E\xE6\x89\x87");
    Open o(AlarmListRecord::makeSystemDefault());
    o.files.answers = {file};
    dialogkit::click(o.dialog, "import");
    QCOMPARE(o.prompt.texts, std::vector<std::string>{"The file was read as UTF-8 and its texts "
                                                      "converted to GB2312, the panel's code "
                                                      "page."});
    QCOMPARE(column(o.list, 1), (QStringList{QString::fromUtf8("\xE6\xB3\xB5\xE6\x95\x85\xE9"
                                                               "\x9A\x9C"),
                                             "Fan"}));
    QCOMPARE(column(o.list, 2),
             (QStringList{"Pump fault", QString::fromUtf8("\xE9\xA3\x8E\xE6\x89\x87")}));
    dialogkit::click(o.dialog, "ok");
    // The record holds the panel's code page: GB2312 for 泵故障 and 风扇.
    QCOMPARE(o.record.text(1, 0).str(), std::string("\xB1\xC3\xB9\xCA\xD5\xCF"));
    QCOMPARE(o.record.text(2, 1).str(), std::string("\xB7\xE7\xC9\xC8"));
    // An export writes the code page again, which imports without a word.
    o.prompt.texts.clear();
    Open back(o.record);
    back.files.answers = {dir_.filePath("again.txt"), dir_.filePath("again.txt")};
    dialogkit::click(back.dialog, "export");
    dialogkit::click(back.dialog, "import");
    QVERIFY(back.prompt.texts.empty());
    QCOMPARE(column(back.list, 1), column(o.list, 1));
}

void CAlarmPageDlgTest::utf8FileWithWhatThePanelCannotShow() {
    const QString file = dir_.filePath("emoji.txt");
    dialogkit::writeFile(file,
                         "\xEF\xBB\xBF"
                         "AlarmDlg\r\nD0\tPump\tA\r\nD1\t\xF0\x9F\x98\x80\tB\r\nD2\tbell\a\tC");
    Open o(alarmsAt(uint8_t(RegisterType::D), 0, {"Pump"}));
    o.files.answers = {file};
    dialogkit::click(o.dialog, "import");
    QCOMPARE(
        o.prompt.texts,
        std::vector<std::string>{
            "The file was not imported:\nline 3: '\xF0\x9F\x98\x80' (U+1F600) cannot be shown on "
            "the panel\nline 4: U+0007 cannot be shown on the panel"});
    QCOMPARE(o.list.rowCount(), 1);
    QCOMPARE(o.list.cellText(0, 1), QString());
    dialogkit::click(o.dialog, "cancel");
    QCOMPARE(o.record.text(1, 0).str(), std::string("Pump"));
}

void CAlarmPageDlgTest::toldWhileTheReadRowsShow() {
    // A prompt that looks at the list when it tells the user something.
    struct LookingPrompt : Prompt {
        std::function<void()> look;
        PromptAnswer ask(const std::string&, PromptButtons) override {
            look();
            return PromptAnswer::Ok;
        }
    };
    const QString converted = dir_.filePath("told.txt");
    dialogkit::writeFile(converted, "AlarmDlg\nM0\t\xE6\xB3\xB5\tPump");
    const QString refused = dir_.filePath("told-refused.txt");
    dialogkit::writeFile(refused, "AlarmDlg\nM0\t\xE6\xB3\xB5\tPump\a");
    for (auto [file, shown] :
         {std::pair{converted, QStringList{"Pump"}}, std::pair{refused, QStringList{""}}}) {
        AlarmListRecord record = alarmsAt(uint8_t(RegisterType::D), 0, {"Old", "Older"});
        LookingPrompt prompt;
        ScriptedFileChooser files;
        CAlarmPageDlg dialog(record, prompt, files);
        dialog.show();
        const CEditListCtrl& list = *dialog.findChild<CEditListCtrl*>("alarms");
        QStringList seen;
        prompt.look = [&] { seen = column(list, 2); };
        files.answers = {file};
        dialogkit::click(dialog, "import");
        QCOMPARE(seen, shown);
    }
}

QTEST_MAIN(CAlarmPageDlgTest)
#include "CAlarmPageDlgTest.moc"
