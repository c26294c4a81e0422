// Guards the font files: glyphs read from the wrong offset, pixels of the 14x14 font not centred
// in the 16x16 cell, the ASCII and full glyph bit layout, codes outside the GB2312 grid or
// characters beyond a short file read past its end, and the files read from the wrong names.
#include <gtest/gtest.h>

#include <fstream>

#include "CompileTestFonts.h"
#include "image/GlyphFiles.h"

using namespace zorv;

namespace {

TEST(GlyphFiles, Hzk14OffsetsInTheGrid) {
    EXPECT_EQ(hzk14Offset(0xA1A1), 0u);
    EXPECT_EQ(hzk14Offset(0xB0A1), 39480u);
    EXPECT_EQ(hzk14Offset(0xFEFE), std::size_t(94 * 94 - 1) * 28);
    for (uint16_t code : {0xA0A1, 0xA1A0, 0xFFA1, 0xA1FF, 0x8140, 0xB041})
        EXPECT_FALSE(hzk14Offset(code)) << std::hex << code;
}

TEST(GlyphFiles, Hzk14GlyphIsCentredInTheCell) {
    std::vector<uint8_t> file(28, 0);
    file[0] = 0x80;  // top-left pixel
    file[27] = 0x04; // bottom row, rightmost used pixel (column 13)
    const auto glyph = readHzk14Glyph(file, 0);
    ASSERT_TRUE(glyph);
    FullGlyph expected{};
    expected[2] = 0x02;          // column 1, cell row 1
    expected[2 * 14 + 1] = 0x40; // column 14, cell row 14
    EXPECT_EQ(*glyph, expected);
    EXPECT_FALSE(readHzk14Glyph(file, 1));
}

TEST(GlyphFiles, Hzk14GlyphOfTheGridIndex) {
    const auto hzk = test::makeHzk14();
    const auto glyph = readHzk14Glyph(hzk, *hzk14Offset(0xB0A1));
    ASSERT_TRUE(glyph);
    EXPECT_EQ(test::hzk14IndexOf(*glyph), 15 * 94);
}

TEST(GlyphFiles, AsciiGlyphs) {
    const auto asc = test::makeAsc16();
    const auto space = readAsciiGlyph(asc, 0x20); // from offset 512: top row 0x20
    ASSERT_TRUE(space);
    AsciiGlyph expected{};
    expected[2 * 2] = 0x01;     // column 2, top row
    for (int x = 0; x < 8; ++x) // bottom row 0x01: column 7
        expected[2 * x + 1] = x == 7 ? 0x80 : 0x00;
    EXPECT_EQ(*space, expected);
    EXPECT_FALSE(readAsciiGlyph(std::span(asc).first(16 * 0x7E + 15), 0x7E));
    EXPECT_TRUE(readAsciiGlyph(std::span(asc).first(16 * 0x7F), 0x7E));
}

TEST(GlyphFiles, LibraryGlyphsAreCopiedFromTheirRecords) {
    EXPECT_EQ(libraryGlyphOffset(0), 66u);
    EXPECT_EQ(libraryGlyphOffset(0x7F), 10734u);
    const auto lib = test::makeLibrary(128, 0x55);
    EXPECT_EQ(libraryCharacterCount(lib), 128u);
    const auto last = readLibraryGlyph(lib, 0x7F);
    ASSERT_TRUE(last);
    EXPECT_EQ((*last)[0], 0x55);
    EXPECT_EQ((*last)[1], 0x7F);
    EXPECT_FALSE(readLibraryGlyph(std::span(lib).first(10734 + 31), 0x7F));
    EXPECT_FALSE(libraryCharacterCount(std::span(lib).first(13)));
}

TEST(GlyphFiles, ReadsTheFourFilesOfAFolder) {
    const auto folder = std::filesystem::temp_directory_path() / "zorv-glyph-files-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Asc16.dat", std::ios::binary) << "abc";
    std::ofstream(folder / "UserLib.dat", std::ios::binary);
    const GlyphSources fonts = readGlyphSources(folder);
    ASSERT_TRUE(fonts.file(FontFile::Asc16));
    EXPECT_EQ(fonts.file(FontFile::Asc16)->size(), 3u);
    EXPECT_FALSE(fonts.file(FontFile::Hzk14));
    ASSERT_TRUE(fonts.file(FontFile::UserLib));
    EXPECT_TRUE(fonts.file(FontFile::UserLib)->empty());
    EXPECT_FALSE(fonts.file(FontFile::Syslib1));
    std::filesystem::remove_all(folder);
    EXPECT_EQ(fontOpenFailure(FontFile::Syslib1), "Failed to open the Syslib1.dat!");
}

} // namespace
