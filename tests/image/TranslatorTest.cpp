// Guards the older project translation against: header conversions off (flags, timeout codes,
// page control, translated signature, one language), fields of any of the eight object classes
// landing in the wrong record bytes, class references not resolved, picture files not written
// as BMP files, and unsound files (signature, unknown class, bitmap header, object counts, and
// counts or lengths beyond the file) read past their end or reported as success.
#include <gtest/gtest.h>

#include <fstream>

#include "OlderProjectWriter.h"
#include "image/Translator.h"
#include "model/WidgetRecords.h"

using namespace zorv;
using zorv::test::Fields;
using zorv::test::OlderProjectWriter;

namespace {

std::filesystem::path folder() {
    auto dir = std::filesystem::path(testing::TempDir()) / "translator-test";
    std::filesystem::create_directories(dir);
    return dir;
}

bool translate(const std::vector<uint8_t>& file, CHCData& project) {
    return CTranslator(folder()).translate(file, project);
}

// A 1-bit picture 8 x 2: information header, palette, two padded rows.
Fields pictureFields(uint32_t infoSize = 40, uint32_t imageSize = 8) {
    Fields f;
    f.i32(30).i32(40);
    f.u16(uint16_t(infoSize)).u16(0).i32(8).i32(2).u16(1).u16(1).i32(0).i32(int32_t(imageSize));
    f.i32(0).i32(0).i32(2).i32(0);
    f.raw({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0});
    for (uint32_t i = 0; i < imageSize; ++i)
        f.u8(uint8_t(0xA0 + i));
    return f;
}

std::vector<uint8_t> everyClass() {
    OlderProjectWriter w;
    w.beginPage(4, "Overview", 3, 5);
    w.object("CLight", Fields().i32(10).i32(11).reg(1, 5, 7).u8(1).u8(0x11), 2);
    w.object(
        "CRegister",
        Fields().i32(12).i32(13).reg(2, 7, 100).u8(2).u8(6).u8(2).u8(0xAD).u8(0x10).i32(999).i32(
            -5));
    Fields dyn;
    dyn.i32(14).i32(15).reg(1, 1, 8).u8(0x03).u8(1);
    for (int k = 0; k < 32; ++k)
        dyn.str(k == 0 ? "Zero" : k == 2 ? "\xBF\xAA&41" : "t");
    for (int k = 0; k < 32; ++k)
        dyn.i32(k);
    for (int k = 0; k < 32; ++k)
        dyn.str(k == 0 ? "1A" : k == 2 ? "ff" : "");
    w.object("CDynamic", dyn);
    w.object(
        "CBar",
        Fields().i32(16).i32(17).i32(20).i32(30).reg(1, 7, 9).u8(2).u8(1).u8(3).i32(500).i32(-500));
    w.object("CTide", Fields()
                          .i32(18)
                          .i32(19)
                          .i32(100)
                          .i32(50)
                          .reg(1, 7, 10)
                          .u8(1)
                          .u8(2)
                          .u16(60)
                          .u8(4)
                          .i32(1000)
                          .i32(10));
    w.object("CFunction",
             Fields().i32(20).i32(21).u8(21).u8(0).u8(0).u8(1).u8(0x10).u8(1).u16(33).u16(2));
    w.object("CChars", Fields().i32(22).i32(23).u8(0x02).str("Hello"));
    w.object("CUpLoadPic", pictureFields());
    w.object("CFunction",
             Fields().i32(24).i32(25).u8(0).u8(1).u8(1).u8(0).u8(0).u8(1).u16(0).u16(9), 3);
    w.object("CFunction",
             Fields().i32(26).i32(27).u8(99).u8(2).u8(0).u8(0).u8(0).u8(3).u16(44).u16(1234));
    w.endPage();
    return w.finish(300, {"Pump fault", std::string(30, 'x')});
}

} // namespace

