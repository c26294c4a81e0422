// Guards the Modbus protocol table against: file bytes other than the layout (slots, counts,
// three passes, 74 + 6 N bytes), the 1024-byte limit off by one, a refused table that replaces
// the last one taken, more than 16 alarm rows written or silently dropped, cells parsed other than
// by their rules, unsound files read past their end, load order and display texts, and report
// lines that differ from the system's.
#include <gtest/gtest.h>

#include <fstream>

#include "comm/ModbusTableModel.h"
#include "comm/ModbusTableReport.h"
#include "platform/ScriptedPrompt.h"
#include "tests/TestFolder.h"

using namespace zorv;

namespace {
std::filesystem::path dir() {
    return zorv::test::testFolder("zorv_modbus_");
}
std::vector<uint8_t> readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
std::vector<uint8_t> emptyTable() {
    std::vector<uint8_t> b(32, 0);
    b.insert(b.end(), 32, 0xFF);
    b.insert(b.end(), 10, 0);
    return b;
}
ModbusListRow cells(std::string type, std::string device, std::string instruction,
                    std::string soft) {
    return {"01", std::move(type), std::move(device), std::move(instruction), std::move(soft)};
}
} // namespace

TEST(ModbusTable, LayoutOfTheExamples) {
    EXPECT_EQ(encodeModbusTable({}), emptyTable());

    std::vector<uint8_t> alarm = emptyTable();
    alarm[0] = 1;
    alarm[32] = alarm[33] = 0;
    const std::vector<ModbusRow> one{{0, 1, 0, 0}};
    EXPECT_EQ(encodeModbusTable(one), alarm);

    std::vector<uint8_t> writing = alarm;
    writing[64] = 1;
    writing.insert(writing.end(), {2, 0, 0x10, 0, 100, 0});
    const std::vector<ModbusRow> two{{0, 1, 0, 0}, {1, 2, 0x10, 100}};
    EXPECT_EQ(encodeModbusTable(two), writing);

    // Three passes, each over types 1 to 5 with the rows of a type in list order.
    const std::vector<ModbusRow> mixed{{5, 1, 2, 3}, {1, 4, 5, 6}, {5, 7, 8, 9}};
    const auto b = encodeModbusTable(mixed);
    ASSERT_EQ(b.size(), 74u + 18u);
    EXPECT_EQ(b[64], 1);
    EXPECT_EQ(b[72], 2);
    const std::vector<uint8_t> tail(b.begin() + 74, b.end());
    EXPECT_EQ(tail, (std::vector<uint8_t>{4, 0, 1, 0, 7, 0, 5, 0, 2, 0, 8, 0, 6, 0, 3, 0, 9, 0}));
    std::vector<ModbusRow> back;
    ASSERT_TRUE(decodeModbusTable(b, back));
    EXPECT_EQ(back, (std::vector<ModbusRow>{{1, 4, 5, 6}, {5, 1, 2, 3}, {5, 7, 8, 9}}));
}

TEST(ModbusTable, AlarmSlotWithDeviceZeroEndsTheAlarmRows) {
    std::vector<uint8_t> b = emptyTable();
    b[0] = 3;
    b[4] = 9; // slot 2 filled after the empty slot 1
    std::vector<ModbusRow> rows;
    ASSERT_TRUE(decodeModbusTable(b, rows));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (ModbusRow{0, 3, 0, 0xFFFF}));
}

TEST(ModbusTable, UnsoundFilesAreRefused) {
    std::vector<ModbusRow> rows;
    EXPECT_FALSE(decodeModbusTable({}, rows));
    std::vector<uint8_t> b = emptyTable();
    EXPECT_FALSE(decodeModbusTable(std::span(b).first(73), rows));
    b[66] = 2; // two rows of type 2 claimed, none held
    EXPECT_FALSE(decodeModbusTable(b, rows));
    b.insert(b.end(), 11, 0);
    EXPECT_FALSE(decodeModbusTable(b, rows));
    b.push_back(0);
    EXPECT_TRUE(decodeModbusTable(b, rows));
    EXPECT_EQ(rows.size(), 2u);
}

