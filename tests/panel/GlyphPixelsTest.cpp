// Guards the renderer's text pixels against the image's own glyphs: the test finds a static
// text's converted bytes, the ASCII font and the glyph table through the header and page
// offsets itself, and builds the expected pixels column by column from the glyph bits. A glyph
// drawn from the wrong entry, shifted, mirrored or with rows swapped fails.

#include <gtest/gtest.h>

#include "PanelTestImage.h"
#include "model/Bytes.h"
#include "panel/PanelRenderer.h"

namespace zorv::panel {

namespace {

constexpr int kX = 8, kY = 24;

// "A" + two GB2312 characters + "z!" at (kX, kY), the language-2 text plain ASCII.
const char* kProject = R"({"pages": [{"number": 1, "widgets": [
  {"kind": "StaticText", "x": 8, "y": 24, "text1": "A搅拌z!", "text2": "B"}]}]})";

struct Expected {
    bool ink[kHeight][kWidth] = {};
    void column(int x, uint16_t bits) {
        for (int r = 0; r < 16; ++r)
            if (x < kWidth && (bits >> r) & 1)
                ink[kY + r][x] = true;
    }
};

} // namespace

TEST(PanelGlyphPixels, AsciiAndGb2312TextMatchTheGlyphBitsOfTheImage) {
    const std::vector<uint8_t> bytes = test::compiledJson(kProject);
    const uint8_t* b = bytes.data();
    const uint32_t page = le::u32(b + 120);
    const uint32_t widget = page + le::u16(b + page + 20);
    const uint32_t text = page + le::u16(b + widget + 12);
    const uint32_t asciiFont = le::u32(b + 80), glyphTable = le::u32(b + 84);
    const uint8_t length = b[text];
    ASSERT_EQ(length, 1 + 4 + 2); // A, two glyph references, z and !

    Expected expected;
    int x = kX, glyphs = 0;
    for (uint32_t i = text + 1; i < text + 1 + length;) {
        if (b[i] < 0x80) {
            const uint8_t* g = b + asciiFont + 16 * (b[i] - 0x20);
            for (int c = 0; c < 8; ++c)
                expected.column(x + c, uint16_t(g[2 * c] | g[2 * c + 1] << 8));
            x += 8;
            i += 1;
        } else {
            const int k = ((b[i] - 0xC0) << 8) | b[i + 1];
            const uint8_t* g = b + glyphTable + 32 * k;
            for (int c = 0; c < 16; ++c)
                expected.column(x + c, uint16_t(g[2 * c] | g[2 * c + 1] << 8));
            x += 16;
            i += 2;
            ++glyphs;
        }
    }
    ASSERT_EQ(glyphs, 2);

    PanelImage image;
    std::string error;
    ASSERT_TRUE(image.load(bytes, error)) << error;
    const PanelPicture picture = renderPage(image, 0, 0, PanelRegisters());
    int inked = 0;
    for (int yy = 0; yy < kHeight; ++yy)
        for (int xx = 0; xx < kWidth; ++xx) {
            EXPECT_EQ(picture.pixel(xx, yy), expected.ink[yy][xx]) << "at " << xx << "," << yy;
            inked += expected.ink[yy][xx];
        }
    EXPECT_GT(inked, 50); // the fonts really drew something
}

} // namespace zorv::panel
