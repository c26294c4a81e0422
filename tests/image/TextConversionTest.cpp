// Guards the reduction of texts to ASCII bytes and glyph references: escapes folded or left
// alone wrongly, a fold that hides a new escape (the rescan), a trailing lead byte taken with
// the byte after the text, glyph numbers above 255 with the wrong high byte, and the list
// running past 512 codes. Glyph sharing and symbols: CompileImageTest.
#include <gtest/gtest.h>

#include "image/TextConversion.h"

using namespace zorv;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const TextSlot& t) {
    return {t.data.begin(), t.data.begin() + t.length};
}
TextSlot slot(Bytes b) {
    return TextSlot::fromBytes(std::span<const uint8_t>(b));
}

class EscapeFolding : public testing::TestWithParam<std::pair<const char*, Bytes>> {};

TEST_P(EscapeFolding, FoldsOnlyTwoDigitEscapes) {
    TextSlot t = TextSlot::fromBytes(GetParam().first);
    foldEscapes(t);
    EXPECT_EQ(bytesOf(t), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EscapeFolding,
    testing::Values(std::pair{"&41", Bytes{0xFF, 0x41}}, std::pair{"&c1", Bytes{0xFF, 0xC1}},
                    std::pair{"a&1Bz", Bytes{'a', 0xFF, 0x1B, 'z'}},
                    std::pair{"x&4", Bytes{'x', '&', '4'}}, std::pair{"&1G", Bytes{'&', '1', 'G'}},
                    std::pair{"&GZ", Bytes{'&', 'G', 'Z'}},
                    std::pair{"&&41&42", Bytes{'&', 0xFF, 0x41, 0xFF, 0x42}},
                    // The folded 0x26 is an ampersand that starts a new escape.
                    std::pair{"&2641", Bytes{0xFF, 0xFF, 0x41}}));

TEST(TextConversion, TheListHoldsAtMost512Codes) {
    GlyphCodeList glyphs;
    for (int k = 0; k < GlyphCodeList::kCapacity; ++k)
        ASSERT_TRUE(glyphs.place(uint16_t(0xA000 + k)));
    TextSlot known = slot({0xA1, 0x2C, 0xA0}); // entry 300, then a lead byte at the end
    EXPECT_TRUE(convertText(known, glyphs));
    EXPECT_EQ(bytesOf(known), (Bytes{0xC1, 0x2C, 0xA0}));
    TextSlot fresh = slot({0xB0, 0xA1});
    EXPECT_FALSE(convertText(fresh, glyphs));
    EXPECT_EQ(glyphs.size(), 512);
}

} // namespace
