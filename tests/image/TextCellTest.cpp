// Guards the list cells' code-page edge against: a character GB2312 has no code for stored as
// other bytes, a text over 24 bytes cut silently instead of refused, library escapes changed, and
// stored bytes that are no GB2312 text shown so that an untouched cell would read back different.
#include <gtest/gtest.h>

#include "image/TextCell.h"

using namespace zorv;

namespace {
struct TypedCase {
    const char* name;
    std::string utf8;
    std::optional<std::string> bytes;
    const char* refusal;
};
class TypedCell : public testing::TestWithParam<TypedCase> {};
} // namespace

TEST_P(TypedCell, BytesOrRefusal) {
    const TypedCase& c = GetParam();
    const CellBytes cell = cellBytesOfText(c.utf8);
    EXPECT_EQ(cell.bytes, c.bytes);
    if (c.refusal)
        EXPECT_STREQ(cell.refusal, c.refusal);
    else
        EXPECT_EQ(cell.refusal, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, TypedCell,
    testing::Values(
        TypedCase{"Ascii", "Motor on", "Motor on", nullptr},
        TypedCase{"LibraryEscapeKept", "&41&8A", "&41&8A", nullptr},
        TypedCase{"Gb2312", "\xE4\xB8\x80", "\xD2\xBB", nullptr}, // U+4E00
        TypedCase{"TwentyFourBytes", std::string(24, 'x'), std::string(24, 'x'), nullptr},
        TypedCase{"TwentyFiveBytes", std::string(25, 'x'), std::nullopt, kCellTooLongMessage},
        // 12 Chinese characters fill 24 bytes; a 13th does not fit.
        TypedCase{"TwelveChinese",
                  [] {
                      std::string s;
                      for (int i = 0; i < 12; ++i)
                          s += "\xE4\xB8\x80";
                      return s;
                  }(),
                  [] {
                      std::string s;
                      for (int i = 0; i < 12; ++i)
                          s += "\xD2\xBB";
                      return s;
                  }(),
                  nullptr},
        TypedCase{"ThirteenChinese",
                  [] {
                      std::string s;
                      for (int i = 0; i < 13; ++i)
                          s += "\xE4\xB8\x80";
                      return s;
                  }(),
                  std::nullopt, kCellTooLongMessage},
        TypedCase{"Euro", "\xE2\x82\xAC", std::nullopt, kNotGb2312Message},       // U+20AC
        TypedCase{"Emoji", "a\xF0\x9F\x98\x80", std::nullopt, kNotGb2312Message}, // U+1F600
        TypedCase{"Replacement", "\xEF\xBF\xBD", std::nullopt, kNotGb2312Message}),
    [](const testing::TestParamInfo<TypedCase>& info) { return info.param.name; });

TEST(TextCell, StoredBytesAreShownAndReadBack) {
    for (const std::string bytes : {"Pump &41", "\xD2\xBB\xB6\xFE", ""}) {
        const std::string shown = cellTextOfBytes(bytes);
        EXPECT_EQ(cellBytesOfText(shown).bytes, bytes);
    }
    EXPECT_EQ(cellTextOfBytes("\xD2\xBB"), "\xE4\xB8\x80");
}

TEST(TextCell, BytesThatAreNoGb2312TextShowReplacementAndAreRefusedWhenTyped) {
    // A double-byte character cut at the slot end leaves a lone lead byte.
    const std::string shown = cellTextOfBytes("ab\xD2\xBB\xD2");
    EXPECT_EQ(shown, "ab\xE4\xB8\x80\xEF\xBF\xBD");
    EXPECT_STREQ(cellBytesOfText(shown).refusal, kNotGb2312Message);
}
