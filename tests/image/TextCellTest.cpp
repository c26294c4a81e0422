// Guards the list cells' code-page edge against: a character GB2312 has no code for stored as
// other bytes, a control character or NUL stored at all, a refusal that does not name the
// character, a text over 24 bytes cut silently instead of refused, library escapes changed, and
// stored bytes that are no GB2312 text shown so that an untouched cell would read back different.
#include <gtest/gtest.h>

#include "image/TextCell.h"

using namespace zorv;

namespace {
struct TypedCase {
    const char* name;
    std::string utf8;
    std::optional<std::string> bytes;
    std::string refusal;
};
class TypedCell : public testing::TestWithParam<TypedCase> {};
} // namespace

TEST_P(TypedCell, BytesOrRefusal) {
    const TypedCase& c = GetParam();
    const CellBytes cell = cellBytesOfText(c.utf8);
    EXPECT_EQ(cell.bytes, c.bytes);
    EXPECT_EQ(cell.refusal, c.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, TypedCell,
    testing::Values(
        TypedCase{"Ascii", "Motor on", "Motor on", ""},
        TypedCase{"LibraryEscapeKept", "&41&8A", "&41&8A", ""},
        TypedCase{"Gb2312", "\xE4\xB8\x80", "\xD2\xBB", ""}, // U+4E00
        TypedCase{"TwentyFourBytes", std::string(24, 'x'), std::string(24, 'x'), ""},
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
                  ""},
        TypedCase{"ThirteenChinese",
                  [] {
                      std::string s;
                      for (int i = 0; i < 13; ++i)
                          s += "\xE4\xB8\x80";
                      return s;
                  }(),
                  std::nullopt, kCellTooLongMessage},
        TypedCase{
            "Euro", "\xE2\x82\xAC", std::nullopt,
            "'\xE2\x82\xAC' (U+20AC) cannot be shown on the panel; the cell keeps its old text."},
        TypedCase{"Emoji", "a\xF0\x9F\x98\x80", std::nullopt,
                  "'\xF0\x9F\x98\x80' (U+1F600) cannot be shown on the panel; the cell keeps its "
                  "old text."},
        TypedCase{"Replacement", "\xEF\xBF\xBD", std::nullopt,
                  "'\xEF\xBF\xBD' (U+FFFD) cannot be shown on the panel; the cell keeps its old "
                  "text."},
        // Control characters name no glyph: only their code is shown.
        TypedCase{"Bell", "Pump\a", std::nullopt,
                  "U+0007 cannot be shown on the panel; the cell keeps its old text."},
        TypedCase{"Nul", std::string("a\0b", 3), std::nullopt,
                  "U+0000 cannot be shown on the panel; the cell keeps its old text."},
        TypedCase{"Tab", "a\tb", std::nullopt,
                  "U+0009 cannot be shown on the panel; the cell keeps its old text."},
        TypedCase{"Delete", "\x7F", std::nullopt,
                  "U+007F cannot be shown on the panel; the cell keeps its old text."},
        TypedCase{"C1Control", "\xC2\x85", std::nullopt,
                  "U+0085 cannot be shown on the panel; the cell keeps its old text."},
        // The first character the panel cannot show is named, after those it can.
        TypedCase{"FirstNamed", "\xE4\xB8\x80\xE2\x82\xAC\a", std::nullopt,
                  "'\xE2\x82\xAC' (U+20AC) cannot be shown on the panel; the cell keeps its old "
                  "text."},
        TypedCase{"SpaceAndTilde", " ~", " ~", ""}),
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
    EXPECT_EQ(cellBytesOfText(shown).refusal,
              "'\xEF\xBF\xBD' (U+FFFD) cannot be shown on the panel; the cell keeps its old text.");
}

TEST(TextCell, ControlBytesOfTheCodePageAreFound) {
    EXPECT_EQ(firstUnshowableByte("Pump \xD2\xBB &41"), std::nullopt);
    const auto bell = firstUnshowableByte("ab\acd");
    ASSERT_TRUE(bell);
    EXPECT_EQ(bell->code, 0x07u);
    // A trail byte is part of its double-byte character, whatever its value.
    EXPECT_EQ(firstUnshowableByte("\x81\x07"), std::nullopt);
    EXPECT_EQ(firstUnshowableByte(std::string("\0", 1))->code, 0u);
}

TEST(TextCell, BrokenUtf8CountsAsReplacement) {
    for (const std::string broken : {"\x80", "\xC0\xAF", "\xED\xA0\x80", "\xE4\xB8"}) {
        const auto c = firstUnshowable("ok" + broken);
        ASSERT_TRUE(c) << broken;
        EXPECT_EQ(c->code, 0xFFFDu);
    }
}