TEST(Translator, HeaderConversions) {
    CHCData p;
    ASSERT_TRUE(translate(everyClass(), p));
    const ProjectHeader& h = p.header;
    const uint8_t signature[8] = {0x06, 'Z', 'O', 'R', 'V', 0x08, 'v', '2'};
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), h.bytes.begin()));
    EXPECT_EQ(h.u8(28), 2);
    EXPECT_EQ(h.u8(32), 20);
    EXPECT_EQ(h.u16(34), 1);
    EXPECT_EQ(h.passwordLevels(), 3u);
    EXPECT_EQ(h.u8(117), 1);
    EXPECT_EQ(h.flags(), uint8_t((0x88 + 64) | 0x48)); // 0xC8: bits 3 and 6 set
    EXPECT_EQ(h.registerAt(48), (RegisterRef{1, 7, 40}));
    EXPECT_EQ(h.registerAt(52), (RegisterRef{1, 7, 41}));
    EXPECT_EQ(h.screenProtectDelay(), 120);
    EXPECT_EQ(h.backlightDelay(), 120);
    EXPECT_EQ(h.u8(100), 2);
    EXPECT_EQ(h.u8(101), 12);
    EXPECT_EQ(h.pageCount(), 1);
    EXPECT_EQ(h.startPage(), 2);
    EXPECT_EQ(h.defaultPage(), 5);
    EXPECT_EQ(h.screenSaverPage(), 5);
    EXPECT_EQ(h.userGlyphBase(), 0xC000);
    EXPECT_EQ(h.alarmPage(), 0xFFFF);

    OlderProjectWriter w({.optionFlags = 0x30, .optionSwitch = 1});
    CHCData q;
    ASSERT_TRUE(translate(w.finish(0, {}), q));
    EXPECT_EQ(q.header.flags(), uint8_t(((0x30 - 128) & 0xCF) | 0x48));
    EXPECT_EQ(q.pageCount(), 0);
}

TEST(Translator, TimeoutCodes) {
    const std::pair<uint8_t, uint16_t> cases[] = {{0, 0},     {3, 180},  {4, 300},  {5, 600},
                                                  {6, 900},   {7, 1200}, {8, 1800}, {9, 2700},
                                                  {10, 3600}, {11, 0},   {255, 0}};
    for (auto [code, seconds] : cases)
        EXPECT_EQ(olderTimeoutSeconds(code), seconds) << int(code);
}