TEST(ModbusTable, CellParsing) {
    struct Case {
        const char* text;
        uint16_t instruction;
    } cases[] = {{"16", 0x10},
                 {"0x10", 0x10},
                 {"0X1f", 0x1F},
                 {"abc", 0},
                 {"0x12345", 0x1234},
                 {"0xg", 0},
                 {"70000", 70000 & 0xFFFF},
                 {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(modbusInstructionAddress(c.text), c.instruction) << c.text;

    auto row = parseModbusListRow(cells("Cyclic Writing", "d12", "0x0A", "M7x"));
    ASSERT_TRUE(row);
    EXPECT_EQ(*row, (ModbusRow{2, 12, 10, 7}));
    row = parseModbusListRow(cells("Communication alarm", "D3", "0x55", "m9"));
    ASSERT_TRUE(row);
    EXPECT_EQ(*row, (ModbusRow{0, 3, 0, 9})); // an alarm row stores no instruction address
    EXPECT_EQ(parseModbusListRow(cells("DD5", "", "", "")), std::nullopt);
    EXPECT_EQ(parseModbusListRow(cells("", "1", "1", "1")), std::nullopt);
    EXPECT_EQ(parseModbusListRow(cells("single writing", "1", "1", "1")), std::nullopt);
    EXPECT_EQ(parseModbusListRow(cells("Single Writing", "DD5", "", "")).value().device, 0);
    EXPECT_EQ(modbusListRow(11, {4, 65535, 0xABC, 9}),
              (ModbusListRow{"12", "Circular reading", "D65535", "0x0ABC", "D9"}));
}

namespace {
class SizeLimit : public testing::TestWithParam<int> {};
} // namespace

// A refused table leaves the file with the last table taken (here one alarm row), since the file
// is the working copy that goes beside the project on the next save.
TEST_P(SizeLimit, RowsOfTypesOneToFive) {
    const int n = GetParam();
    const auto file = dir() / ("limit" + std::to_string(n) + ".mdt");
    const std::vector<ModbusRow> good{{0, 1, 0, 0}};
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(encodeModbusTable(good).data()), 74);
    ModbusTableModel m;
    for (int i = 0; i < n; ++i)
        m.rows().push_back(modbusListRow(i, {uint8_t(1 + i % 5), uint16_t(i), 0, 0}));
    ScriptedPrompt prompt;
    const bool saved = m.save(file, prompt);
    EXPECT_EQ(saved, n <= 158);
    if (saved) {
        EXPECT_EQ(std::filesystem::file_size(file), 74u + 6u * unsigned(n));
        EXPECT_TRUE(prompt.texts.empty());
    } else {
        EXPECT_EQ(readBytes(file), encodeModbusTable(good));
        EXPECT_EQ(prompt.texts, std::vector<std::string>{
                                    "Too many configuration data, please delete some data!"});
    }
}

// 65535 rows make the 393,284 bytes that once reached the project's folder.
INSTANTIATE_TEST_SUITE_P(Rows, SizeLimit, testing::Values(0, 158, 159, 65535));

// The size counts every row, also where a type's 16-bit count wraps past 65535 rows.
TEST(ModbusTable, LimitIsTheEncodedSize) {
    EXPECT_FALSE(modbusTableTooLarge(1023));
    EXPECT_TRUE(modbusTableTooLarge(1024));
    std::vector<ModbusRow> rows(65536, ModbusRow{1, 1, 1, 1});
    EXPECT_EQ(encodeModbusTable(rows).size(), 74u + 6u * 65536u);
    EXPECT_TRUE(modbusTableTooLarge(encodeModbusTable(rows).size()));
}

TEST(ModbusTable, SeventeenAlarmRowsAreRefusedBeforeWriting) {
    ModbusTableModel m;
    for (int i = 0; i < 17; ++i)
        m.rows().push_back(modbusListRow(i, {0, uint16_t(i + 1), 0, 0}));
    const auto file = dir() / "alarms.mdt";
    std::filesystem::remove(file);
    ScriptedPrompt prompt;
    EXPECT_FALSE(m.save(file, prompt));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(prompt.texts, std::vector<std::string>{kModbusTooManyAlarmsMessage});
    m.deleteRow(16);
    EXPECT_TRUE(m.save(file, prompt));
    EXPECT_EQ(readBytes(file).size(), 74u);
}

TEST(ModbusTable, AlarmRowOfDeviceZeroIsRefusedSinceItWouldEndTheAlarmSlots) {
    ModbusTableModel m;
    m.rows().push_back(modbusListRow(0, {0, 3, 0, 5}));
    m.rows().push_back(modbusListRow(1, {0, 0, 0, 6}));
    m.rows().push_back(modbusListRow(2, {0, 4, 0, 7}));
    const auto file = dir() / "alarm-d0.mdt";
    std::filesystem::remove(file);
    ScriptedPrompt prompt;
    EXPECT_FALSE(m.save(file, prompt));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(prompt.texts, std::vector<std::string>{kModbusAlarmDeviceZeroMessage});
    // Once mended, every alarm row reads back.
    m.rows()[1][2] = "D9";
    ASSERT_TRUE(m.save(file, prompt));
    std::vector<ModbusRow> rows;
    ASSERT_TRUE(loadModbusTableFile(file, rows));
    EXPECT_EQ(rows.size(), 3u);
}

TEST(ModbusTable, OpenImportAndRows) {
    ModbusTableModel m;
    m.open(dir() / "none.mdt");
    ASSERT_EQ(m.rows().size(), 1u);
    EXPECT_EQ(m.rows()[0], (ModbusListRow{"01", "Communication alarm", "D1", "0x0000", "M0"}));
    std::ofstream(dir() / "empty.mdt", std::ios::binary).close();
    m.open(dir() / "empty.mdt");
    EXPECT_EQ(m.rows().size(), 1u);

    m.appendRow();
    m.appendRow();
    EXPECT_EQ(m.rows()[2][0], "03");
    EXPECT_EQ(m.rows()[2][1], "Single Writing");
    m.deleteRow(1);
    EXPECT_EQ(m.rows()[0][0], "01");
    EXPECT_EQ(m.rows()[1][0], "03"); // rows keep their numbers

    m.rows()[1][2] = "D2";
    m.rows()[1][3] = "16";
    m.rows()[1][4] = "D100";
    ScriptedPrompt prompt;
    ASSERT_TRUE(m.save(dir() / "two.mdt", prompt));
    ModbusTableModel back;
    ASSERT_TRUE(back.importFile(dir() / "two.mdt", prompt));
    ASSERT_EQ(back.rows().size(), 2u);
    EXPECT_EQ(back.rows()[1], (ModbusListRow{"02", "Single Writing", "D2", "0x0010", "D100"}));

    EXPECT_FALSE(back.importFile(dir() / "none.mdt", prompt));
    EXPECT_TRUE(back.rows().empty());
    EXPECT_EQ(prompt.texts, std::vector<std::string>{"Import failed!"});
    EXPECT_FALSE(m.save(dir() / "no" / "such.mdt", prompt));
    EXPECT_EQ(prompt.texts.back(), "Open protocol file failed!");
}

TEST(ModbusTable, ReportSection) {
    std::string out;
    const std::vector<ModbusRow> rows{{0, 1, 0, 0}, {3, 2, 0x10, 100}};
    writeModbusReport(rows, out);
    EXPECT_EQ(out, "\n\nModbus Protocol configuration:\n\n"
                   "01  Device address = D1,  Instruction address = 0x0000,  SoftAddr = M0\n"
                   "02  Device address = D2,  Instruction address = 0x0010,  SoftAddr = D100\n");
    std::string heading;
    writeModbusReportOfFile(dir() / "none.mdt", heading);
    EXPECT_EQ(heading, "\n\nModbus Protocol configuration:\n\n");
}
