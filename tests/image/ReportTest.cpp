// Guards the statistical report against: formats that differ from the system's by a character
// (spacing, "Language %d" of menus, the rule lines, the GB2312 bytes), wrong register letters,
// wrong string counts, flag lines written when their bit is clear, alarm entries read beyond the
// record, and a file name or line ends other than the system's.
#include <gtest/gtest.h>

#include <fstream>

#include "image/Report.h"
#include "model/WidgetRecords.h"
#include "platform/ScriptedPrompt.h"
#include "tests/TestFolder.h"

using namespace zorv;

namespace {
const std::string kRule = "\n\n---------------------------------------------------\n";

std::string report(const CHCData& p) {
    std::string out;
    EXPECT_TRUE(writeProjectReport(p, out));
    return out;
}
template <class R> void add(CPage& page, R r, uint16_t x, uint16_t y) {
    r.setX(x);
    r.setY(y);
    page.widgets.push_back(WidgetNode::of(page.nextWidgetId++, r));
}
} // namespace

TEST(Report, NewProjectWithOneEmptyPage) {
    CHCData p;
    p.addPage(1, PlaceMode::Insert);
    EXPECT_EQ(report(p), "The total pages = 1\n"
                         "Start page = 1, Default page = 1\n\n" +
                             kRule + "Page 1 ()\nControl number in the page = 0\n\n" + kRule +
                             "Alarm list Alarm number = 0\n\n" + kRule +
                             "Language\xD2\xBBstring Number = 1\n");
}

TEST(Report, FlagLines) {
    CHCData p;
    p.header.setFlags(sysflag::kAutoTransPage);
    p.header.setU16(50, 10);
    EXPECT_EQ(
        report(p).substr(0, 83),
        "The total pages = 0\nStart page = 1, Default page = 1\n\nPage control register = D10\n\n");
    EXPECT_EQ(report(p).find("Current page"), std::string::npos);
    p.header.setFlags(0x37);
    EXPECT_NE(report(p).find("Page control register = D10Current page number register = D1 "
                             "Language register = D2 password level = D3 Register setting "
                             "control = D4\n" +
                             kRule),
              std::string::npos);
}

TEST(Report, EveryWidgetKind) {
    CHCData p;
    CPage* page = p.addPage(3, PlaceMode::Insert);
    page->setDescription("Main");
    LedRecord led = LedRecord::makeDefault();
    led.setRegister({1, 2, 17});
    add(*page, led, 1, 2);
    RegisterRecord reg = RegisterRecord::makeDefault();
    reg.setRegister({1, 5, 9});
    reg.setRegisterCount(2);
    add(*page, reg, 3, 4);
    DynamicTextRecord dyn = DynamicTextRecord::makeDefault();
    ChoiceEntry e;
    e.used = true;
    e.value = 7;
    e.text[0] = TextSlot::fromBytes("on");
    e.text[1] = TextSlot::fromBytes("\xBF\xAA");
    dyn.setEntry(4, e);
    ChoiceEntry e2 = e;
    e2.value = 9;
    dyn.setEntry(9, e2);
    dyn.setCount(3);
    add(*page, dyn, 5, 6);
    add(*page, BarRecord::makeDefault(), 0, 0);
    add(*page, TrendRecord::makeDefault(), 0, 0);
    MenuRecord menu = MenuRecord::makeDefault();
    add(*page, menu, 7, 8);
    menu.setMode(MenuRecord::kModeRegisterSetting);
    menu.setRegister({1, 1, 0});
    add(*page, menu, 9, 10);
    add(*page, PasswordRecord::makeDefault(), 11, 12);
    KeyRecord jump = KeyRecord::makeDefault();
    jump.setActionByte(KeyRecord::ScreenJump);
    jump.setValue(65535);
    add(*page, jump, 13, 14);
    KeyRecord coil = KeyRecord::makeDefault();
    coil.setRegister({1, 1, 30});
    add(*page, coil, 15, 16);
    StaticTextRecord st = StaticTextRecord::makeDefault();
    st.setText(1, TextSlot::fromBytes("two"));
    add(*page, st, 17, 18);
    PictureRecord pic = PictureRecord::makeDefault();
    pic.setPictureName("pic/logo.bmp");
    add(*page, pic, 19, 20);
    add(*page, AlarmListRecord::makeDefault(), 0, 0);

    const std::string text = report(p);
    const std::string expected =
        "Page 3 (Main)\n"
        "Control number in the page = 13\n\n"
        "Indicator Light(1), Coordinate(1, 2), Corresponding register = Y17\n"
        "Register(2), Coordinate(3, 4), Corresponding register = X9, Length=2\n"
        "DynamicText(3), Coordinate(5, 6), Corresponding register = D0, the total levels= 3\n"
        "    level value = 0 , Language1 = \"DynamicStr\" , Language2 = \"\"\n"
        "    level value = 7 , Language1 = \"on\" , Language2 = \"\xBF\xAA\"\n"
        "    level value = 9 , Language1 = \"on\" , Language2 = \"\xBF\xAA\"\n"
        "DynamicText(6), Coordinate(7, 8), the total menus = 1\n"
        "    Page jump = 0 , Language 1 = \"Menu Con\" , Language 2 = \"\"\n"
        "DynamicText(7), Coordinate(9, 10), the total menus = 1\n"
        "    Corresponding register = M0 , Language 1 = \"Menu Con\" , Language 2 = \"\"\n"
        "password(8), Coordinate(11, 12)\n"
        "Key(9), Coordinate(13, 14), Page jump = 65535\n"
        "Key(10), Coordinate(15, 16), Corresponding register = M30\n"
        "Static text(11), Coordinate(17, 18)  , Language1 = \"TextStr\" , Language2 = \"two\"\n"
        "Picture(12), Coordinate(19, 20), pic/logo.bmp \n";
    EXPECT_NE(text.find(expected + kRule), std::string::npos) << text;
    // 3 levels + 1 + 1 menu items + 1 static text + the no-alarm entry
    EXPECT_NE(text.find("string Number = 7\n"), std::string::npos);
}

