// Guards the multi-language table against: rows beyond the capacity taken, in-use flags left set
// after the rows, widths counted in bytes instead of cells, a wrong file mark accepted, and an
// export that does not import back to the same rows.
#include <gtest/gtest.h>

#include "image/LanguageTexts.h"
#include "image/LanguageTextsFile.h"
#include "model/records/DynamicTextRecord.h"
#include "platform/ScriptedPrompt.h"

using namespace zorv;

namespace {
std::span<const uint8_t> bytes(std::string_view s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}
LanguageTable threeLevels() {
    DynamicTextRecord r = DynamicTextRecord::makeDefault();
    for (int k = 0; k < 3; ++k) {
        ChoiceEntry e;
        e.used = true;
        e.value = 10 * k;
        e.text[0] = TextSlot::fromBytes("L" + std::to_string(k));
        r.setEntry(k, e);
    }
    r.setCount(3);
    return languageTableOf(r);
}
} // namespace

TEST(LanguageTexts, DeletingARowClearsItsSlot) {
    LanguageTable t = threeLevels();
    LanguageTextsModel m(kDynamicTextTable);
    m.open(t);
    ASSERT_EQ(m.rows().size(), 3u);
    EXPECT_EQ(m.rows()[1], (TextRow{"10", "L1", ""}));
    m.rows().erase(m.rows().begin() + 1);
    m.confirm(t);
    EXPECT_EQ(t.count, 2);
    EXPECT_TRUE(t.entries[1].used);
    EXPECT_EQ(t.entries[1].value, 20);
    EXPECT_FALSE(t.entries[2].used);
    EXPECT_EQ(t.entries[2].text[0].str(), "L2"); // texts of cleared slots stay
}

struct CapacityCase {
    LanguageTableKind kind;
    int rows;
    int count;
};
class Capacity : public testing::TestWithParam<CapacityCase> {};

TEST_P(Capacity, OnlyCapacityRowsAreTaken) {
    const CapacityCase c = GetParam();
    LanguageTable t(c.kind.capacity);
    LanguageTextsModel m(c.kind);
    m.rows().assign(std::size_t(c.rows), TextRow{"1", "a", "b"});
    m.confirm(t);
    EXPECT_EQ(t.count, c.count);
    EXPECT_TRUE(t.entries[c.count - 1].used);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Capacity,
                         testing::Values(CapacityCase{kDynamicTextTable, 33, 32},
                                         CapacityCase{kMenuTable, 21, 20},
                                         CapacityCase{kAlarmTable, 201, 200},
                                         CapacityCase{kMenuTable, 5, 5}));

TEST(LanguageTexts, WidthsInCells) {
    LanguageTable t(32);
    LanguageTextsModel m(kDynamicTextTable);
    m.rows() = {{"x7", "ab", "&41"}, {"", "\xB0\xA1", "&4G"}};
    m.confirm(t);
    EXPECT_EQ(t.widths[0], 2u);
    EXPECT_EQ(t.widths[1], 3u); // "&4G" is no library character
    EXPECT_EQ(t.entries[0].value, 0);
    EXPECT_EQ(t.entries[1].value, 0);
}

TEST(LanguageTexts, MarkRoundTripAndExtraRow) {
    LanguageTextsModel menu(kMenuTable);
    menu.rows() = {{"1", "Start", "\xC6\xF4"}, {"", "Stop", ""}};
    const std::string file = menu.exportText();
    EXPECT_EQ(file, "M\r\n1\tStart\t\xC6\xF4\r\n \tStop\t");

    ScriptedPrompt prompt;
    LanguageTextsModel dyn(kDynamicTextTable);
    EXPECT_FALSE(dyn.importText(bytes(file), prompt));
    EXPECT_EQ(prompt.texts.back(), "The file that imported is error!");
    EXPECT_EQ(dyn.rows().size(), 1u);

    LanguageTextsModel back(kMenuTable);
    ASSERT_TRUE(back.importText(bytes(file), prompt));
    ASSERT_EQ(back.rows().size(), 2u);
    EXPECT_EQ(back.rows()[0], menu.rows()[0]);
    EXPECT_EQ(back.rows()[1], (TextRow{" ", "Stop", ""}));

    ASSERT_TRUE(back.importText(bytes(file + "\r\n"), prompt));
    LanguageTable t(20);
    back.confirm(t);
    EXPECT_EQ(t.count, 3); // the trailing line end becomes a used slot with value 0
    EXPECT_EQ(t.entries[2].value, 0);
    EXPECT_TRUE(t.entries[2].text[0].empty());
}

TEST(LanguageTexts, CloseBoxAsksSaveData) {
    LanguageTable t = threeLevels();
    LanguageTextsModel m(kDynamicTextTable);
    m.open(t);
    m.rows().clear();
    ScriptedPrompt no({PromptAnswer::No});
    EXPECT_FALSE(m.close(t, no));
    EXPECT_EQ(t.count, 3);
    ScriptedPrompt yes({PromptAnswer::Yes});
    EXPECT_TRUE(m.close(t, yes));
    EXPECT_EQ(yes.texts, std::vector<std::string>{"Save Data?"});
    EXPECT_EQ(t.count, 0);
}

TEST(LanguageTexts, ExportNamesKeepAnExtensionOfAnyCase) {
    EXPECT_EQ(withTxtExtension("rows.TXT"), std::filesystem::path("rows.TXT"));
    EXPECT_EQ(withTxtExtension("rows.Txt"), std::filesystem::path("rows.Txt"));
    EXPECT_EQ(withTxtExtension("rows"), std::filesystem::path("rows.txt"));
    EXPECT_EQ(withTxtExtension("rows.csv"), std::filesystem::path("rows.csv.txt"));
}
