// Guards the whole download image: section offsets and header fields, the page directory, page
// numbers not replaced by indices (or replaced where a missing page needs the fallback), glyphs
// taken from the wrong font file or character, symbols not separated from the text glyphs,
// font-file failures reported as success or in the wrong order, the 512-glyph limit, characters
// outside the fonts read past the data instead of refused, and the project changed by a compile.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "CompileTestFonts.h"
#include "image/ImageCompiler.h"
#include "model/Bytes.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

using Bytes = std::vector<uint8_t>;

struct Image {
    const Bytes& b;
    uint16_t u16(std::size_t at) const { return le::u16(b.data() + at); }
    uint32_t u32(std::size_t at) const { return le::u32(b.data() + at); }
    std::size_t page(int i) const { return u32(120 + 4 * std::size_t(i)); }
    // Page-relative offset of widget w of page i, from the page's offset table.
    std::size_t widget(int i, int w) const {
        return page(i) + u16(page(i) + 20 + 2 * std::size_t(w));
    }
    std::span<const uint8_t> glyph(int k) const {
        return std::span(b).subspan(u32(84) + 32 * std::size_t(k), 32);
    }
};

CompileResult compile(const CHCData& p, const GlyphSources& fonts = test::makeFonts()) {
    return compileImage(p, fonts);
}

StaticTextRecord staticText(Bytes l1, Bytes l2 = {}, uint16_t x = 0, uint16_t y = 0) {
    StaticTextRecord r;
    r.setText(0, TextSlot::fromBytes(std::span<const uint8_t>(l1)));
    r.setText(1, TextSlot::fromBytes(std::span<const uint8_t>(l2)));
    r.setX(x);
    r.setY(y);
    return r;
}

Bytes textBytes(const char* s) {
    return Bytes(s, s + std::strlen(s));
}

TEST(CompileImage, OnePageWithoutWidgets) {
    CHCData p;
    p.addPage(1, PlaceMode::Insert);
    const CompileResult r = compile(p);
    ASSERT_TRUE(r.ok) << r.message;
    const Image img{r.image};
    const std::size_t alarms = 20 + 4 + 2 * (1 + 8);
    ASSERT_EQ(r.image.size(), 120u + 6 + 20 + 1520 + alarms + 4);
    EXPECT_EQ(img.u16(76), 1);
    EXPECT_EQ(img.u16(78), 0xC000);
    EXPECT_EQ(img.u32(80), 146u);
    EXPECT_EQ(img.u32(84), 146u + 1520);
    EXPECT_EQ(img.u32(88), 120u);
    EXPECT_EQ(img.u32(92), 146u + 1520);
    EXPECT_EQ(img.u32(96), 124u);
    EXPECT_EQ(img.u32(104), 0u);
    // Start, default and screen-saver page 1 are index 0; no alarm page stays 0xFFFF.
    EXPECT_EQ(img.u16(68), 0);
    EXPECT_EQ(img.u16(70), 0);
    EXPECT_EQ(img.u16(72), 0);
    EXPECT_EQ(img.u16(74), 0xFFFF);
    EXPECT_TRUE(std::equal(r.image.begin(), r.image.begin() + 68, p.header.bytes.begin()));
    EXPECT_TRUE(
        std::equal(r.image.begin() + 108, r.image.begin() + 120, p.header.bytes.begin() + 108));
    EXPECT_EQ(img.page(0), 126u);
    EXPECT_EQ(img.u16(124), 1);
    // Page 1: up page 0 and down page 2 do not exist and point at the page itself.
    const Bytes page{0, 0, 3, 0, 0, 48, 16, 0, 0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(page.begin(), page.end(), r.image.begin() + 126));
    // The ASCII font: the space first.
    EXPECT_TRUE(std::equal(r.image.begin() + 146, r.image.begin() + 162,
                           readAsciiGlyph(test::makeAsc16(), 0x20)->begin()));
    Bytes section{11, 255, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 4, 20, 0, 255, 0, 0, 0, 24, 0, 33, 0};
    for (int lang = 0; lang < 2; ++lang) {
        section.push_back(8);
        for (char c : std::string("No Alarm"))
            section.push_back(uint8_t(c));
    }
    for (uint8_t t : {0xA5, 0x5A, 0xEF, 0xFE})
        section.push_back(t);
    EXPECT_EQ(Bytes(r.image.begin() + 1666, r.image.end()), section);
    EXPECT_EQ(r.glyphCount, 0);
}

