// Guards against: BMP pixels read upside down, across the row padding or from the wrong palette
// entry, and damaged headers (signature, planes, depth, compression, sizes, offsets past the
// end, palettes too small) read past the bytes instead of being refused.
#include "oonedraw/GBitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace oonedraw;

namespace {

// A BMP file as the tests want it: pixels top row first, palette indices for 1, 4 and 8 bits,
// 0xRRGGBB for 24 bits. A negative height stores the rows top-down.
struct BmpSpec {
    int32_t height = 0;
    uint16_t bpp = 0;
    std::vector<uint32_t> palette;
    std::vector<std::vector<uint32_t>> rows;
    uint32_t headerSize = 40;
};

void put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}
void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    put16(b, at, v);
    put16(b, at + 2, v >> 16);
}

std::vector<uint8_t> WriteBmp(const BmpSpec& spec) {
    const int32_t width = int32_t(spec.rows.at(0).size());
    const size_t rowCount = spec.rows.size();
    const size_t stride = (size_t(width) * spec.bpp + 31) / 32 * 4;
    const size_t dataOffset = 14 + spec.headerSize + 4 * spec.palette.size();
    std::vector<uint8_t> b(dataOffset + stride * rowCount);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, uint32_t(b.size()));
    put32(b, 10, uint32_t(dataOffset));
    put32(b, 14, spec.headerSize);
    put32(b, 18, uint32_t(width));
    put32(b, 22, uint32_t(spec.height));
    put16(b, 26, 1);
    put16(b, 28, spec.bpp);
    put32(b, 46, uint32_t(spec.palette.size()));
    for (size_t i = 0; i < spec.palette.size(); ++i) {
        const uint32_t c = spec.palette[i];
        b[14 + spec.headerSize + 4 * i] = uint8_t(c);
        b[15 + spec.headerSize + 4 * i] = uint8_t(c >> 8);
        b[16 + spec.headerSize + 4 * i] = uint8_t(c >> 16);
    }
    for (size_t r = 0; r < rowCount; ++r) {
        const auto& pixels = spec.rows[spec.height > 0 ? rowCount - 1 - r : r];
        uint8_t* row = &b[dataOffset + r * stride];
        // Padding bits set, so that a reader taking them for pixels sees indices off the palette.
        std::fill(row, row + stride, 0xFF);
        for (int32_t x = 0; x < width; ++x) {
            if (spec.bpp == 24) {
                row[3 * x] = uint8_t(pixels[x]);
                row[3 * x + 1] = uint8_t(pixels[x] >> 8);
                row[3 * x + 2] = uint8_t(pixels[x] >> 16);
                continue;
            }
            const size_t bit = size_t(x) * spec.bpp;
            const int shift = 8 - spec.bpp - int(bit % 8);
            const uint8_t mask = uint8_t(((1u << spec.bpp) - 1) << shift);
            row[bit / 8] = uint8_t((row[bit / 8] & ~mask) | (pixels[x] << shift));
        }
    }
    return b;
}

// width x |height| pixels of a pattern that differs in every row and column.
BmpSpec Pattern(uint16_t bpp, int32_t width, int32_t height, uint32_t paletteCount) {
    BmpSpec spec;
    spec.height = height;
    spec.bpp = bpp;
    for (uint32_t i = 0; i < paletteCount; ++i)
        spec.palette.push_back(i << 16 | (255 - i) << 8 | (7 * i & 0xFF)); // R, G, B all differ
    for (int32_t y = 0; y < std::abs(height); ++y) {
        std::vector<uint32_t> row;
        for (int32_t x = 0; x < width; ++x)
            row.push_back(bpp == 24 ? uint32_t(x * 0x030201 + y * 0x10) & 0xFFFFFF
                                    : uint32_t(3 * x + 5 * y + x * y) % paletteCount);
        spec.rows.push_back(row);
    }
    return spec;
}

