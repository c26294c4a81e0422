// Guards renumbering and find: a move that touches a field outside its run, misses a field that
// the panel uses (a bound, a relation bit, a key's register, alarm bits), moves a field the
// record's mode leaves unused, reports a field used twice as two changes, or leaves the
// project changed when it is refused; and a find that misses a language-2 text, a register
// inside a run or a tag's register, or finds a text inside a double-byte character.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/json/ProjectJson.h"
#include "search/Find.h"
#include "search/Renumber.h"
#include "tests/search/JsonProject.h"

using namespace zorv;
using test::formOf;
using test::projectOf;

namespace {

constexpr const char* kProject = R"({"pages": [
 {"number": 1, "description": "Mixer", "widgets": [
  {"kind": "Register", "x": 0, "y": 0, "register": "D100", "settable": true,
   "upperBound": {"station": 1, "register": "D119", "count": 1},
   "lowerBound": {"station": 1, "register": "D120", "count": 1}},
  {"kind": "Bar", "x": 40, "y": 0, "register": "D99", "registerCount": 2},
  {"kind": "Key", "x": 0, "y": 48, "action": "registerStep", "register": "D105", "value": 1},
  {"kind": "Menu", "x": 60, "y": 16, "register": "D110", "mode": "pageJump"},
  {"kind": "StaticText", "x": 0, "y": 16, "text1": "Speed", "text2": "转速 rpm"}]},
 {"number": 2, "widgets": [
  {"kind": "Trend", "x": 0, "y": 0, "register": "D119", "registerCount": 2},
  {"kind": "Register", "x": 0, "y": 40, "register": "D5", "relation": 1,
   "relatedAddress": 3},
  {"kind": "Alarm", "x": 100, "y": 0, "register": "M0",
   "entries": [{"text1": "ok"}, {"text1": "hot"}, {"text1": "low"}]},
  {"kind": "Led", "x": 0, "y": 20, "register": "M15"}]}]})";

// Every field of every widget whose value differs between two forms: "page.widget.field".
std::vector<std::string> changedFields(const nlohmann::json& before, const nlohmann::json& after) {
    std::vector<std::string> changed;
    for (std::size_t p = 0; p < before["pages"].size(); ++p) {
        const auto& was = before["pages"][p]["widgets"];
        const auto& now = after["pages"][p]["widgets"];
        for (std::size_t w = 0; w < was.size(); ++w) {
            for (const auto& [key, value] : now[w].items()) {
                if (!was[w].contains(key) || was[w][key] != value)
                    changed.push_back(std::to_string(p + 1) + "." + std::to_string(w) + "." + key);
            }
        }
    }
    return changed;
}

TEST(RenumberTest, MovingARunChangesExactlyTheFieldsThatUseIt) {
    CHCData project = projectOf(kProject);
    const nlohmann::json before = formOf(project);
    RegisterMove d, m;
    std::string message;
    ASSERT_TRUE(parseRegisterMove("D100-D119", "D200-D219", std::nullopt, d, message)) << message;
    ASSERT_TRUE(parseRegisterMove("M0", "M100", 16, m, message)) << message;
    const RegisterMove moves[] = {d, m};

    std::vector<RegisterChange> plan, made;
    ASSERT_TRUE(planRenumber(project, moves, {}, plan, message));
    EXPECT_EQ(formOf(project), before); // a plan changes nothing
    ASSERT_TRUE(renumber(project, moves, {}, made, message));
    ASSERT_EQ(plan.size(), made.size());

    const nlohmann::json after = formOf(project);
    EXPECT_EQ(
        changedFields(before, after),
        (std::vector<std::string>{"1.0.register", "1.0.upperBound", "1.2.register", "2.0.register",
                                  "2.1.relatedAddress", "2.2.register", "2.3.register"}));
    EXPECT_EQ(after["pages"][0]["widgets"][0]["upperBound"]["register"], "D219");
    EXPECT_EQ(after["pages"][0]["widgets"][0]["lowerBound"]["register"], "D120");
    EXPECT_EQ(after["pages"][1]["widgets"][0]["register"], "D219");
    EXPECT_EQ(after["pages"][1]["widgets"][1]["relatedAddress"], 103);
    EXPECT_EQ(after["pages"][1]["widgets"][2]["register"], "M100");
    // The register shown and entered by one widget is one change.
    ASSERT_GE(made.size(), 2u);
    EXPECT_EQ(made[0].field, "register");
    EXPECT_EQ(made[1].field, "upper bound");
    EXPECT_EQ(made[1].after, (RegisterRef{1, uint8_t(RegisterType::D), 219}));

    // Page 2 only.
    CHCData second = projectOf(kProject);
    RenumberScope scope;
    scope.pages = {2};
    ASSERT_TRUE(renumber(second, moves, scope, made, message));
    for (const RegisterChange& c : made)
        EXPECT_EQ(c.page, 2);
    EXPECT_EQ(made.size(), 4u);
}

