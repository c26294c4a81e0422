// Guards the import of alarm and language text files against: a UTF-8 file (with or without its
// byte-order mark) taken as code-page bytes and shown as mojibake, a GB2312 file converted as if
// it were UTF-8, a conversion the user is not told of, a character GB2312 cannot hold or a
// control character stored instead of refused, a refusal that does not name the character and
// its line (or counts lines differently from the reader), and a refused file that keeps rows.
#include <gtest/gtest.h>

#include "image/AlarmList.h"
#include "image/LanguageTexts.h"
#include "image/LanguageTextsImport.h"
#include "platform/ScriptedPrompt.h"

using namespace zorv;

namespace {
std::span<const uint8_t> bytes(std::string_view s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}
constexpr const char* kBom = "\xEF\xBB\xBF";
constexpr const char* kZhongWenUtf8 = "\xE4\xB8\xAD\xE6\x96\x87"; // U+4E2D U+6587
constexpr const char* kZhongWenGb = "\xD6\xD0\xCE\xC4";
constexpr const char* kEmoji = "\xF0\x9F\x98\x80"; // U+1F600

struct EncodingCase {
    const char* name;
    std::string file;
    TextFileEncoding encoding;
};
class Encoding : public testing::TestWithParam<EncodingCase> {};
} // namespace

