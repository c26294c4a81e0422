// Guards the font files of the program folder against wrong sizes, GB2312 characters without a
// glyph, library records whose screen copy and image copy disagree, and missing or duplicate
// key symbols.
#include <gtest/gtest.h>
#include <iconv.h>

#include <fstream>
#include <iterator>
#include <set>
#include <vector>

namespace {

std::vector<uint8_t> load(const char* name) {
    std::ifstream in(std::string(ZORV_SOURCE_DIR) + "/data/program/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool gb2312Defines(iconv_t cd, uint8_t q, uint8_t w) {
    char in[2] = {char(q), char(w)}, out[8];
    char *ip = in, *op = out;
    std::size_t il = 2, ol = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return iconv(cd, &ip, &il, &op, &ol) != std::size_t(-1) && il == 0;
}

// Pixel (x, y) of library record n from its screen copy and from its image copy.
bool screenInk(const std::vector<uint8_t>& lib, int n, int x, int y) {
    const uint8_t* row = &lib[34 + 84 * n + 2 * (15 - y)];
    const int word = (row[0] << 8) | row[1];
    return !(word & (0x8000 >> x));
}
bool glyphInk(const std::vector<uint8_t>& lib, int n, int x, int y) {
    return lib[34 + 84 * n + 32 + 2 * x + y / 8] & (1 << (y % 8));
}

} // namespace

TEST(FontFiles, SizesAreExact) {
    EXPECT_EQ(load("Asc16.dat").size(), 4096u);
    EXPECT_EQ(load("Hzk14.dat").size(), 94u * 94 * 28);
    EXPECT_EQ(load("Syslib1.dat").size(), 34u + 84 * 128);
    const auto user = load("UserLib.dat");
    ASSERT_GE(user.size(), 34u);
    EXPECT_EQ(user.size(), 34u + 84 * user[10]);
}

TEST(FontFiles, EveryGb2312CharacterHasAGlyph) {
    const auto hzk = load("Hzk14.dat");
    ASSERT_EQ(hzk.size(), 94u * 94 * 28);
    iconv_t cd = iconv_open("UTF-32LE", "GB2312");
    ASSERT_NE(cd, iconv_t(-1));
    int defined = 0;
    for (int q = 0xA1; q <= 0xFE; ++q)
        for (int w = 0xA1; w <= 0xFE; ++w) {
            if (!gb2312Defines(cd, uint8_t(q), uint8_t(w)) || (q == 0xA1 && w == 0xA1))
                continue; // A1A1 is the ideographic space
            ++defined;
            const auto at = hzk.begin() + ((q - 0xA1) * 94 + (w - 0xA1)) * 28;
            EXPECT_TRUE(std::any_of(at, at + 28, [](uint8_t b) { return b != 0; }))
                << std::hex << q << w;
            // 14 pixels per row: the two low bits of each row stay blank.
            for (int r = 0; r < 14; ++r)
                EXPECT_EQ(at[2 * r + 1] & 3, 0);
        }
    iconv_close(cd);
    EXPECT_GE(defined, 7400);
}

TEST(FontFiles, LibraryCopiesAgree) {
    for (const char* name : {"Syslib1.dat", "UserLib.dat"}) {
        const auto lib = load(name);
        ASSERT_GE(lib.size(), 34u) << name;
        const int count = lib[10];
        for (int n = 0; n < count; ++n)
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    ASSERT_EQ(screenInk(lib, n, x, y), glyphInk(lib, n, x, y))
                        << name << " character " << n << " (" << x << ", " << y << ")";
    }
}

TEST(FontFiles, KeySymbolsPresentAndDistinct) {
    const auto lib = load("Syslib1.dat");
    ASSERT_EQ(lib.size(), 34u + 84 * 128);
    // 0..25 the key symbols, 0x1A the hand, 0x1B and 0x1C the lamps.
    std::set<std::vector<uint8_t>> seen;
    for (int n = 0; n <= 0x1C; ++n) {
        std::vector<uint8_t> glyph(lib.begin() + 34 + 84 * n + 32, lib.begin() + 34 + 84 * n + 64);
        EXPECT_TRUE(std::any_of(glyph.begin(), glyph.end(), [](uint8_t b) { return b; })) << n;
        EXPECT_TRUE(seen.insert(glyph).second) << "symbol " << n << " repeats another";
    }
}

TEST(FontFiles, AsciiGlyphsPresent) {
    const auto asc = load("Asc16.dat");
    ASSERT_EQ(asc.size(), 4096u);
    for (int c = 0x21; c < 0x7F; ++c)
        EXPECT_TRUE(std::any_of(asc.begin() + 16 * c, asc.begin() + 16 * c + 16, [](uint8_t b) {
            return b;
        })) << c;
    EXPECT_TRUE(std::all_of(asc.begin() + 512, asc.begin() + 528, [](uint8_t b) { return !b; }));
}
