// Guards the whole download image: section offsets and header fields, the page directory, page
// numbers left in place of indices (or a missing page not given its fallback), glyphs from the
// wrong font or character, symbols not kept apart from the text glyphs, unused level texts
// skipped, font-file failures reported as success or in the wrong order, the 512-glyph limit,
// characters outside the fonts read past the data, and the project changed by a compile.
#include <gtest/gtest.h>

#include "CompileTestFonts.h"
#include "image/ImageCompiler.h"
#include "model/WidgetRecords.h"
#include "sim/ImageReader.h"

using namespace zorv;

namespace {

using Bytes = std::vector<uint8_t>;

struct Image {
    Bytes b;
    uint16_t u16(std::size_t at) const { return le::u16(b.data() + at); }
    uint32_t u32(std::size_t at) const { return le::u32(b.data() + at); }
    std::size_t page(int i) const { return u32(120 + 4 * std::size_t(i)); }
    std::size_t widget(int i, int w) const {
        return page(i) + u16(page(i) + 20 + 2 * std::size_t(w));
    }
    Bytes at(std::size_t from, std::size_t n) const {
        return {b.begin() + from, b.begin() + from + n};
    }
    Bytes glyph(int k) const { return at(u32(84) + 32 * std::size_t(k), 32); }
};

// A compiled image, which the panel simulator's image reader must accept as sound.
Image compiled(const CHCData& p, const GlyphSources& fonts = test::makeFonts()) {
    CompileResult r = compileImage(p, fonts);
    EXPECT_TRUE(r.ok) << r.message;
    sim::ImageDescription description;
    std::string error;
    EXPECT_TRUE(sim::readImage(r.image, description, error)) << error;
    return {std::move(r.image)};
}

WidgetNode staticText(Bytes l1, Bytes l2 = {}, uint16_t x = 0, uint16_t y = 0) {
    StaticTextRecord r;
    r.setText(0, TextSlot::fromBytes(std::span<const uint8_t>(l1)));
    r.setText(1, TextSlot::fromBytes(std::span<const uint8_t>(l2)));
    r.setX(x);
    r.setY(y);
    return WidgetNode::of(1, r);
}

Bytes ascii(std::string_view s) {
    return {s.begin(), s.end()};
}

TEST(CompileImage, OnePageWithoutWidgets) {
    CHCData p;
    p.addPage(1, PlaceMode::Insert);
    const Image img = compiled(p);
    ASSERT_EQ(img.b.size(), 120u + 6 + 20 + 1520 + (20 + 4 + 2 * 9) + 4);
    // Pages, font, glyphs (none), alarm section, page directory; start, default and
    // screen-saver page 1 become index 0, no alarm page stays 0xFFFF.
    EXPECT_EQ(img.at(68, 40), (Bytes{0,   0, 0,    0, 0, 0, 0xFF, 0xFF, 1, 0, 0,    0xC0, 146, 0,
                                     0,   0, 0x82, 6, 0, 0, 120,  0,    0, 0, 0x82, 6,    0,   0,
                                     124, 0, 0,    0, 0, 0, 0,    0,    0, 0, 0,    0}));
    EXPECT_EQ(img.at(0, 68), Bytes(p.header.bytes.begin(), p.header.bytes.begin() + 68));
    EXPECT_EQ(img.at(120, 6), (Bytes{126, 0, 0, 0, 1, 0}));
    // Up page 0 and down page 2 do not exist and point at the page itself.
    EXPECT_EQ(img.at(126, 20),
              (Bytes{0, 0, 3, 0, 0, 48, 16, 0, 0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(img.at(146, 6), (Bytes{0, 0, 0, 0, 1, 0})); // the space: top row 0x20
    Bytes section{11, 255, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 4, 20, 0, 255, 0, 0, 0, 24, 0, 33, 0};
    for (int lang = 0; lang < 2; ++lang) {
        section.push_back(8);
        for (uint8_t c : ascii("No Alarm"))
            section.push_back(c);
    }
    section.insert(section.end(), {0xA5, 0x5A, 0xEF, 0xFE});
    EXPECT_EQ(img.at(1666, section.size()), section);
}

TEST(CompileImage, GlyphsComeFromTheirFontsAndSymbolsFollowTheTexts) {
    CHCData p;
    CPage* first = p.addPage(1, PlaceMode::Insert);
    KeyRecord key = KeyRecord::makeDefault();
    key.setKeyCode(10); // F1: symbol 0x16
    key.setHand(true);
    first->widgets.push_back(WidgetNode::of(1, key));
    first->widgets.push_back(staticText({'&', '4', '1', 0xB0, 0xA1}, {0xB0, 0xA1}));
    first->widgets.push_back(WidgetNode::of(3, LedRecord::makeDefault())); // round: 0x1B
    p.addPage(2, PlaceMode::Insert)->widgets.push_back(staticText(ascii("&c1&1A")));
    const CompileResult r = compileImage(p, test::makeFonts());
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.textGlyphCount, 4);
    EXPECT_EQ(r.glyphCount, 7);
    const Image img = compiled(p);
    EXPECT_EQ(img.u32(92), img.u32(84) + 32 * 7);
    // Texts: Syslib1 0x41, the hanzi B0A1, UserLib 0x41, Syslib1 0x1A; then the symbols in
    // list order from Syslib1: the key's hand and F1, the light's round lamp.
    EXPECT_EQ(test::hzk14IndexOf(img.glyph(1)), 15 * 94);
    const std::pair<uint8_t, uint8_t> library[] = {
        {test::kSyslibMarker, 0x41},  {0, 0},
        {test::kUserLibMarker, 0x41}, {test::kSyslibMarker, 0x1A},
        {test::kSyslibMarker, 0x1A},  {test::kSyslibMarker, 0x16},
        {test::kSyslibMarker, 0x1B}};
    for (int k : {0, 2, 3, 4, 5, 6})
        EXPECT_EQ(std::pair(img.glyph(k)[0], img.glyph(k)[1]), library[k]) << k;
    // Page 1 in image order: light, key, static text.
    EXPECT_EQ(img.at(img.widget(0, 0) + 24, 3), (Bytes{2, 0xC0, 6}));
    EXPECT_EQ(img.at(img.widget(0, 1) + 20, 5), (Bytes{4, 0xC0, 4, 0xC0, 5}));
    EXPECT_EQ(img.at(img.widget(0, 2) + 16, 8), (Bytes{4, 0xC0, 0, 0xC0, 1, 2, 0xC0, 1}));
    EXPECT_EQ(img.at(img.widget(1, 0) + 16, 5), (Bytes{4, 0xC0, 2, 0xC0, 3}));
}

TEST(CompileImage, EveryKindPassesTheImageReader) {
    CHCData p;
    CPage* page = p.addPage(1, PlaceMode::Insert);
    for (int kind = 1; kind <= kWidgetKindCount; ++kind)
        page->addWidget(typeName(WidgetKind(kind)));
    const std::vector<uint8_t> bitmap(8 * 20, 0x5A);
    PictureRecord picture;
    picture.setSize(40, 20);
    picture.setBitmap(bitmap);
    LedRecord light = LedRecord::makeDefault();
    light.setPictureSize(1, 40, 20);
    light.setBitmap(1, bitmap);
    page->widgets.push_back(WidgetNode::of(20, picture));
    page->widgets.push_back(WidgetNode::of(21, light));
    p.addPage(2, PlaceMode::Insert)->widgets = page->widgets;
    const Image img = compiled(p);
    EXPECT_EQ(img.b[img.page(1) + 14], 13); // widgets on the second page
}

TEST(CompileImage, UnusedLevelTextsAreConvertedToo) {
    CHCData p;
    DynamicTextRecord d = DynamicTextRecord::makeDefault();
    d.setTextAt(DynamicTextRecord::entryOff(31) + DynamicTextRecord::kText2Off,
                TextSlot::fromBytes("&42"));
    p.addPage(1, PlaceMode::Insert)->widgets.push_back(WidgetNode::of(1, d));
    EXPECT_EQ(compileImage(p, test::makeFonts()).glyphCount, 1);
}

TEST(CompileImage, PageNumbersBecomeIndices) {
    CHCData p;
    p.header.setStartPage(5);
    p.header.setDefaultPage(7);
    p.header.setScreenSaverPage(9);
    p.header.setAlarmPage(3);
    for (uint16_t n : {9, 2, 5})
        p.addPage(n, PlaceMode::Insert);
    p.pageByNumber(2)->head.setUpPage(9);
    p.pageByNumber(2)->head.setDownPage(5);

    MenuRecord jump = MenuRecord::makeDefault();
    jump.setEntry(0, ChoiceEntry{true, {}, 9});
    jump.setEntry(1, ChoiceEntry{true, {}, 4});
    jump.setCount(2);
    MenuRecord setting = jump;
    setting.setMode(MenuRecord::kModeRegisterSetting);
    PasswordRecord password;
    password.setSuccessPage(2);
    password.setFailurePage(77);
    KeyRecord toPage = KeyRecord::makeDefault();
    toPage.setActionByte(KeyRecord::ScreenJump);
    toPage.setValue(5);
    KeyRecord toAlarms = toPage, setRegister = toPage;
    toAlarms.setValue(KeyRecord::kJumpToAlarmList);
    setRegister.setActionByte(KeyRecord::SetRegister);
    auto& widgets = p.pageByNumber(9)->widgets;
    widgets = {WidgetNode::of(1, jump),     WidgetNode::of(2, setting),
               WidgetNode::of(3, password), WidgetNode::of(4, toPage),
               WidgetNode::of(5, toAlarms), WidgetNode::of(6, setRegister)};

    Image img = compiled(p);
    EXPECT_EQ(img.at(68, 8), (Bytes{1, 0, 0, 0, 2, 0, 0xFF, 0xFF}));
    EXPECT_EQ(img.at(132, 6), (Bytes{2, 0, 5, 0, 9, 0}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(img.u16(img.page(i)), i);
    EXPECT_EQ(img.at(img.page(0) + 8, 4), (Bytes{2, 0, 1, 0}));
    EXPECT_EQ(img.at(img.page(1) + 8, 4), (Bytes{1, 0, 1, 0})); // pages 4 and 6 do not exist
    // Page 9 in image order: the two menus, the password, the three keys.
    const auto values = [&](int w) {
        return img.at(img.page(2) + img.u16(img.widget(2, w) + 18), 4);
    };
    EXPECT_EQ(values(0), (Bytes{2, 0, 2, 0})); // page 4: the menu's own page
    EXPECT_EQ(values(1), (Bytes{9, 0, 4, 0}));
    EXPECT_EQ(img.at(img.widget(2, 2), 12),
              (Bytes{7, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0})); // 4 levels
    EXPECT_EQ(img.u16(img.widget(2, 3) + 14), 1);
    EXPECT_EQ(img.u16(img.widget(2, 4) + 14), 0xFFFF);
    EXPECT_EQ(img.u16(img.widget(2, 5) + 14), 5);

    p.header.setAlarmPage(9);
    EXPECT_EQ(compiled(p).u16(74), 2);
}

TEST(CompileImage, LeavesTheProjectAsItWas) {
    CHCData p;
    CPage* page = p.addPage(3, PlaceMode::Insert);
    page->widgets = {staticText({0xB0, 0xA1}), WidgetNode::of(2, RegisterRecord::makeDefault()),
                     WidgetNode::of(3, AlarmListRecord::makeDefault())};
    const auto header = p.header;
    const auto alarms = p.alarmList;
    const auto head = page->head;
    std::vector<Bytes> records;
    for (const auto& w : page->widgets)
        records.push_back(w.record);
    const Image first = compiled(p);
    EXPECT_EQ(p.header, header);
    EXPECT_EQ(p.alarmList, alarms);
    EXPECT_EQ(page->head, head);
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(page->widgets[i].record, records[i]) << i;
    EXPECT_EQ(compiled(p).b, first.b);
}

TEST(CompileImage, MissingFontFilesFailInTheirOrder) {
    CHCData p;
    p.addPage(1, PlaceMode::Insert);
    using F = FontFile;
    const std::pair<std::vector<F>, const char*> cases[] = {
        {{F::Syslib1, F::UserLib, F::Hzk14, F::Asc16}, "Failed to open the Asc16.dat!"},
        {{F::Syslib1, F::Hzk14}, "Failed to open the Hzk14.dat!"},
        {{F::Syslib1, F::UserLib}, "Failed to open the UserLib.dat!"},
        {{F::Syslib1}, "Failed to open the Syslib1.dat!"},
    };
    for (const auto& [missing, message] : cases) {
        GlyphSources fonts = test::makeFonts();
        for (F f : missing)
            fonts.file(f).reset();
        const CompileResult r = compileImage(p, fonts);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, message);
        EXPECT_TRUE(r.image.empty());
    }
}

TEST(CompileImage, MoreThan512GlyphsAreRefused) {
    CHCData p;
    CPage* page = p.addPage(1, PlaceMode::Insert);
    int code = 0;
    const auto twelve = [&] {
        Bytes t;
        for (int i = 0; i < 12; ++i, ++code)
            t.insert(t.end(), {uint8_t(0xB0 + code / 94), uint8_t(0xA1 + code % 94)});
        return t;
    };
    for (int w = 0; w < 21; ++w)
        page->widgets.push_back(staticText(twelve(), twelve()));
    EXPECT_TRUE(compileImage(p, test::makeFonts()).ok); // 504 glyphs
    page->widgets.push_back(staticText(twelve()));
    const CompileResult r = compileImage(p, test::makeFonts());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Too many different characters, the limit is 512! The limit is passed on "
                         "page 1 (StaticText at 0,0).");
    ASSERT_TRUE(r.refusedAt);
    EXPECT_EQ(r.refusedAt->pageNumber, 1);
}

TEST(CompileImage, CharactersOutsideTheFontsAreRefusedWithTheirPlace) {
    const std::pair<Bytes, const char*> cases[] = {
        {ascii("ab&C1"),
         "The character &C1 used on page 3 (StaticText at 10,16) is not in the UserLib.dat!"},
        {ascii("&21"),
         "The character &21 used on page 3 (StaticText at 10,16) is not in the Syslib1.dat!"},
        {{0x81, 0x40},
         "The character code 8140 used on page 3 (StaticText at 10,16) is not a GB2312 character!"},
    };
    for (const auto& [text, message] : cases) {
        CHCData p;
        p.addPage(3, PlaceMode::Insert)->widgets.push_back(staticText({}, text, 10, 16));
        EXPECT_EQ(compileImage(p, test::makeFonts(0x41, 0x20)).message, message);
    }
    CHCData p;
    KeyRecord key = KeyRecord::makeDefault();
    key.setKeyCode(10);
    key.setY(48);
    p.addPage(1, PlaceMode::Insert)->widgets.push_back(WidgetNode::of(1, key));
    EXPECT_EQ(compileImage(p, test::makeFonts(128, 0x16)).message,
              "The character &16 used on page 1 (Key at 0,48) is not in the Syslib1.dat!");
    EXPECT_TRUE(compileImage(p, test::makeFonts(128, 0x17)).ok);
    p.alarmList.setText(0, 1, TextSlot::fromBytes("&FF"));
    EXPECT_EQ(compileImage(p, test::makeFonts(0x7F, 128)).message,
              "The character &FF used on the system alarm list is not in the UserLib.dat!");
    GlyphSources shortFonts = test::makeFonts();
    shortFonts.file(FontFile::UserLib)->resize(66 + 84 * 0x7F + 31);
    EXPECT_EQ(compileImage(p, shortFonts).message, "Failed to read the UserLib.dat!");
}

} // namespace