TEST(RenumberTest, MovesThatLeaveTheirFamilyOrOverlapAreRefusedAndChangeNothing) {
    RegisterMove move;
    std::string message;
    EXPECT_FALSE(parseRegisterMove("D8490", "D8495", 10, move, message));
    EXPECT_EQ(message, "moving D8490-D8499 by 5 leaves D0-D8499");
    EXPECT_FALSE(parseRegisterMove("D100", "M100", std::nullopt, move, message));
    EXPECT_FALSE(parseRegisterMove("D100-D119", "D200-D209", std::nullopt, move, message));
    EXPECT_FALSE(parseRegisterMove("X0", "X370", 9, move, message)); // X377 is the last
    ASSERT_TRUE(parseRegisterMove("X0", "X370", 8, move, message)) << message;

    CHCData project = projectOf(kProject);
    const nlohmann::json before = formOf(project);
    const RegisterMove bad[] = {{uint8_t(RegisterType::D), 100, 20, 100},
                                {uint8_t(RegisterType::D), 119, 2, -119}};
    std::vector<RegisterChange> changes;
    EXPECT_FALSE(renumber(project, bad, {}, changes, message));
    EXPECT_EQ(message, "D100-D119 and D119-D120 overlap");
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(formOf(project), before);
}

TEST(FindTest, FindsTextsInBothLanguagesRegistersInARunTagsKindsAndDescriptions) {
    const CHCData project = projectOf(kProject);
    TagTable tags;
    ASSERT_EQ(tags.add({"Low bound", {1, uint8_t(RegisterType::D), 120}, ""}), TagFault::None);

    EXPECT_EQ(findInProject(project, "RPM"),
              (std::vector<FindHit>{{1, 4, "language 2 text \"转速 rpm\""}}));
    // Half of a double-byte character is no match.
    EXPECT_TRUE(findInProject(project, "\xD9", nullptr, FindTexts).empty());

    const auto run = findInProject(project, "D110-D119", &tags, FindRegisters);
    EXPECT_EQ(run, (std::vector<FindHit>{{1, 0, "register D119 (upper bound)"},
                                         {2, 0, "register D119 (register)"}}));
    // A 32-bit value from D99 reaches D100.
    EXPECT_EQ(findInProject(project, "d100", &tags, FindRegisters).size(), 2u);
    EXPECT_EQ(findInProject(project, "low BOUND", &tags, FindRegisters),
              (std::vector<FindHit>{{1, 0, "register D120 \"Low bound\" (lower bound)"},
                                    {2, 0, "register D119 (register)"}})); // its high word
    EXPECT_EQ(findInProject(project, "M1", &tags, FindRegisters),
              (std::vector<FindHit>{{2, 2, "register M0 (alarm bits)"}}));

    EXPECT_EQ(findInProject(project, "static text", nullptr, FindKinds),
              (std::vector<FindHit>{{1, 4, "kind StaticText"}}));
    EXPECT_EQ(findInProject(project, "mix"),
              (std::vector<FindHit>{{1, std::nullopt, "description \"Mixer\""}}));
}

} // namespace