TEST(Translator, EveryObjectClass) {
    CHCData p;
    ASSERT_TRUE(translate(everyClass(), p));
    ASSERT_EQ(p.pageCount(), 1);
    const CPage& page = *p.page(0);
    EXPECT_EQ(page.number(), 4);
    EXPECT_EQ(page.description(), "Overview");
    EXPECT_EQ(page.head.upPage(), 3);
    EXPECT_EQ(page.head.downPage(), 5);
    EXPECT_EQ(page.head, [] {
        PageHead h = PageHead::makeDefault(4);
        h.setUpPage(3);
        h.setDownPage(5);
        return h;
    }());
    ASSERT_EQ(page.widgetCount(), 10);
    EXPECT_EQ(page.nextWidgetId, 11);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(page.widgets[i].id, i + 1);

    const auto led = page.widgets[0].get<LedRecord>();
    EXPECT_EQ(led.x(), 10);
    EXPECT_EQ(led.reg(), (RegisterRef{1, 5, 7}));
    EXPECT_EQ(led.displayType(), LedRecord::Square);
    EXPECT_EQ(led.flags(), 0x11);
    EXPECT_EQ(std::vector<uint8_t>(led.symbolText().begin(), led.symbolText().end()),
              (std::vector<uint8_t>{0xFF, 0x1C}));

    const auto reg = page.widgets[1].get<RegisterRecord>();
    EXPECT_EQ(reg.y(), 13);
    EXPECT_EQ(reg.reg(), (RegisterRef{2, 7, 100}));
    EXPECT_EQ(reg.registerCount(), 2);
    EXPECT_EQ(reg.digits(), 6);
    EXPECT_EQ(reg.decimals(), 2);
    EXPECT_EQ(reg.options(), 0xA1); // the bound-from-register bits dropped
    EXPECT_EQ(reg.sizeFlags(), 0x10);
    EXPECT_EQ(reg.boundConstants(RegisterRecord::kUpperOff).input, 999);
    EXPECT_EQ(reg.boundConstants(RegisterRecord::kLowerOff).input, -5);

    const auto dyn = page.widgets[2].get<DynamicTextRecord>();
    EXPECT_EQ(dyn.reg(), (RegisterRef{1, 1, 8}));
    EXPECT_EQ(dyn.attributes(), 0x03);
    EXPECT_EQ(dyn.count(), 2);
    EXPECT_EQ(dyn.entry(0).value, 0x1A);
    EXPECT_EQ(dyn.entry(0).text[0].str(), "Zero");
    EXPECT_EQ(dyn.entry(1).value, 0xFF);
    EXPECT_EQ(dyn.entry(1).text[0].str(), "\xBF\xAA&41");
    EXPECT_FALSE(dyn.entry(2).used);
    EXPECT_EQ(dyn.width(0), 4);
    EXPECT_EQ(dyn.width(1), 0);

    const auto bar = page.widgets[3].get<BarRecord>();
    EXPECT_EQ(bar.width(), 20);
    EXPECT_EQ(bar.height(), 30);
    EXPECT_EQ(bar.reg(), (RegisterRef{1, 7, 9}));
    EXPECT_EQ(bar.registerCount(), 2);
    EXPECT_EQ(bar.numberFlags(), 1);
    EXPECT_EQ(bar.direction(), 3);
    EXPECT_EQ(bar.fullScale(), 500);
    EXPECT_EQ(bar.zeroScale(), -500);

    const auto trend = page.widgets[4].get<TrendRecord>();
    EXPECT_EQ(trend.width(), 96);
    EXPECT_EQ(trend.height(), 46);
    EXPECT_EQ(trend.interval(), 60);
    EXPECT_EQ(trend.dotPitch(), 4);
    EXPECT_EQ(trend.numberFlags(), 2);
    EXPECT_EQ(trend.fullScale(), 1000);
    EXPECT_EQ(trend.depth(), 91); // not carried: the new-widget value

    const auto coil = page.widgets[5].get<KeyRecord>();
    EXPECT_EQ(coil.keyCode(), 10); // older key 21 is F1
    EXPECT_EQ(coil.action(), KeyRecord::SetCoil);
    EXPECT_EQ(coil.reg(), (RegisterRef{1, 1, 33}));
    EXPECT_EQ(coil.value(), 2);
    EXPECT_EQ(coil.attributes(), 0x10);
    EXPECT_TRUE(coil.hand());
    EXPECT_EQ(std::vector<uint8_t>(coil.symbolText().begin(), coil.symbolText().end()),
              (std::vector<uint8_t>{0xFF, 0x1A, 0xFF, 22}));

    const auto text = page.widgets[6].get<StaticTextRecord>();
    EXPECT_EQ(text.attributes(), 0x02);
    EXPECT_EQ(text.text(0).str(), "Hello");
    EXPECT_TRUE(text.text(1).empty());

    const auto pic = page.widgets[7].get<PictureRecord>();
    EXPECT_EQ(pic.x(), 30);
    EXPECT_EQ(pic.width(), 8);
    EXPECT_EQ(pic.height(), 2);
    EXPECT_EQ(pic.bitmapCount(), 8);
    EXPECT_EQ(pic.bitmap()[7], 0xA7);
    EXPECT_EQ(pic.pictureName(), "pic/P4-7.bmp");
    std::ifstream bmp(folder() / "pic" / "P4-7.bmp", std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(bmp), {}};
    ASSERT_EQ(file.size(), 70u);
    EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 14),
              (std::vector<uint8_t>{'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0}));
    EXPECT_EQ(file[14], 40);
    EXPECT_EQ(file[62], 0xA0);

    const auto jump = page.widgets[8].get<KeyRecord>();
    EXPECT_EQ(jump.keyCode(), 18); // older key 0 is ESC
    EXPECT_EQ(jump.action(), KeyRecord::ScreenJump);
    EXPECT_EQ(jump.value(), 0xFFFF); // no page: the alarm list
    EXPECT_EQ(std::vector<uint8_t>(jump.symbolText().begin(), jump.symbolText().end()),
              (std::vector<uint8_t>{0xFF, 0x00})); // ESC is symbol 0

    const auto set = page.widgets[9].get<KeyRecord>();
    EXPECT_EQ(set.keyCode(), 18); // unknown older key
    EXPECT_EQ(set.action(), KeyRecord::SetRegister);
    EXPECT_EQ(set.reg(), (RegisterRef{3, 7, 44}));
    EXPECT_EQ(set.value(), 1234);
}

TEST(Translator, AlarmListInLanguageOne) {
    CHCData p;
    ASSERT_TRUE(translate(everyClass(), p));
    const AlarmListRecord& a = p.alarmList;
    EXPECT_EQ(a.entryCount(), 3);
    EXPECT_EQ(a.start(), 300);
    EXPECT_EQ(a.station(), 1);
    EXPECT_EQ(a.registerType(), 0);
    EXPECT_EQ(a.marker(), 0xFF);
    EXPECT_EQ(a.buzzer(), 0xFF);
    EXPECT_EQ(a.text(0, 0).str(), "No Alarm");
    EXPECT_EQ(a.text(1, 0).str(), "Pump fault");
    EXPECT_EQ(a.text(2, 0).str(), std::string(24, 'x'));
    for (int j = 0; j < 3; ++j)
        EXPECT_TRUE(a.text(j, 1).empty());
}

TEST(Translator, PagesFollowTheirMarks) {
    OlderProjectWriter w;
    w.beginPage(1, "", 0, 2);
    w.endPage();
    w.beginPage(7, std::string(45, 'd'), 6, 8);
    w.object("CChars", Fields().i32(0).i32(0).u8(0).str("a"));
    w.object("CChars", Fields().i32(8).i32(0).u8(0).str("b"));
    w.endPage();
    CHCData p;
    ASSERT_TRUE(translate(w.finish(5, {"x"}), p));
    ASSERT_EQ(p.pageCount(), 2);
    EXPECT_EQ(p.page(0)->widgetCount(), 0);
    EXPECT_EQ(p.page(1)->number(), 7);
    EXPECT_EQ(p.page(1)->description(), std::string(39, 'd'));
    EXPECT_EQ(p.page(1)->widgets[1].get<StaticTextRecord>().text(0).str(), "b");

    // A header that claims three pages, of which the file holds one, keeps the page read.
    OlderProjectWriter one;
    one.beginPage(1, "", 0, 2);
    one.endPage();
    CHCData q;
    ASSERT_TRUE(translate(one.finish(5, {"x"}, 3), q));
    EXPECT_EQ(q.pageCount(), 1);
    EXPECT_EQ(q.header.pageCount(), 1);
    EXPECT_EQ(q.alarmList.text(1, 0).str(), "x");
}

namespace {
struct BadCase {
    const char* name;
    std::vector<uint8_t> file;
};

std::vector<BadCase> badFiles() {
    std::vector<BadCase> cases;
    std::vector<uint8_t> good = everyClass();
    std::vector<uint8_t> sig = good;
    sig[1] = 'Q';
    cases.push_back({"signature", sig});
    cases.push_back({"short header", std::vector<uint8_t>(good.begin(), good.begin() + 100)});
    for (std::size_t cut :
         {std::size_t(146), std::size_t(300), std::size_t(600), good.size() - 40, good.size() - 1})
        cases.push_back({"truncated", std::vector<uint8_t>(good.begin(), good.begin() + cut)});

    auto page = [](auto fill, int claimed = -1) {
        OlderProjectWriter w;
        w.beginPage(1, "", 0, 2, claimed);
        fill(w);
        w.endPage();
        return w.finish(0, {});
    };
    const Fields text = Fields().i32(0).i32(0).u8(0).str("t");
    cases.push_back({"unknown class", page([](auto& w) { w.object("CEdit", Fields().i32(0)); })});
    cases.push_back({"count too high", page([&](auto& w) { w.object("CChars", text); }, 2)});
    cases.push_back({"count too low", page(
                                          [&](auto& w) {
                                              w.object("CChars", text);
                                              w.object("CChars", text);
                                          },
                                          1)});
    cases.push_back(
        {"bitmap header", page([](auto& w) { w.object("CUpLoadPic", pictureFields(12)); })});
    cases.push_back({"bitmap larger than the file", page([](auto& w) {
                         Fields f = pictureFields(40, 8);
                         f.bytes[4 + 4 + 20] = 0x00;
                         f.bytes[4 + 4 + 21] = 0x10; // claims 4096 pixel bytes
                         w.object("CUpLoadPic", f);
                     })});
    cases.push_back(
        {"key action", page([](auto& w) {
             w.object("CFunction",
                      Fields().i32(0).i32(0).u8(0).u8(3).u8(0).u8(0).u8(0).u8(1).u16(0).u16(0));
         })});
    // A text whose length byte runs past the end.
    std::vector<uint8_t> longText = page([&](auto& w) { w.object("CChars", text); });
    longText.resize(longText.size() - 107);
    cases.push_back({"text length", longText});
    // More alarms than the file holds, and more than the list has room for.
    OlderProjectWriter a;
    cases.push_back({"alarm count", a.finish(0, {"one"}, -1, 2)});
    OlderProjectWriter b;
    cases.push_back({"alarm room", b.finish(0, std::vector<std::string>(200, "a"))});
    // A string tag with a name length beyond the file.
    OlderProjectWriter c;
    c.beginPage(1, "", 0, 2);
    c.bytes.insert(c.bytes.end(), {0xFF, 0xFF, 1, 0, 0xFF, 0x7F, 'C'});
    cases.push_back({"class name length", c.bytes});
    return cases;
}
} // namespace

TEST(Translator, UnsoundFilesFail) {
    for (const auto& c : badFiles()) {
        CHCData p;
        EXPECT_FALSE(translate(c.file, p)) << c.name << " (" << c.file.size() << " bytes)";
    }
}

TEST(Translator, FuzzSeedTranslates) {
    std::ifstream in(std::string(ZORV_SOURCE_DIR) + "/fuzz/corpus/older_project/two-pages.qsp",
                     std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    CHCData p;
    ASSERT_TRUE(translate(file, p));
    ASSERT_EQ(p.pageCount(), 2);
    EXPECT_EQ(p.page(0)->widgetCount(), 4);
    EXPECT_EQ(p.page(0)->widgets[1].get<StaticTextRecord>().text(0).str(), "World");
    EXPECT_EQ(p.page(1)->widgets[1].get<RegisterRecord>().reg().address, 100);
    EXPECT_EQ(p.alarmList.entryCount(), 3);
}