void ExpectPixels(const GBitmap& bitmap, const BmpSpec& spec) {
    ASSERT_EQ(bitmap.width(), int32_t(spec.rows[0].size()));
    ASSERT_EQ(bitmap.height(), int32_t(spec.rows.size()));
    for (int32_t y = 0; y < bitmap.height(); ++y)
        for (int32_t x = 0; x < bitmap.width(); ++x) {
            const uint32_t v = spec.rows[y][x];
            ASSERT_EQ(bitmap.pixel(x, y), spec.bpp == 24 ? v : spec.palette[v])
                << "pixel " << x << "," << y;
        }
}

struct DepthCase {
    uint16_t bpp;
    int32_t width;
    uint32_t paletteCount;
};

class BmpDepth : public testing::TestWithParam<DepthCase> {};

TEST_P(BmpDepth, DecodesBottomUpAndTopDownRows) {
    const auto [bpp, width, paletteCount] = GetParam();
    for (int32_t height : {7, -7}) {
        const BmpSpec spec = Pattern(bpp, width, height, paletteCount);
        const auto bitmap = GBitmap::FromBmp(WriteBmp(spec));
        ASSERT_TRUE(bitmap) << "height " << height;
        ExpectPixels(*bitmap, spec);
    }
}

// Odd widths put padding inside the last byte and after it; 33 one-bit pixels need two words.
INSTANTIATE_TEST_SUITE_P(Depths, BmpDepth,
                         testing::Values(DepthCase{1, 1, 2}, DepthCase{1, 33, 2},
                                         DepthCase{4, 5, 16}, DepthCase{4, 9, 11},
                                         DepthCase{8, 3, 256}, DepthCase{8, 6, 40},
                                         DepthCase{24, 1, 0}, DepthCase{24, 5, 0}));

TEST(Bmp, ReadsLargerInformationHeaders) {
    for (uint32_t headerSize : {108u, 124u}) {
        BmpSpec spec = Pattern(4, 5, 3, 16);
        spec.headerSize = headerSize;
        const auto bitmap = GBitmap::FromBmp(WriteBmp(spec));
        ASSERT_TRUE(bitmap) << headerSize;
        ExpectPixels(*bitmap, spec);
    }
}

TEST(Bmp, FullPaletteWhenNoCountIsGiven) {
    BmpSpec spec = Pattern(1, 4, 2, 2);
    spec.palette = {0x000000, 0xFFFFFF};
    auto bytes = WriteBmp(spec);
    put32(bytes, 46, 0);
    const auto bitmap = GBitmap::FromBmp(bytes);
    ASSERT_TRUE(bitmap);
    ExpectPixels(*bitmap, spec);
}

// The library-character file written by text objects: size field 65535, rows padded to 4 bytes.
TEST(Bmp, IgnoresTheDeclaredFileSize) {
    BmpSpec spec = Pattern(1, 16, 16, 2);
    auto bytes = WriteBmp(spec);
    put32(bytes, 2, 65535);
    put32(bytes, 34, 64);
    ASSERT_EQ(bytes.size(), 62u + 64u);
    const auto bitmap = GBitmap::FromBmp(bytes);
    ASSERT_TRUE(bitmap);
    ExpectPixels(*bitmap, spec);
}

TEST(Bmp, RefusesMoreSidePixelsThanTheLimit) {
    EXPECT_TRUE(GBitmap::FromBmp(WriteBmp(Pattern(24, 4096, 1, 0))));
    EXPECT_FALSE(GBitmap::FromBmp(WriteBmp(Pattern(24, 4097, 1, 0))));
    EXPECT_FALSE(GBitmap::FromBmp(WriteBmp(Pattern(24, 1, -4097, 0))));
}

TEST(Bmp, RefusesMorePaletteEntriesThanTheDepthHolds) {
    BmpSpec spec = Pattern(1, 4, 2, 2);
    spec.palette.push_back(0x123456);
    EXPECT_FALSE(GBitmap::FromBmp(WriteBmp(spec)));
}

