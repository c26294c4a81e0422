// Guards text replacing: a replace that touches the other language, a widget outside its scope or
// a double-byte character, leaves a later occurrence in a text, lists a text that stays the same,
// stores a text the panel cannot hold (too long, a character GB2312 lacks), or changes the project
// while only planning.
#include <gtest/gtest.h>

#include "cli/json/ProjectJson.h"
#include "model/WidgetRecords.h"
#include "search/TextReplace.h"
#include "tests/search/JsonProject.h"

using namespace zorv;
using test::projectOf;

namespace {

constexpr const char* kProject = R"({"pages": [
 {"number": 1, "widgets": [
  {"kind": "StaticText", "x": 0, "y": 0, "text1": "Pump on", "text2": "Pumpe an Pumpe"},
  {"kind": "StaticText", "x": 0, "y": 16, "text1": "泵 Pump", "text2": "Kreisel Pumpe 1"}]},
 {"number": 2, "widgets": [
  {"kind": "StaticText", "x": 0, "y": 0, "text1": "Pump", "text2": "Pumpe"}]}]})";

std::string textOf(const CHCData& project, uint16_t page, std::size_t widget, int language) {
    return project.pageByNumber(page)->widgets[widget].get<StaticTextRecord>().text(language).str();
}

TEST(TextReplaceTest, ReplacesEveryOccurrenceInTheChosenLanguageAndScope) {
    CHCData project = projectOf(kProject);
    const RenumberScope pageOne{{1}, {}};
    const auto plan = planTextReplace(project, "Pumpe", "Motor", ReplaceLanguage2, pageOne);
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[0].field, "language 2 text");
    EXPECT_EQ(plan[0].before, "Pumpe an Pumpe");
    EXPECT_EQ(plan[0].after, "Motor an Motor");
    EXPECT_EQ(plan[1].widget, 1);
    EXPECT_EQ(textOf(project, 1, 0, 1), "Pumpe an Pumpe"); // planning changes nothing

    EXPECT_EQ(applyTextReplace(project, plan), 2);
    EXPECT_EQ(textOf(project, 1, 0, 1), "Motor an Motor");
    EXPECT_EQ(textOf(project, 1, 0, 0), "Pump on");
    EXPECT_EQ(textOf(project, 2, 0, 1), "Pumpe");

    // Both languages, one widget; the double-byte character before the text stays whole.
    const RenumberScope widget{{}, {{1, project.pageByNumber(1)->widgets[1].id}}};
    const auto both = planTextReplace(project, "Pump", "Fan", ReplaceBothLanguages, widget);
    ASSERT_EQ(both.size(), 1u); // its language 2 text is "Kreisel Motor 1" now
    EXPECT_EQ(both[0].after, "泵 Fan");
    EXPECT_TRUE(planTextReplace(project, "", "x", ReplaceBothLanguages, {}).empty());
    EXPECT_TRUE(planTextReplace(project, "Pump", "Pump", ReplaceBothLanguages, {}).empty());
}

TEST(TextReplaceTest, ATextThePanelCannotHoldIsRefusedAndNotStored) {
    CHCData project = projectOf(kProject);
    auto plan = planTextReplace(project, "Pumpe", "Umwaelzpumpe", ReplaceLanguage2, {});
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_FALSE(plan[0].bytes); // "Umwaelzpumpe an Umwaelzpumpe" takes 28 bytes
    EXPECT_NE(plan[0].refusal.find("28 bytes"), std::string::npos);
    EXPECT_TRUE(plan[1].bytes);
    EXPECT_EQ(applyTextReplace(project, plan), 2);
    EXPECT_EQ(textOf(project, 1, 0, 1), "Pumpe an Pumpe");
    EXPECT_EQ(textOf(project, 1, 1, 1), "Kreisel Umwaelzpumpe 1");

    plan = planTextReplace(project, "Pump", "Pump ✓", ReplaceLanguage1, {});
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_FALSE(plan[2].bytes);
    EXPECT_NE(plan[2].refusal.find("U+2713"), std::string::npos);
    EXPECT_EQ(applyTextReplace(project, plan), 0);
    EXPECT_EQ(textOf(project, 2, 0, 0), "Pump");
}

} // namespace