TEST(CompileImage, GlyphsComeFromTheirFontsAndSymbolsFollowTheTexts) {
    CHCData p;
    CPage* page = p.addPage(1, PlaceMode::Insert);
    KeyRecord key = KeyRecord::makeDefault();
    key.setKeyCode(10); // F1: symbol 0x16
    key.setHand(true);
    page->widgets.push_back(WidgetNode::of(1, key));
    page->widgets.push_back(
        WidgetNode::of(2, staticText({'&', '4', '1', 0xB0, 0xA1}, {0xB0, 0xA1})));
    page->widgets.push_back(WidgetNode::of(3, LedRecord::makeDefault())); // round: 0x1B
    CPage* second = p.addPage(2, PlaceMode::Insert);
    second->widgets.push_back(WidgetNode::of(1, staticText(textBytes("&c1&1A"), {0xB0, 0xA1})));
    const CompileResult r = compile(p);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.textGlyphCount, 4);
    EXPECT_EQ(r.glyphCount, 7);
    const Image img{r.image};
    EXPECT_EQ(img.u32(92), img.u32(84) + 32 * 7);

    // Glyph 0 is Syslib1.dat character 0x41, 1 the hanzi B0A1, 2 UserLib.dat 0x41, 3 Syslib1
    // 0x1A; then the symbols in list order: the key's hand and F1 symbols, the light's 0x1B.
    EXPECT_EQ(img.glyph(0)[0], test::kSyslibMarker);
    EXPECT_EQ(img.glyph(0)[1], 0x41);
    EXPECT_EQ(test::hzk14IndexOf(img.glyph(1)), 15 * 94);
    EXPECT_EQ(img.glyph(2)[0], test::kUserLibMarker);
    EXPECT_EQ(img.glyph(2)[1], 0x41);
    const uint8_t symbols[] = {0x1A, 0x1A, 0x16, 0x1B};
    for (int k = 3; k < 7; ++k) {
        EXPECT_EQ(img.glyph(k)[0], test::kSyslibMarker) << k;
        EXPECT_EQ(img.glyph(k)[1], symbols[k - 3]) << k;
    }

    // Page 1 in image order: light, key, static text.
    const std::size_t light = img.widget(0, 0), keyAt = img.widget(0, 1), text = img.widget(0, 2);
    EXPECT_EQ(Bytes(r.image.begin() + light + 24, r.image.begin() + light + 27),
              (Bytes{2, 0xC0, 6}));
    EXPECT_EQ(Bytes(r.image.begin() + keyAt + 20, r.image.begin() + keyAt + 25),
              (Bytes{4, 0xC0, 4, 0xC0, 5}));
    EXPECT_EQ(Bytes(r.image.begin() + text + 16, r.image.begin() + text + 22),
              (Bytes{4, 0xC0, 0, 0xC0, 1, 2}));
    const std::size_t text2 = img.widget(1, 0);
    EXPECT_EQ(Bytes(r.image.begin() + text2 + 16, r.image.begin() + text2 + 21),
              (Bytes{4, 0xC0, 2, 0xC0, 3}));
}

TEST(CompileImage, UnusedLevelTextsAreConvertedToo) {
    CHCData p;
    DynamicTextRecord d = DynamicTextRecord::makeDefault();
    ChoiceEntry unused;
    unused.text[1] = TextSlot::fromBytes("&42");
    d.setEntry(31, unused);
    p.addPage(1, PlaceMode::Insert)->widgets.push_back(WidgetNode::of(1, d));
    const CompileResult r = compile(p);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.glyphCount, 1);
}

