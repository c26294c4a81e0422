// Guards the older project translation against: levels of a dynamic text without a value text
// compacted away with their texts (their characters then missing from the image, or the wrong
// levels saved), header conversions off (flags, timeout codes,
// page control, translated signature, one language), fields of any of the eight object classes
// landing in the wrong record bytes, class references not resolved, picture files not written
// as BMP files, pages that repeat a number taken in as they are or their pictures written over
// each other, and unsound files (signature, unknown class, bitmap header, object counts, and
// counts or lengths beyond the file) read past their end or reported as success.
#include <gtest/gtest.h>

#include <fstream>

#include "CompileTestFonts.h"
#include "OlderProjectWriter.h"
#include "image/ImageCompiler.h"
#include "image/Translator.h"
#include "model/ProjectStream.h"
#include "model/WidgetRecords.h"
#include "tests/TestFolder.h"

using namespace zorv;
using zorv::test::Fields;
using zorv::test::OlderProjectWriter;

namespace {

std::filesystem::path folder() {
    return test::testFolder("zorv_translator_");
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

// Expected little-endian fields of a record: offset, width in bytes, value.
struct Field {
    std::size_t off;
    int width;
    uint32_t value;
};
void expectFields(std::span<const uint8_t> record, std::initializer_list<Field> fields,
                  const char* what) {
    for (const Field& f : fields) {
        uint32_t v = 0;
        for (int i = f.width - 1; i >= 0; --i)
            v = (v << 8) | record[f.off + std::size_t(i)];
        EXPECT_EQ(v, f.value) << what << " offset " << f.off;
    }
}

TEST(Translator, HeaderConversions) {
    CHCData p;
    ASSERT_TRUE(translate(everyClass(), p));
    // Signature 06 "ZORV" 08 "v2", format bytes, password levels, one language, flags 0x88 + 64
    // with bits 3 and 6 set, page control D40 and current page D41, timeout code 2, pages.
    expectFields(p.header.bytes,
                 {{0, 4, 0x524F5A06}, {4, 4, 0x32760856},  {8, 4, 0},           {28, 4, 2},
                  {32, 2, 20},        {34, 2, 1},          {108, 4, 3},         {117, 1, 1},
                  {60, 1, 0xC8},      {48, 4, 0x00280701}, {52, 4, 0x00290701}, {62, 2, 120},
                  {66, 2, 120},       {100, 1, 2},         {101, 1, 12},        {76, 2, 1},
                  {68, 2, 2},         {70, 2, 5},          {72, 2, 5},          {78, 2, 0xC000},
                  {74, 2, 0xFFFF},    {112, 4, 0}},
                 "header");

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

    const auto rec = [&](int i) { return std::span<const uint8_t>(page.widgets[i].record); };
    // Light: X, Y, register X7 (octal type 5), square display, flags, symbol FF 1C.
    expectFields(
        rec(0),
        {{2, 2, 10}, {4, 2, 11}, {6, 4, 0x00070501}, {10, 2, 1}, {1, 1, 0x11}, {24, 3, 0x1CFF02}},
        "light");
    // Register: D100 of station 2, two registers, digits 6.2, options without the
    // bound-from-register bits, size bits, bounds 999 and -5.
    expectFields(rec(1),
                 {{6, 4, 0x00640702},
                  {10, 1, 2},
                  {13, 1, 0x62},
                  {15, 1, 0xA1},
                  {14, 1, 0x10},
                  {16, 4, 999},
                  {24, 4, uint32_t(-5)}},
                 "register");
    // Bar and trend (chart area 4 pixels less than the widget); what a trend does not carry
    // keeps its new-widget value (depth 91).
    expectFields(rec(3),
                 {{12, 2, 20},
                  {14, 2, 30},
                  {8, 2, 9},
                  {10, 1, 2},
                  {11, 1, 1},
                  {16, 2, 3},
                  {20, 4, 500},
                  {24, 4, uint32_t(-500)}},
                 "bar");
    expectFields(rec(4),
                 {{6, 2, 96},
                  {8, 2, 46},
                  {14, 2, 10},
                  {17, 1, 2},
                  {18, 2, 60},
                  {24, 1, 4},
                  {28, 4, 1000},
                  {32, 4, 10},
                  {20, 2, 91}},
                 "trend");
    // Keys: coil on M33 by older key 21 (F1) with the hand: FF 1A FF 16; a jump to the alarm
    // list by older key 0 (ESC, symbol 0); an unknown older key as ESC writing 1234 to D44.
    expectFields(rec(5),
                 {{1, 1, 10},
                  {7, 1, 0},
                  {10, 4, 0x00210101},
                  {14, 2, 2},
                  {6, 1, 0x10},
                  {8, 2, 1},
                  {20, 1, 4},
                  {21, 4, 0x16FF1AFF}},
                 "coil key");
    expectFields(rec(8), {{1, 1, 18}, {7, 1, 1}, {14, 2, 0xFFFF}, {20, 3, 0x00FF02}}, "jump key");
    expectFields(rec(9), {{1, 1, 18}, {7, 1, 2}, {10, 4, 0x002C0703}, {14, 2, 1234}}, "set key");

    const auto dyn = page.widgets[2].get<DynamicTextRecord>();
    EXPECT_EQ(dyn.reg(), (RegisterRef{1, 1, 8}));
    EXPECT_EQ(dyn.count(), 2); // the levels with a value text, hexadecimal, in their slots
    EXPECT_EQ(dyn.entry(0).value, 0x1A);
    EXPECT_FALSE(dyn.entry(1).used);
    EXPECT_EQ(dyn.entry(1).text[0].str(), "t");
    EXPECT_TRUE(dyn.entry(2).used);
    EXPECT_EQ(dyn.entry(2).value, 0xFF);
    EXPECT_EQ(dyn.entry(2).text[0].str(), "\xBF\xAA&41");
    EXPECT_EQ(dyn.width(0), 4);

    const auto text = page.widgets[6].get<StaticTextRecord>();
    EXPECT_EQ(text.attributes(), 0x02);
    EXPECT_EQ(text.text(0).str(), "Hello");
    EXPECT_TRUE(text.text(1).empty());

    const auto pic = page.widgets[7].get<PictureRecord>();
    expectFields(rec(7), {{2, 2, 30}, {12, 2, 8}, {14, 2, 2}, {12304, 4, 8}, {23, 1, 0xA7}},
                 "picture");
    EXPECT_EQ(pic.pictureName(), "pic/P4-7.bmp");
    std::ifstream bmp(folder() / "pic" / "P4-7.bmp", std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(bmp), {}};
    ASSERT_EQ(file.size(), 70u);
    EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 14),
              (std::vector<uint8_t>{'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0}));
    EXPECT_EQ(file[14], 40);
    EXPECT_EQ(file[62], 0xA0);
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
// A page of one picture whose pixels are all `fill`.
void pictureOnlyPage(OlderProjectWriter& w, uint16_t number, uint8_t fill) {
    Fields f = pictureFields();
    std::fill(f.bytes.end() - 8, f.bytes.end(), fill);
    w.beginPage(number, "", 0, 0);
    w.object("CUpLoadPic", f);
    w.endPage();
}
std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
} // namespace

// Pages that repeat a number: each repeat takes the next number no page of the file uses, so
// every page stays reachable, its pictures are written under that number instead of over the
// first page's, and the pages come out in ascending order.
TEST(Translator, RepeatedPageNumbersGetTheNextFreeNumber) {
    std::filesystem::remove_all(folder() / "pic");
    OlderProjectWriter w;
    const uint16_t stored[] = {5, 5, 6, 5, 3};
    for (std::size_t i = 0; i < std::size(stored); ++i)
        pictureOnlyPage(w, stored[i], uint8_t(0x10 * (i + 1)));
    CHCData p;
    std::vector<RenumberedPage> renumbered;
    ASSERT_TRUE(CTranslator(folder()).translate(w.finish(5, {"x"}), p, &renumbered));
    EXPECT_EQ(renumbered, (std::vector<RenumberedPage>{{2, 5, 7}, {4, 5, 8}}));
    ASSERT_EQ(p.pageCount(), 5);
    EXPECT_EQ(p.header.pageCount(), 5);
    const uint16_t numbers[] = {3, 5, 6, 7, 8};
    const uint8_t fills[] = {0x50, 0x10, 0x30, 0x20, 0x40};
    for (int i = 0; i < 5; ++i) {
        const CPage& page = *p.page(i);
        EXPECT_EQ(page.number(), numbers[i]);
        const auto& pic = page.widgets[0].get<PictureRecord>();
        const std::string name = "pic/P" + std::to_string(numbers[i]) + "-0.bmp";
        EXPECT_EQ(pic.pictureName(), name);
        const auto bmp = fileBytes(folder() / name);
        ASSERT_EQ(bmp.size(), 62u + 8u) << name;
        EXPECT_EQ(bmp.back(), fills[i]) << name;
    }
    EXPECT_EQ(renumberedPagesWarning(renumbered),
              "Pages of the older project that repeat a page number were given the next free "
              "number:\npage 5 (page record 2 of the file) is now page 7.\n"
              "page 5 (page record 4 of the file) is now page 8.");
    // The project saves and opens again.
    CHCData back;
    EXPECT_TRUE(readProjectStream(projectStream(p), back));

    // Past 65535 the count goes on from 0 (only the first page record can be page 0); a file
    // without repeats renumbers nothing.
    OlderProjectWriter top;
    for (uint16_t n : {0, 65535, 65535})
        pictureOnlyPage(top, n, 1);
    CHCData q;
    ASSERT_TRUE(CTranslator(folder()).translate(top.finish(5, {}), q, &renumbered));
    EXPECT_EQ(renumbered, (std::vector<RenumberedPage>{{3, 65535, 1}}));
    EXPECT_EQ(q.page(0)->number(), 0);
    EXPECT_EQ(q.page(1)->number(), 1);
    ASSERT_TRUE(CTranslator(folder()).translate(everyClass(), q, &renumbered));
    EXPECT_TRUE(renumbered.empty());
    EXPECT_EQ(renumberedPagesWarning(renumbered), "");
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
    // Heights are stored negated for top-down rows; the most negative one has no size at all.
    cases.push_back({"bitmap height", page([](auto& w) {
                         Fields f = pictureFields(40, 8);
                         f.bytes[4 + 4 + 8 + 3] = 0x80; // height 0x80000000
                         f.bytes[4 + 4 + 8] = 0x00;
                         w.object("CUpLoadPic", f);
                     })});
    cases.push_back({"bitmap width", page([](auto& w) {
                         Fields f = pictureFields(40, 8);
                         f.bytes[4 + 4 + 4] = 0x00;
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
    EXPECT_EQ(p.pageCount(), 2);
    EXPECT_EQ(p.alarmList.entryCount(), 3);
}

// A dynamic text whose level 1 has no value text: level 1 keeps its text in its slot, unused,
// so the image holds its character; saving writes the levels in use with their own texts.
TEST(Translator, LevelsWithoutValueKeepTheirTextsInTheirSlots) {
    OlderProjectWriter w;
    w.beginPage(1, "", 0, 0);
    Fields dyn;
    dyn.i32(0).i32(0).reg(1, 7, 8).u8(0).u8(0);
    for (int k = 0; k < 32; ++k)
        dyn.str(k == 0 ? "Off" : k == 1 ? "\xB0\xA1" : k == 2 ? "On" : "");
    for (int k = 0; k < 32; ++k)
        dyn.i32(0);
    for (int k = 0; k < 32; ++k)
        dyn.str(k == 0 ? "0" : k == 2 ? "2" : "");
    w.object("CDynamic", dyn);
    w.endPage();
    CHCData p;
    ASSERT_TRUE(translate(w.finish(0, {}), p));
    const auto r = p.page(0)->widgets.at(0).get<DynamicTextRecord>();
    EXPECT_EQ(r.count(), 2);
    EXPECT_FALSE(r.entry(1).used);
    EXPECT_EQ(r.entry(1).text[0].str(), "\xB0\xA1");
    EXPECT_TRUE(r.entry(2).used);
    EXPECT_EQ(r.entry(2).value, 2);
    EXPECT_EQ(r.entry(2).text[0].str(), "On");

    const CompileResult image = compileImage(p, test::makeFonts());
    ASSERT_TRUE(image.ok) << image.message;
    EXPECT_EQ(image.textGlyphCount, 1); // the character of the unused level

    CHCData saved;
    ASSERT_TRUE(readProjectStream(projectStream(p), saved));
    const auto back = saved.page(0)->widgets.at(0).get<DynamicTextRecord>();
    ASSERT_EQ(back.count(), 2);
    EXPECT_EQ(back.entry(0).text[0].str(), "Off");
    EXPECT_EQ(back.entry(0).value, 0);
    EXPECT_EQ(back.entry(1).text[0].str(), "On");
    EXPECT_EQ(back.entry(1).value, 2);
}