TEST_P(Encoding, OfTheFile) {
    EXPECT_EQ(textFileEncoding(bytes(GetParam().file)), GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Encoding,
    testing::Values(
        EncodingCase{"Ascii", "AlarmDlg\r\nD0\tPump\tFan", TextFileEncoding::CodePage},
        EncodingCase{"Empty", "", TextFileEncoding::CodePage},
        EncodingCase{"Gb2312", std::string("M\r\n1\t") + kZhongWenGb, TextFileEncoding::CodePage},
        EncodingCase{"Utf8Chinese", std::string("M\r\n1\t") + kZhongWenUtf8,
                     TextFileEncoding::Utf8},
        EncodingCase{"Utf8Emoji", std::string("M\r\n1\t") + kEmoji, TextFileEncoding::Utf8},
        EncodingCase{"MarkAlone", std::string(kBom) + "AlarmDlg\r\n", TextFileEncoding::Utf8},
        // The mark decides even where the rest would read as GB2312.
        EncodingCase{"MarkBeforeGb2312", std::string(kBom) + kZhongWenGb, TextFileEncoding::Utf8},
        // "é" in UTF-8 (C3 A9) is also one GB2312 character: the panel's code page wins.
        EncodingCase{"ValidAsBoth", "M\r\n1\tcaf\xC3\xA9", TextFileEncoding::CodePage},
        // Neither UTF-8 nor GB2312 (raw bytes of an older project): taken as it is.
        EncodingCase{"Neither", "M\r\n1\t\x81\x30", TextFileEncoding::CodePage},
        EncodingCase{"EndByteAfterGb2312", std::string("M\r\n1\t") + kZhongWenGb + "\xFF",
                     TextFileEncoding::CodePage},
        EncodingCase{"MarkCutShort",
                     "\xEF\xBB"
                     "AlarmDlg",
                     TextFileEncoding::CodePage}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return info.param.name; });

TEST(LanguageTextsImport, Utf8IsConvertedToTheCodePage) {
    for (const std::string mark : {"", kBom}) {
        const DecodedTextFile d =
            decodeTextFile(bytes(mark + "AlarmDlg\r\nD0\t" + kZhongWenUtf8 + "\tA&41\r\nD1\tx\ty"));
        EXPECT_TRUE(d.fromUtf8);
        EXPECT_EQ(d.refusal, "");
        EXPECT_EQ(d.bytes, std::string("AlarmDlg\r\nD0\t") + kZhongWenGb + "\tA&41\r\nD1\tx\ty");
    }
    const std::string gb = std::string("AlarmDlg\r\nD0\t") + kZhongWenGb;
    const DecodedTextFile same = decodeTextFile(bytes(gb));
    EXPECT_FALSE(same.fromUtf8);
    EXPECT_EQ(same.bytes, gb);
}

TEST(LanguageTextsImport, RefusalsNameTheCharacterAndItsLine) {
    // Lines are counted as the reader ends rows: at CR LF, LF or a lone CR.
    const DecodedTextFile d =
        decodeTextFile(bytes(std::string("AlarmDlg\r\nD0\t") + kZhongWenUtf8 + "\r\nD1\tok\t" +
                             kEmoji + "\nD2\tok\rD3\t\xE2\x82\xAC\a"));
    EXPECT_EQ(d.refusal, "The file was not imported:\nline 3: '\xF0\x9F\x98\x80' (U+1F600) cannot "
                         "be shown on the panel\n"
                         "line 5: '\xE2\x82\xAC' (U+20AC) cannot be shown on the panel");
    EXPECT_EQ(d.bytes, "");

    const std::string nul("M\r\n1\ta\0b\r\n2\tbell\a", 18);
    EXPECT_EQ(decodeTextFile(bytes(nul)).refusal,
              "The file was not imported:\nline 2: U+0000 cannot be shown on the panel\n"
              "line 3: U+0007 cannot be shown on the panel");
    // A control character in a UTF-8 file is named as in a code-page file.
    EXPECT_EQ(decodeTextFile(bytes(std::string(kBom) + "M\r\n1\t\x1B")).refusal,
              "The file was not imported:\nline 2: U+001B cannot be shown on the panel");
    // Past the byte 0xFF the reader reads nothing, so nothing there is refused.
    EXPECT_EQ(decodeTextFile(bytes("M\r\n1\tok\xFF\a")).refusal, "");
    // After the mark, bytes that are no UTF-8 are refused with their line.
    EXPECT_EQ(decodeTextFile(bytes(std::string(kBom) + "M\r\n1\tok\r\n2\t" + kZhongWenGb)).refusal,
              "The file was not imported:\nline 3: not UTF-8 text");
}

TEST(LanguageTextsImport, ManyFaultyLinesAreCounted) {
    std::string file = "M";
    for (int k = 0; k < 11; ++k)
        file += std::string("\r\n") + std::to_string(k) + "\t" + kEmoji;
    const std::string refusal = decodeTextFile(bytes(file)).refusal;
    EXPECT_EQ(std::count(refusal.begin(), refusal.end(), '\n'), 9);
    EXPECT_TRUE(refusal.starts_with("The file was not imported:\nline 2: "));
    EXPECT_TRUE(refusal.ends_with("line 9: '\xF0\x9F\x98\x80' (U+1F600) cannot be shown on the "
                                  "panel\n(and 3 more lines)"));
}

TEST(LanguageTextsImport, ModelsTellOfTheConversionAndRefusal) {
    AlarmListModel alarms;
    ScriptedPrompt prompt;
    ASSERT_TRUE(alarms.importText(
        bytes(std::string(kBom) + "AlarmDlg\r\nD0\t" + kZhongWenUtf8 + "\tPump"), prompt));
    EXPECT_EQ(prompt.texts, std::vector<std::string>{kConvertedFromUtf8Message});
    ASSERT_EQ(alarms.rowCount(), 1);
    EXPECT_EQ(alarms.rows()[0], (AlarmListModel::Row{"D0", kZhongWenGb, "Pump"}));

    prompt.texts.clear();
    EXPECT_FALSE(
        alarms.importText(bytes(std::string("AlarmDlg\r\nD0\tPump\r\nD1\t") + kEmoji), prompt));
    EXPECT_EQ(prompt.texts,
              std::vector<std::string>{
                  "The file was not imported:\nline 3: '\xF0\x9F\x98\x80' (U+1F600) cannot "
                  "be shown on the panel"});
    ASSERT_EQ(alarms.rowCount(), 1); // as after a wrong head
    EXPECT_EQ(alarms.rows()[0], (AlarmListModel::Row{"D0", "", ""}));

    // A 24-byte cell is cut after the conversion, in code-page bytes: 12 Chinese characters.
    LanguageTextsModel menu(kMenuTable);
    prompt.texts.clear();
    std::string longText;
    for (int k = 0; k < 13; ++k)
        longText += "\xE4\xB8\xAD";
    ASSERT_TRUE(menu.importText(bytes("M\r\n1\t" + longText + "\tb"), prompt));
    EXPECT_EQ(prompt.texts, std::vector<std::string>{kConvertedFromUtf8Message});
    EXPECT_EQ(menu.rows()[0][1].size(), 24u);

    // A UTF-8 file of another table kind is refused by its head alone, not told as converted.
    prompt.texts.clear();
    EXPECT_FALSE(menu.importText(bytes(std::string(kBom) + "D\r\n1\ta"), prompt));
    EXPECT_EQ(prompt.texts, std::vector<std::string>{"The file that imported is error!"});
    prompt.texts.clear();
    EXPECT_FALSE(menu.importText(bytes("M\r\n1\ta\x07"), prompt));
    EXPECT_EQ(prompt.texts,
              std::vector<std::string>{
                  "The file was not imported:\nline 2: U+0007 cannot be shown on the panel"});
}