TEST(Report, AlarmLines) {
    CHCData p;
    AlarmListRecord& a = p.alarmList;
    a.setRegisterType(1);
    a.setStart(100);
    a.setEntryCount(3);
    a.setText(1, 0, TextSlot::fromBytes("Hot"));
    a.setText(2, 1, TextSlot::fromBytes("Cold"));
    const std::string text = report(p);
    EXPECT_NE(text.find("Alarm list Alarm number = 2\n\n"
                        "Alarm1: Corresponding register = M100, Language1 = \"Hot\", Language2 = "
                        "\"\"\n"
                        "Alarm2: Corresponding register = M101, Language1 = \"\", Language2 = "
                        "\"Cold\"\n"),
              std::string::npos);
    EXPECT_NE(text.find("string Number = 3\n"), std::string::npos);

    a.setEntryCount(60000); // more than the record holds: listed up to its room
    EXPECT_NE(report(p).find("Alarm number = 199\n"), std::string::npos);
    a.setEntryCount(0);
    EXPECT_NE(report(p).find("Alarm number = 0\n"), std::string::npos);
}

TEST(Report, LettersFileNameAndTextMode) {
    EXPECT_EQ(reportRegisterLetter(1), 'M');
    EXPECT_EQ(reportRegisterLetter(7), 'D');
    EXPECT_EQ(reportRegisterLetter(2), 'Y');
    EXPECT_EQ(reportRegisterLetter(5), 'X');
    EXPECT_EQ(reportRegisterLetter(0), 'X');

    std::tm t{};
    t.tm_year = 116;
    t.tm_mon = 2;
    t.tm_mday = 1;
    t.tm_hour = 14;
    t.tm_min = 5;
    t.tm_sec = 9;
    EXPECT_EQ(reportFileName("Demo", t), "Demo 2016-03-01,14-05-09.txt");

    const auto work = test::freshTestFolder("zorv_report_");
    FixedPaths paths(work, work, work);
    ScriptedPrompt prompt;
    const auto file = saveReport(paths, "Demo", t, "a\nb\n", prompt);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, work / "report" / "Demo 2016-03-01,14-05-09.txt");
    std::ifstream in(*file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a\r\nb\r\n");

    FixedPaths nowhere("/proc/none", "/proc/none", "/proc/none");
    EXPECT_FALSE(saveReport(nowhere, "Demo", t, "x", prompt));
    EXPECT_EQ(prompt.texts, std::vector<std::string>{" Failed to Create Report!"});
}