TEST(CompileImage, PageNumbersBecomeIndices) {
    CHCData p;
    p.header.setStartPage(5);
    p.header.setDefaultPage(7);
    p.header.setScreenSaverPage(9);
    p.header.setAlarmPage(3);
    for (uint16_t n : {9, 2, 5})
        p.addPage(n, PlaceMode::Insert);
    CPage* two = p.pageByNumber(2);
    two->head.setUpPage(9);
    two->head.setDownPage(5);

    MenuRecord jump = MenuRecord::makeDefault();
    ChoiceEntry item;
    item.used = true;
    item.value = 9;
    jump.setEntry(0, item);
    item.value = 4;
    jump.setEntry(1, item);
    jump.setCount(2);
    MenuRecord setting = jump;
    setting.setMode(MenuRecord::kModeRegisterSetting);
    PasswordRecord password;
    password.setSuccessPage(2);
    password.setFailurePage(77);
    KeyRecord toPage = KeyRecord::makeDefault();
    toPage.setActionByte(KeyRecord::ScreenJump);
    toPage.setValue(5);
    KeyRecord toAlarms = toPage;
    toAlarms.setValue(KeyRecord::kJumpToAlarmList);
    KeyRecord setRegister = toPage;
    setRegister.setActionByte(KeyRecord::SetRegister);

    CPage* nine = p.pageByNumber(9);
    nine->widgets.push_back(WidgetNode::of(1, jump));
    nine->widgets.push_back(WidgetNode::of(2, setting));
    nine->widgets.push_back(WidgetNode::of(3, password));
    nine->widgets.push_back(WidgetNode::of(4, toPage));
    nine->widgets.push_back(WidgetNode::of(5, toAlarms));
    nine->widgets.push_back(WidgetNode::of(6, setRegister));

    const CompileResult r = compile(p);
    ASSERT_TRUE(r.ok) << r.message;
    const Image img{r.image};
    EXPECT_EQ(img.u16(68), 1);
    EXPECT_EQ(img.u16(70), 0);
    EXPECT_EQ(img.u16(72), 2);
    EXPECT_EQ(img.u16(74), 0xFFFF);
    EXPECT_EQ(img.u16(132), 2);
    EXPECT_EQ(img.u16(134), 5);
    EXPECT_EQ(img.u16(136), 9);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(img.u16(img.page(i)), i);
    EXPECT_EQ(img.u16(img.page(0) + 8), 2);
    EXPECT_EQ(img.u16(img.page(0) + 10), 1);
    EXPECT_EQ(img.u16(img.page(1) + 8), 1); // page 4 and 6 do not exist
    EXPECT_EQ(img.u16(img.page(1) + 10), 1);

    // Page 9 in image order: the two menus, password, three keys.
    const std::size_t menu = img.widget(2, 0), settingMenu = img.widget(2, 1);
    const std::size_t values = img.page(2) + img.u16(menu + 18);
    EXPECT_EQ(img.u16(values), 2);
    EXPECT_EQ(img.u16(values + 2), 2); // page 4: the menu's own page
    const std::size_t settingValues = img.page(2) + img.u16(settingMenu + 18);
    EXPECT_EQ(img.u16(settingValues), 9);
    EXPECT_EQ(img.u16(settingValues + 2), 4);
    const std::size_t pwd = img.widget(2, 2);
    EXPECT_EQ(img.u16(pwd + 8), 0);
    EXPECT_EQ(img.u16(pwd + 10), 2);
    EXPECT_EQ(img.u16(img.widget(2, 3) + 14), 1);
    EXPECT_EQ(img.u16(img.widget(2, 4) + 14), 0xFFFF);
    EXPECT_EQ(img.u16(img.widget(2, 5) + 14), 5);

    // A known alarm page is mapped too.
    p.header.setAlarmPage(9);
    EXPECT_EQ(Image{compile(p).image}.u16(74), 2);
}

TEST(CompileImage, LeavesTheProjectAsItWas) {
    CHCData p;
    CPage* page = p.addPage(3, PlaceMode::Insert);
    page->widgets.push_back(WidgetNode::of(1, staticText({0xB0, 0xA1})));
    page->widgets.push_back(WidgetNode::of(2, RegisterRecord::makeDefault()));
    page->widgets.push_back(WidgetNode::of(3, AlarmListRecord::makeDefault()));
    const auto header = p.header;
    const auto alarms = p.alarmList;
    const auto widgets = page->widgets;
    const CompileResult first = compile(p);
    ASSERT_TRUE(first.ok) << first.message;
    EXPECT_EQ(p.header, header);
    EXPECT_EQ(p.alarmList, alarms);
    ASSERT_EQ(page->widgets.size(), widgets.size());
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        EXPECT_EQ(page->widgets[i].id, widgets[i].id);
        EXPECT_EQ(page->widgets[i].record, widgets[i].record);
    }
    EXPECT_EQ(page->number(), 3);
    EXPECT_EQ(compile(p).image, first.image);
}

