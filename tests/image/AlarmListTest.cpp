// Guards the alarm list dialog against: the 64-alarm limit off by one, coil labels not following
// the address, type or rows, Add and Delete at the wrong place, export bytes other than the file
// format (head, CR LF, tabs, single space for an empty coil, no trailing line end), and import
// quirks lost (extra row after a trailing line end, one-tab rows, over-long fields, a wrong head).
#include <gtest/gtest.h>

#include <filesystem>

#include "image/AlarmList.h"
#include "platform/ScriptedPrompt.h"
#include "tests/TestFolder.h"

using namespace zorv;

namespace {
std::span<const uint8_t> bytes(std::string_view s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}
AlarmListModel withRows(int n) {
    AlarmListModel m;
    m.open(AlarmListRecord::makeSystemDefault());
    for (int i = 0; i < n; ++i)
        m.addRow(std::nullopt);
    return m;
}
} // namespace

TEST(AlarmList, ConfirmEmptyAndLimit) {
    AlarmListRecord r = AlarmListRecord::makeSystemDefault();
    ScriptedPrompt prompt;
    EXPECT_TRUE(withRows(0).confirm(r, prompt));
    EXPECT_EQ(r.entryCount(), 1);
    EXPECT_EQ(r.text(0, 1).str(), "No Alarm");
    EXPECT_EQ(r.registerType(), 7); // code 0 is shown and stored as D

    EXPECT_TRUE(withRows(64).confirm(r, prompt));
    EXPECT_EQ(r.entryCount(), 65);
    const AlarmListRecord before = r;
    EXPECT_FALSE(withRows(65).confirm(r, prompt));
    EXPECT_EQ(r, before);
    ASSERT_EQ(prompt.texts.size(), 1u);
    EXPECT_EQ(prompt.texts[0], "The system supports 64 alarms  maximum!");
}

TEST(AlarmList, CoilLabelsFollowAddressTypeAndRows) {
    AlarmListModel m = withRows(3);
    m.setTypeCode(1);
    m.setAddress("100");
    EXPECT_EQ(m.rows()[0][0], "M100");
    EXPECT_EQ(m.rows()[2][0], "M102");
    m.setAddress("200");
    EXPECT_EQ(m.rows()[1][0], "M201");
    m.setTypeCode(7);
    EXPECT_EQ(m.rows()[1][0], "D201");

    m.setText(0, 0, "first");
    m.setText(2, 0, "third");
    EXPECT_EQ(m.addRow(0), 1); // after the selected row
    EXPECT_EQ(m.rows()[1][1], "");
    EXPECT_EQ(m.rows()[3][0], "D203");
    EXPECT_EQ(m.deleteRow(0), 0); // the next row takes the selection
    EXPECT_EQ(m.rows()[0][0], "D200");
    EXPECT_EQ(m.deleteRow(2), std::nullopt);
    EXPECT_EQ(m.rowCount(), 2);
}

TEST(AlarmList, ConfirmWritesFieldsAndTexts) {
    AlarmListModel m = withRows(2);
    m.setStation("3");
    m.setAddress("40");
    m.setTypeCode(1);
    m.setText(0, 0, "Overheat");
    m.setText(0, 1, "\xB9\xFD\xC8\xC8");
    m.setText(1, 0, "abcdefghijklmnopqrstuvwxyz"); // cut to 24
    AlarmListRecord r = AlarmListRecord::makeSystemDefault();
    r.setText(2, 1, TextSlot::fromBytes("old"));
    ScriptedPrompt prompt;
    ASSERT_TRUE(m.confirm(r, prompt));
    EXPECT_EQ(r.station(), 3);
    EXPECT_EQ(r.start(), 40);
    EXPECT_EQ(r.registerType(), 1);
    EXPECT_EQ(r.entryCount(), 3);
    EXPECT_EQ(r.text(1, 1).str(), "\xB9\xFD\xC8\xC8");
    EXPECT_EQ(r.text(2, 0).str(), "abcdefghijklmnopqrstuvwx");
    EXPECT_EQ(r.text(2, 1).str(), ""); // a cleared cell gives an empty text

    AlarmListModel reopened;
    reopened.open(r);
    EXPECT_EQ(reopened.rows(), m.rows());
}

TEST(AlarmList, ExportBytes) {
    AlarmListModel m = withRows(2);
    m.setText(0, 0, "A");
    m.setText(1, 1, "b");
    EXPECT_EQ(m.exportText(), "AlarmDlg\r\nD0\tA\t\r\nD1\t\tb");
    EXPECT_EQ(writeTableText("AlarmDlg", {{"", "x", "y"}}), "AlarmDlg\r\n \tx\ty");
}

TEST(AlarmList, ImportQuirks) {
    AlarmListModel m = withRows(0);
    m.setAddress("5");
    ScriptedPrompt prompt;
    ASSERT_TRUE(m.importText(bytes("AlarmDlg\r\nX9\tone\ttwo\r\n \tonly\r\n"), prompt));
    ASSERT_EQ(m.rowCount(), 3); // the trailing line end adds an empty row
    EXPECT_EQ(m.rows()[0], (AlarmListModel::Row{"D5", "one", "two"}));
    EXPECT_EQ(m.rows()[1], (AlarmListModel::Row{"D6", "only", ""}));
    EXPECT_EQ(m.rows()[2], (AlarmListModel::Row{"D7", "", ""}));

    ASSERT_TRUE(
        m.importText(bytes("AlarmDlg\n1\t0123456789012345678901234567\tb\tc\td\xFFz"), prompt));
    ASSERT_EQ(m.rowCount(), 1);
    EXPECT_EQ(m.rows()[0][1], "012345678901234567890123");
    EXPECT_EQ(m.rows()[0][2], "b"); // cells beyond the third and bytes after 0xFF are dropped

    EXPECT_FALSE(m.importText(bytes("AlarmDl\r\nD0\ta\tb"), prompt));
    EXPECT_EQ(m.rowCount(), 1);
    EXPECT_EQ(m.rows()[0][1], "");
    EXPECT_EQ(prompt.texts.back(), "The file that imported is error!");
}

TEST(AlarmList, CellCutKeepsDoubleByteCharactersWhole) {
    const std::string text = std::string(23, 'a') + "\xB0\xA1";
    EXPECT_EQ(cutCell(text), std::string(23, 'a'));
    EXPECT_EQ(cutCell(std::string(12, '\xB0')), std::string(12, '\xB0'));
}

TEST(AlarmList, FileRoundTripAndFailures) {
    const auto dir = test::freshTestFolder("zorv_alarm_list_");
    AlarmListModel m = withRows(3);
    m.setText(1, 0, "middle");
    ScriptedPrompt prompt;
    ASSERT_TRUE(m.exportFile(dir / "alarms", prompt));
    ASSERT_TRUE(std::filesystem::exists(dir / "alarms.txt"));
    AlarmListModel back = withRows(0);
    ASSERT_TRUE(back.importFile(dir / "alarms.txt", prompt));
    EXPECT_EQ(back.rows(), m.rows());

    EXPECT_FALSE(m.exportFile(dir / "missing" / "x.txt", prompt));
    EXPECT_EQ(prompt.texts.back(), "Export failure!");
    EXPECT_FALSE(back.importFile(dir / "none.txt", prompt));
    EXPECT_EQ(prompt.texts.back(),
              "Import failure!\n" + (dir / "none.txt").string() + "\nNo such file or directory");
    EXPECT_EQ(back.rows(), m.rows()); // a failed open leaves the list
}
