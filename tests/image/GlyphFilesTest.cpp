// Guards the glyphs taken from Asc16.dat and Hzk14.dat: wrong offsets, the 14x14 glyph not
// centred in its cell, the bit layout of ASCII and full glyphs, and codes outside the GB2312
// grid or glyphs beyond the end of a short file read past the data. Library glyphs:
// CompileImageTest.
#include <gtest/gtest.h>

#include "CompileTestFonts.h"

using namespace zorv;

namespace {

TEST(GlyphFiles, Hzk14OffsetsInTheGrid) {
    EXPECT_EQ(hzk14Offset(0xA1A1), 0u);
    EXPECT_EQ(hzk14Offset(0xB0A1), 39480u);
    EXPECT_EQ(hzk14Offset(0xFEFE), std::size_t(94 * 94 - 1) * 28);
    for (uint16_t code : {0xA0A1, 0xA1A0, 0xFFA1, 0xA1FF, 0x8140, 0xB041})
        EXPECT_FALSE(hzk14Offset(code)) << std::hex << code;
    const auto fonts = test::makeFonts();
    EXPECT_EQ(test::hzk14IndexOf(*readHzk14Glyph(*fonts.file(FontFile::Hzk14), 39480)), 15 * 94);
}

TEST(GlyphFiles, Hzk14GlyphIsCentredInTheCell) {
    std::vector<uint8_t> file(28, 0);
    file[0] = 0x80;  // top-left pixel
    file[27] = 0x04; // bottom row, column 13
    FullGlyph expected{};
    expected[2] = 0x02;          // cell column 1, row 1
    expected[2 * 14 + 1] = 0x40; // cell column 14, row 14
    EXPECT_EQ(readHzk14Glyph(file, 0), expected);
    EXPECT_FALSE(readHzk14Glyph(file, 1));
}

TEST(GlyphFiles, AsciiGlyphs) {
    std::vector<uint8_t> asc(16 * 0x7F, 0);
    asc[512] = 0x20;      // the space: top row, column 2
    asc[512 + 15] = 0x01; // bottom row, column 7
    AsciiGlyph expected{};
    expected[4] = 0x01;
    expected[15] = 0x80;
    EXPECT_EQ(readAsciiGlyph(asc, 0x20), expected);
    EXPECT_TRUE(readAsciiGlyph(asc, 0x7E));
    EXPECT_FALSE(readAsciiGlyph(asc, 0x7F));
}

} // namespace