TEST(CompileImage, MissingFontFilesFailInTheirOrder) {
    CHCData p;
    p.addPage(1, PlaceMode::Insert);
    const std::vector<std::pair<std::vector<FontFile>, const char*>> cases{
        {{FontFile::Asc16, FontFile::Hzk14, FontFile::UserLib, FontFile::Syslib1},
         "Failed to open the Asc16.dat!"},
        {{FontFile::Syslib1, FontFile::Hzk14}, "Failed to open the Hzk14.dat!"},
        {{FontFile::Syslib1, FontFile::UserLib}, "Failed to open the UserLib.dat!"},
        {{FontFile::Syslib1}, "Failed to open the Syslib1.dat!"},
    };
    for (const auto& [missing, message] : cases) {
        GlyphSources fonts = test::makeFonts();
        for (FontFile f : missing)
            fonts.file(f).reset();
        const CompileResult r = compile(p, fonts);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, message);
        EXPECT_TRUE(r.image.empty());
    }
    GlyphSources shortAscii = test::makeFonts();
    shortAscii.file(FontFile::Asc16)->resize(1000);
    EXPECT_EQ(compile(p, shortAscii).message, "Failed to read the Asc16.dat!");
}

TEST(CompileImage, MoreThan512GlyphsAreRefused) {
    CHCData p;
    CPage* page = p.addPage(1, PlaceMode::Insert);
    int code = 0;
    const auto nextTwelve = [&] {
        Bytes t;
        for (int i = 0; i < 12; ++i, ++code) {
            t.push_back(uint8_t(0xB0 + code / 94));
            t.push_back(uint8_t(0xA1 + code % 94));
        }
        return t;
    };
    for (int w = 0; w < 21; ++w)
        page->widgets.push_back(WidgetNode::of(w + 1, staticText(nextTwelve(), nextTwelve())));
    ASSERT_TRUE(compile(p).ok); // 504 glyphs
    page->widgets.push_back(WidgetNode::of(30, staticText(nextTwelve())));
    const CompileResult r = compile(p);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Too many different characters, the limit is 512!");
    EXPECT_TRUE(r.image.empty());
}

TEST(CompileImage, CharactersOutsideTheFontsAreRefusedWithTheirPlace) {
    struct Case {
        Bytes text;
        const char* message;
    };
    const Case cases[] = {
        {textBytes("ab&C1"),
         "The character &C1 used on page 3 (StaticText at 10,16) is not in the UserLib.dat!"},
        {textBytes("&21"),
         "The character &21 used on page 3 (StaticText at 10,16) is not in the Syslib1.dat!"},
        {{0x81, 0x40},
         "The character code 8140 used on page 3 (StaticText at 10,16) is not a "
         "GB2312 character!"},
    };
    for (const Case& c : cases) {
        CHCData p;
        p.addPage(3, PlaceMode::Insert)
            ->widgets.push_back(WidgetNode::of(1, staticText({}, c.text, 10, 16)));
        const CompileResult r = compile(p, test::makeFonts(0x41, 0x20));
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, c.message);
    }

    CHCData p;
    KeyRecord key = KeyRecord::makeDefault();
    key.setKeyCode(10);
    key.setY(48);
    p.addPage(1, PlaceMode::Insert)->widgets.push_back(WidgetNode::of(1, key));
    EXPECT_EQ(compile(p, test::makeFonts(128, 0x16)).message,
              "The character &16 used on page 1 (Key at 0,48) is not in the Syslib1.dat!");
    EXPECT_TRUE(compile(p, test::makeFonts(128, 0x17)).ok);

    p.alarmList.setText(0, 1, TextSlot::fromBytes("&FF"));
    EXPECT_EQ(compile(p, test::makeFonts(0x7F, 128)).message,
              "The character &FF used on the system alarm list is not in the UserLib.dat!");

    GlyphSources shortHanzi = test::makeFonts();
    shortHanzi.file(FontFile::Hzk14)->resize(28 * 94);
    p.alarmList.setText(0, 1, TextSlot::fromBytes(std::span<const uint8_t>(Bytes{0xA2, 0xA1})));
    EXPECT_EQ(compile(p, shortHanzi).message, "Failed to read the Hzk14.dat!");
}

TEST(CompileImage, ReadsTheFontsOfAProgramFolder) {
    const auto folder = std::filesystem::temp_directory_path() / "zorv-compile-fonts-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    CHCData p;
    p.addPage(1, PlaceMode::Insert);
    EXPECT_EQ(compileImage(p, folder).message, "Failed to open the Asc16.dat!");
    const GlyphSources fonts = test::makeFonts();
    for (FontFile f : {FontFile::Asc16, FontFile::Hzk14, FontFile::UserLib, FontFile::Syslib1}) {
        std::ofstream out(folder / fontFileName(f), std::ios::binary);
        out.write(reinterpret_cast<const char*>(fonts.file(f)->data()),
                  std::streamsize(fonts.file(f)->size()));
    }
    const CompileResult r = compileImage(p, folder);
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.image, compile(p).image);
    std::filesystem::remove_all(folder);
}

} // namespace
