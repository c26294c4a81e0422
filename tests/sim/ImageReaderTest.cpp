// Guards the download-image reader against accepting inconsistent images (offsets past the end,
// a glyph table that does not match fields 84/92, glyph references beyond the table, a bad
// trailer, truncation) and against decoding a sound image wrongly.
#include <gtest/gtest.h>

#include "model/Bytes.h"
#include "sim/ImageReader.h"

using namespace zorv;
using namespace zorv::sim;

namespace {

void put16(std::vector<uint8_t>& b, std::size_t off, uint16_t v) {
    le::putU16(&b[off], v);
}
void put32(std::vector<uint8_t>& b, std::size_t off, uint32_t v) {
    le::putU32(&b[off], v);
}

// One page (number 7) holding a static text "A" / "BC" when `withText`, no glyphs, the
// no-alarm text "No Alarm" in both languages.
std::vector<uint8_t> onePageImage(bool withText) {
    const uint32_t pageSize = withText ? 20 + 2 + 21 : 20;
    const uint32_t ascii = 126 + pageSize, glyphs = ascii + 1520;
    std::vector<uint8_t> b(glyphs);
    put16(b, 76, 1);
    put16(b, 78, 0xC000);
    put32(b, 80, ascii);
    put32(b, 84, glyphs);
    put32(b, 88, 120);
    put32(b, 92, glyphs);
    put32(b, 96, 124);
    b[117] = 2;
    put32(b, 120, 126);
    put16(b, 124, 7);
    put16(b, 126 + 12, 20);
    if (withText) {
        b[126 + 14] = 1;
        put16(b, 126 + 20, 22);
        const uint32_t w = 126 + 22;
        b[w] = 9;
        put16(b, w + 6, 34);
        put16(b, w + 12, 38);
        put16(b, w + 14, 40);
        const uint8_t texts[] = {1, 'A', 2, 'B', 'C'};
        std::copy(std::begin(texts), std::end(texts), b.begin() + w + 16);
    }
    std::vector<uint8_t> alarm(20);
    alarm[0] = 11;
    alarm[13] = 4;
    alarm[14] = 20;
    alarm.insert(alarm.end(), {24, 0, 33, 0});
    for (int lang = 0; lang < 2; ++lang) {
        alarm.push_back(8);
        for (char c : std::string("No Alarm"))
            alarm.push_back(uint8_t(c));
    }
    b.insert(b.end(), alarm.begin(), alarm.end());
    b.insert(b.end(), {0xA5, 0x5A, 0xEF, 0xFE});
    return b;
}

} // namespace

TEST(ImageReader, ReadsTheOnePageImage) {
    const auto b = onePageImage(false);
    EXPECT_EQ(b.size(), 120u + 6 + 20 + 1520 + 20 + 4 + 2 * 9 + 4);
    ImageDescription d;
    std::string error;
    ASSERT_TRUE(readImage(b, d, error)) << error;
    ASSERT_EQ(d.pages.size(), 1u);
    EXPECT_EQ(d.pages[0].number, 7);
    EXPECT_TRUE(d.pages[0].widgets.empty());
    ASSERT_EQ(d.alarms.entries[1].size(), 1u);
    EXPECT_EQ(d.alarms.entries[1][0].offset, 33u);
    EXPECT_EQ(d.asciiGlyphs.size(), 95u);
}

TEST(ImageReader, DecodesAStaticText) {
    ImageDescription d;
    std::string error;
    ASSERT_TRUE(readImage(onePageImage(true), d, error)) << error;
    const auto& w = d.pages.at(0).widgets.at(0);
    EXPECT_EQ(w.kind, WidgetKind::StaticText);
    EXPECT_EQ(w.size, 21u);
    EXPECT_EQ(w.text[0].bytes, std::vector<uint8_t>({'A'}));
    EXPECT_EQ(w.text[1].bytes, std::vector<uint8_t>({'B', 'C'}));
    EXPECT_EQ(w.text[1].offset, 40u);
}

struct Fault {
    const char* name;
    void (*patch)(std::vector<uint8_t>&);
    const char* message; // a part of the expected message
};

class ImageReaderFault : public testing::TestWithParam<Fault> {};

TEST_P(ImageReaderFault, IsRejectedWithItsPlace) {
    auto b = onePageImage(true);
    GetParam().patch(b);
    ImageDescription d;
    std::string error;
    EXPECT_FALSE(readImage(b, d, error));
    EXPECT_NE(error.find(GetParam().message), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ImageReaderFault,
    testing::Values(
        Fault{"BadTrailer", [](auto& b) { b.back() = 0; }, "trailer A5 5A EF 00"},
        Fault{"Truncated", [](auto& b) { b.resize(b.size() - 30); }, "alarm section"},
        Fault{"TooShort", [](auto& b) { b.resize(100); }, "shorter than its header"},
        Fault{"GlyphTableNotAfterFont", [](auto& b) { put32(b, 84, le::u32(&b[84]) + 1); },
              "field 84"},
        Fault{"AlarmSectionNotWholeGlyphs", [](auto& b) { put32(b, 92, le::u32(&b[92]) + 5); },
              "field 92"},
        Fault{"TextPastThePage", [](auto& b) { put16(b, 126 + 22 + 14, 90); }, "text 2 offset"},
        Fault{"GlyphBeyondTable",
              [](auto& b) {
                  b[126 + 22 + 19] = 0xC0; // "BC" becomes a glyph reference C0 43
              },
              "glyph reference C0 43 beyond the glyph table of 0 glyphs"},
        Fault{"PageOffset", [](auto& b) { put32(b, 120, 127); }, "page 0 offset 127"},
        Fault{"StartPageIndex", [](auto& b) { put16(b, 68, 3); }, "start page"},
        Fault{"WidgetKind", [](auto& b) { b[126 + 22] = 12; }, "page 0 (number 7): widget 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImageReader, RefusesImagesAboveTheLimit) {
    auto b = onePageImage(false);
    // Grow the no-alarm section with glyphs until the image passes 56K.
    const uint32_t extra = 32 * 1800;
    b.insert(b.begin() + le::u32(&b[84]), extra, 0);
    put32(b, 92, le::u32(&b[92]) + extra);
    ImageDescription d;
    std::string error;
    EXPECT_FALSE(readImage(b, d, error));
}
