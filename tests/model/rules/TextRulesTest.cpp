// Guards against: the double-size limit measured in bytes instead of cells (or off by one at
// 12), a refused confirm that still changes the record, "&" escapes counted wrongly, unused
// list rows kept between used ones, stale entries after the last used one, a wrong count or
// width field, and dynamic-text values not cut to 16 bits.

#include <gtest/gtest.h>

#include "model/rules/DynamicTextRules.h"
#include "model/rules/MenuRules.h"
#include "model/rules/StaticTextRules.h"

using namespace zorv;
using namespace zorv::rules;

struct DoubleSizeCase {
    const char* text;
    bool accepted;
};
class StaticTextDoubleSize : public testing::TestWithParam<DoubleSizeCase> {};

TEST_P(StaticTextDoubleSize, RefusesTextsAboveTwelveCells) {
    const StaticTextRecord copy = StaticTextRecord::makeDefault();
    StaticTextForm form = staticTextFormOf(copy);
    form.attributes.doubleSize = true;
    form.text[1] = GetParam().text;
    const auto result = confirmStaticText(copy, form);
    EXPECT_EQ(result.applied, GetParam().accepted);
    if (GetParam().accepted) {
        EXPECT_TRUE(result.messages.empty());
        EXPECT_EQ(result.record.text(1).str(), GetParam().text);
        EXPECT_EQ(result.record.attributes(), 16);
    } else {
        EXPECT_EQ(result.messages,
                  std::vector<std::string>{
                      "when chose double size, the string exceeds maximum allowed size!"});
        EXPECT_TRUE(result.record == copy);
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, StaticTextDoubleSize,
                         testing::Values(DoubleSizeCase{"ABCDEFGHIJKL", true},
                                         DoubleSizeCase{"ABCDEFGHIJKLM", false},
                                         // "&1B" is one library character of two cells.
                                         DoubleSizeCase{"ABCDEFGHIJ&1B", true},
                                         // "&1G" is three plain characters.
                                         DoubleSizeCase{"ABCDEFGHIJ&1G", false}));

namespace {
ChoiceRow row(const char* value, const char* text) {
    return {value, {text, ""}};
}
} // namespace

TEST(DynamicTextConfirm, SkipsEmptyRowsAndClearsTheRest) {
    DynamicTextRecord copy = DynamicTextRecord::makeDefault();
    for (int k = 0; k < 32; ++k) // stale states from an earlier edit
        copy.setEntry(k, {true, {TextSlot::fromBytes("old"), {}}, k});
    DynamicTextForm form = dynamicTextFormOf(copy);
    form.rows = {row("0", "Off"), row("5", "Running&1B"), row("", "dropped"), row("70000", "High")};
    const auto result = confirmDynamicText(copy, form);
    ASSERT_TRUE(result.applied);
    const DynamicTextRecord& r = result.record;
    EXPECT_EQ(r.count(), 3);
    EXPECT_EQ(r.entry(0).value, 0);
    EXPECT_EQ(r.entry(1).value, 5);
    EXPECT_EQ(r.entry(2).text[0].str(), "High");
    EXPECT_EQ(r.entry(2).value, 65535);
    for (int k = 3; k < 32; ++k)
        EXPECT_EQ(r.entry(k), ChoiceEntry{}) << k;
    EXPECT_EQ(r.width(0), 9); // "Running&1B"
    EXPECT_EQ(r.width(1), 0);
}

TEST(DynamicTextConfirm, DoubleSizeAppliesToEveryStateText) {
    const DynamicTextRecord copy = DynamicTextRecord::makeDefault();
    DynamicTextForm form = dynamicTextFormOf(copy);
    form.attributes.doubleSize = true;
    form.rows = {row("0", "short"), {"1", {"fine", "ABCDEFGHIJKLM"}}};
    const auto result = confirmDynamicText(copy, form);
    EXPECT_FALSE(result.applied);
    EXPECT_TRUE(result.record == copy);
}

TEST(MenuConfirm, NewMenuHasOneEightCharacterItem) {
    const MenuRecord r = MenuRecord::makeDefault();
    const MenuForm form = menuFormOf(r);
    ASSERT_EQ(form.rows.size(), 1u);
    EXPECT_EQ(form.rows[0].text[0], "Menu Con");
    EXPECT_TRUE(confirmMenu(r, form).record == r);
}

TEST(MenuConfirm, ItemValueRangeFollowsModeAndLength) {
    const MenuRecord copy = MenuRecord::makeDefault();
    MenuForm form = menuFormOf(copy);
    form.rows = {row("4294967295", "x")};
    form.registerLength = 2;
    EXPECT_EQ(confirmMenu(copy, form).record.entry(0).value, 65535); // page jump
    form.mode = MenuRecord::kModeRegisterSetting;
    EXPECT_EQ(uint32_t(confirmMenu(copy, form).record.entry(0).value), 4294967295u);
    form.registerLength = 1;
    EXPECT_EQ(confirmMenu(copy, form).record.entry(0).value, 65535);
}