TEST(Bmp, RefusesIndicesBeyondThePalette) {
    BmpSpec spec = Pattern(8, 4, 2, 3);
    spec.rows[1][2] = 3;
    EXPECT_FALSE(GBitmap::FromBmp(WriteBmp(spec)));
}

struct Damage {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> apply;
};

class BmpRefusal : public testing::TestWithParam<Damage> {};

TEST_P(BmpRefusal, ReadsNothing) {
    auto bytes = WriteBmp(Pattern(8, 5, 3, 4)); // palette at 54, rows of 8 bytes at 70
    ASSERT_TRUE(GBitmap::FromBmp(bytes));
    GetParam().apply(bytes);
    EXPECT_FALSE(GBitmap::FromBmp(bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, BmpRefusal,
    testing::Values(
        Damage{"empty", [](auto& b) { b.clear(); }},
        Damage{"file header only", [](auto& b) { b.resize(14); }},
        Damage{"cut information header", [](auto& b) { b.resize(40); }},
        Damage{"signature", [](auto& b) { b[1] = 'A'; }},
        Damage{"core header", [](auto& b) { put32(b, 14, 12); }},
        Damage{"header past the end", [](auto& b) { put32(b, 14, 124); }},
        Damage{"zero planes", [](auto& b) { put16(b, 26, 0); }},
        Damage{"16 bits", [](auto& b) { put16(b, 28, 16); }},
        Damage{"run-length compression", [](auto& b) { put32(b, 30, 1); }},
        Damage{"zero width", [](auto& b) { put32(b, 18, 0); }},
        Damage{"negative width", [](auto& b) { put32(b, 18, uint32_t(-5)); }},
        Damage{"zero height", [](auto& b) { put32(b, 22, 0); }},
        Damage{"most negative height", [](auto& b) { put32(b, 22, uint32_t(INT32_MIN)); }},
        Damage{"huge width", [](auto& b) { put32(b, 18, 100000); }},
        Damage{"huge top-down height", [](auto& b) { put32(b, 22, uint32_t(-100000)); }},
        Damage{"palette above 2^bpp", [](auto& b) { put32(b, 46, 257); }},
        Damage{"palette into the pixels", [](auto& b) { put32(b, 46, 5); }},
        Damage{"data offset inside the palette", [](auto& b) { put32(b, 10, 60); }},
        Damage{"data offset past the end", [](auto& b) { put32(b, 10, 71); }},
        Damage{"data offset wrapping 32 bits", [](auto& b) { put32(b, 10, 0xFFFFFFF0); }},
        Damage{"truncated pixels", [](auto& b) { b.pop_back(); }},
        Damage{"more rows than data", [](auto& b) { put32(b, 22, 4); }},
        Damage{"wider than the data", [](auto& b) { put32(b, 18, 9); }}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

TEST(Bmp, LoadsFilesAndRefusesWhatIsNoBitmap) {
    const auto folder = std::filesystem::temp_directory_path() / "zorv-bmp-test";
    std::filesystem::create_directories(folder);
    const BmpSpec spec = Pattern(4, 5, -3, 16);
    const auto bytes = WriteBmp(spec);
    {
        std::ofstream out(folder / "ok.bmp", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        std::ofstream empty(folder / "empty.bmp", std::ios::binary | std::ios::trunc);
    }
    const auto loaded = GBitmap::LoadFile(folder / "ok.bmp");
    ASSERT_TRUE(loaded);
    ExpectPixels(*loaded, spec);
    EXPECT_FALSE(GBitmap::LoadFile(folder / "empty.bmp"));
    EXPECT_FALSE(GBitmap::LoadFile(folder / "missing.bmp"));
    EXPECT_FALSE(GBitmap::LoadFile(folder));
    std::filesystem::remove_all(folder);
}

} // namespace
