// Guards the reduction of texts to ASCII bytes and glyph references: escapes folded or left
// alone wrongly, the length not following a fold, the rescans after a fold missing escapes,
// a shared character getting two glyphs, a trailing lead byte read past the text, glyph numbers
// above 255 referenced with the wrong high byte, the glyph list running past 512 codes, and
// symbols found among the text glyphs.
#include <gtest/gtest.h>

#include "image/TextConversion.h"

using namespace zorv;

namespace {

std::vector<uint8_t> bytesOf(const TextSlot& t) {
    return {t.data.begin(), t.data.begin() + t.length};
}

TextSlot slot(std::vector<uint8_t> bytes) {
    return TextSlot::fromBytes(std::span<const uint8_t>(bytes));
}

struct EscapeCase {
    const char* text;
    std::vector<uint8_t> folded;
};

class EscapeFolding : public testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeFolding, FoldsOnlyTwoDigitEscapes) {
    TextSlot t = TextSlot::fromBytes(GetParam().text);
    foldEscapes(t);
    EXPECT_EQ(bytesOf(t), GetParam().folded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EscapeFolding,
    testing::Values(EscapeCase{"&41", {0xFF, 0x41}}, EscapeCase{"&c1", {0xFF, 0xC1}},
                    EscapeCase{"a&1Bz", {'a', 0xFF, 0x1B, 'z'}}, EscapeCase{"&4", {'&', '4'}},
                    EscapeCase{"x&4", {'x', '&', '4'}}, EscapeCase{"&GZ1", {'&', 'G', 'Z', '1'}},
                    EscapeCase{"&1G", {'&', '1', 'G'}}, EscapeCase{"&&41", {'&', 0xFF, 0x41}},
                    EscapeCase{"&41&42", {0xFF, 0x41, 0xFF, 0x42}},
                    // The folded value 0x26 is an ampersand that makes a new escape.
                    EscapeCase{"&2641", {0xFF, 0xFF, 0x41}}));

TEST(TextConversion, FoldShortensTheTextAndClearsTheFreedByte) {
    TextSlot t = TextSlot::fromBytes("&41B");
    foldEscapes(t);
    EXPECT_EQ(t.length, 3);
    EXPECT_EQ(t.data[3], 0);
}

TEST(TextConversion, SharedCharacterKeepsOneGlyph) {
    GlyphCodeList glyphs;
    TextSlot a = slot({'A', 0xB0, 0xA1, 0xB0, 0xA2});
    TextSlot b = slot({0xB0, 0xA2, '&', 'C', '1', 0xB0, 0xA1});
    ASSERT_TRUE(convertText(a, glyphs));
    ASSERT_TRUE(convertText(b, glyphs));
    EXPECT_EQ(bytesOf(a), (std::vector<uint8_t>{'A', 0xC0, 0x00, 0xC0, 0x01}));
    EXPECT_EQ(bytesOf(b), (std::vector<uint8_t>{0xC0, 0x01, 0xC0, 0x02, 0xC0, 0x00}));
    EXPECT_EQ(glyphs.codes(), (std::vector<uint16_t>{0xB0A1, 0xB0A2, 0xFFC1}));
}

TEST(TextConversion, LeadByteInTheLastPositionStays) {
    GlyphCodeList glyphs;
    TextSlot t = slot({'A', 0xB0});
    ASSERT_TRUE(convertText(t, glyphs));
    EXPECT_EQ(bytesOf(t), (std::vector<uint8_t>{'A', 0xB0}));
    EXPECT_EQ(glyphs.size(), 0);
}

TEST(TextConversion, GlyphNumbersAbove255UseTheSecondReferenceByte) {
    GlyphCodeList glyphs;
    for (int k = 0; k < 300; ++k)
        glyphs.place(uint16_t(0xA000 + k));
    TextSlot t = slot({0xA1, 0x2C}); // code 0xA12C is entry 300
    ASSERT_TRUE(convertText(t, glyphs));
    EXPECT_EQ(bytesOf(t), (std::vector<uint8_t>{0xC1, 0x2C}));
}

TEST(TextConversion, TheListHoldsAtMost512Codes) {
    GlyphCodeList glyphs;
    for (int k = 0; k < GlyphCodeList::kCapacity; ++k)
        ASSERT_TRUE(glyphs.place(uint16_t(0xA000 + k)));
    TextSlot known = slot({0xA0, 0x05});
    EXPECT_TRUE(convertText(known, glyphs));
    TextSlot fresh = slot({0xB0, 0xA1});
    EXPECT_FALSE(convertText(fresh, glyphs));
    EXPECT_EQ(glyphs.size(), 512);
}

TEST(TextConversion, SymbolsAreLookedUpOnlyAmongSymbolGlyphs) {
    GlyphCodeList glyphs;
    TextSlot text = TextSlot::fromBytes("&1A");
    ASSERT_TRUE(convertText(text, glyphs));
    glyphs.markTextGlyphs();
    std::vector<uint8_t> key{0xFF, 0x1A, 0xFF, 0x16};
    std::vector<uint8_t> light{0xFF, 0x16};
    ASSERT_TRUE(convertSymbolString(key, glyphs));
    ASSERT_TRUE(convertSymbolString(light, glyphs));
    // The hand has a text glyph (0) and a symbol glyph (1); the light shares the key's glyph 2.
    EXPECT_EQ(key, (std::vector<uint8_t>{0xC0, 0x01, 0xC0, 0x02}));
    EXPECT_EQ(light, (std::vector<uint8_t>{0xC0, 0x02}));
    EXPECT_EQ(glyphs.codes(), (std::vector<uint16_t>{0xFF1A, 0xFF1A, 0xFF16}));
    EXPECT_EQ(glyphs.textGlyphCount(), 1);
}

} // namespace
