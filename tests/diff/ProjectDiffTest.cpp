// Guards the difference of two projects: a moved widget or a renumbered page reported as a
// removal and an addition, a widget added in front of others of its kind that shifts every
// pairing, fields named otherwise than the JSON form names them, entries out of their order,
// pictures compared row by row instead of by content, and change pictures that mark pixels
// which did not change or miss ones that did.
#include <gtest/gtest.h>

#include "cli/diff/ChangePicture.h"
#include "cli/diff/ProjectDiff.h"
#include "cli/json/ProjectJson.h"
#include "panel/PanelRenderer.h"
#include "tests/panel/DemoImage.h"

using namespace zorv;
using namespace zorv::diff;

namespace {

json::Json demoForm() {
    const auto text = test::sourceFile("data/demo.json");
    return json::Json::parse(text.begin(), text.end());
}

CHCData projectOf(const json::Json& form) {
    CHCData project;
    std::string error;
    EXPECT_TRUE(json::importProjectJson(form.dump(), project, error)) << error;
    return project;
}

std::vector<DiffEntry> diffForms(const json::Json& a, const json::Json& b,
                                 std::span<const ModbusRow> modbusA = {},
                                 std::span<const ModbusRow> modbusB = {}) {
    const CHCData pa = projectOf(a), pb = projectOf(b);
    return diffProjects({pa, modbusA}, {pb, modbusB});
}

json::Json& widgets(json::Json& form, std::size_t page) {
    return form["pages"][page]["widgets"];
}

void sortPages(json::Json& form) {
    std::sort(form["pages"].begin(), form["pages"].end(),
              [](const json::Json& a, const json::Json& b) { return a["number"] < b["number"]; });
}

} // namespace

TEST(ProjectDiff, PairsMovedWidgetsAndRenumberedPagesAsOneEntryEach) {
    const json::Json demo = demoForm();
    EXPECT_TRUE(diffForms(demo, demo).empty());

    json::Json changed = demo;
    widgets(changed, 0)[1]["x"] = 60; // the second widget of page 1, a static text
    widgets(changed, 6)[4]["text2"] = "速度设定";
    const auto entries = diffForms(demo, changed);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].area, Area::Widget);
    EXPECT_EQ(entries[0].change, Change::Changed);
    EXPECT_EQ(entries[0].pageAfter, 1);
    EXPECT_EQ(entries[0].item, 2);
    EXPECT_EQ(entries[0].kind, "StaticText");
    ASSERT_EQ(entries[0].fields.size(), 1u);
    EXPECT_EQ(entries[0].fields[0].field, "x");
    EXPECT_EQ(entries[0].fields[0].before, 48);
    EXPECT_EQ(entries[0].fields[0].after, 60);
    EXPECT_EQ(entries[1].pageAfter, 7);
    ASSERT_EQ(entries[1].fields.size(), 1u);
    EXPECT_EQ(entries[1].fields[0].field, "text2");
    EXPECT_EQ(entries[1].fields[0].after, "速度设定");

    json::Json renumbered = demo;
    renumbered["pages"][5]["number"] = 9;
    sortPages(renumbered);
    const auto moved = diffForms(demo, renumbered);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].area, Area::Page);
    EXPECT_EQ(moved[0].change, Change::Renumbered);
    EXPECT_EQ(moved[0].pageBefore, 6);
    EXPECT_EQ(moved[0].pageAfter, 9);
    EXPECT_TRUE(moved[0].fields.empty());
}

TEST(ProjectDiff, AddedAndRemovedWidgetsLeaveTheOthersPaired) {
    const json::Json demo = demoForm();
    json::Json added = demo;
    // A static text in front of the page's other static texts, and its light removed.
    json::Json& list = widgets(added, 0);
    list.insert(
        list.begin(),
        json::Json{
            {"kind", "StaticText"}, {"x", 150}, {"y", 40}, {"text1", "New"}, {"text2", "新"}});
    list.erase(list.begin() + 4);
    const auto entries = diffForms(demo, added);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].change, Change::Added);
    EXPECT_EQ(entries[0].item, 1);
    EXPECT_EQ(entries[0].value["text1"], "New");
    EXPECT_EQ(entries[1].change, Change::Removed);
    EXPECT_EQ(entries[1].kind, "Led");
    EXPECT_EQ(entries[1].item, 4);
}

TEST(ProjectDiff, KeepsTheOrderOfAreasAndComparesPicturesByContent) {
    const json::Json demo = demoForm();
    json::Json changed = demo;
    json::Json extra = changed["pages"][1];
    changed["pages"].erase(changed["pages"].begin() + 1); // page 2 removed
    extra["number"] = 8;
    extra["description"] = "Extra";
    changed["pages"].push_back(extra);
    changed["header"]["startPage"] = 3;
    changed["alarmList"]["entries"][1]["text1"] = "Temperature too high";
    std::string& row = changed["pages"][0]["widgets"][0]["bitmap"][3].get_ref<std::string&>();
    row[0] = row[0] == '0' ? '1' : '0';
    const std::vector<ModbusRow> tableA{{1, 100, 16, 20}};
    const std::vector<ModbusRow> tableB{{1, 120, 16, 20}, {0, 30, 0, 5}};

    const auto entries = diffForms(demo, changed, tableA, tableB);
    ASSERT_EQ(entries.size(), 7u);
    const std::pair<Area, Change> expected[] = {
        {Area::Header, Change::Changed}, {Area::AlarmList, Change::Changed},
        {Area::Modbus, Change::Changed}, {Area::Modbus, Change::Added},
        {Area::Widget, Change::Changed}, {Area::Page, Change::Removed},
        {Area::Page, Change::Added}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].area, expected[i].first) << i;
        EXPECT_EQ(entries[i].change, expected[i].second) << i;
    }
    EXPECT_EQ(entries[0].fields[0].field, "startPage");
    EXPECT_EQ(entries[1].fields[0].field, "entries[1].text1");
    EXPECT_EQ(entries[2].fields[0].field, "device");
    EXPECT_EQ(entries[2].fields[0].after, "D120");
    EXPECT_EQ(entries[3].value["type"], "Communication alarm");
    EXPECT_EQ(entries[5].pageBefore, 2);
    EXPECT_EQ(entries[6].pageAfter, 8);

    const DiffEntry& picture = entries[4];
    ASSERT_EQ(picture.fields.size(), 1u);
    EXPECT_EQ(picture.fields[0].field, "bitmap");
    EXPECT_EQ(picture.fields[0].before["bytes"], picture.fields[0].after["bytes"]);
    EXPECT_NE(picture.fields[0].before["digest"], picture.fields[0].after["digest"]);
    EXPECT_FALSE(picture.fields[0].before.contains("rows"));

    const auto pages = changedPages(entries);
    const std::vector<std::pair<int32_t, int32_t>> touched{{1, 1}, {2, -1}, {-1, 8}};
    EXPECT_EQ(pages, touched);
}

TEST(ChangePicture, MarksExactlyThePixelsThatChanged) {
    const json::Json demo = demoForm();
    json::Json moved = demo;
    widgets(moved, 0)[1]["x"] = 52;
    std::string error;
    panel::PanelImage before, after;
    ASSERT_TRUE(before.load(test::compiledJson(demo.dump(), error), error)) << error;
    ASSERT_TRUE(after.load(test::compiledJson(moved.dump(), error), error)) << error;
    const auto a = panel::renderPage(before, 0, 0, panel::PanelRegisters());
    const auto b = panel::renderPage(after, 0, 0, panel::PanelRegisters());

    const ChangePicture picture = changePicture(a, b);
    int marked = 0;
    for (int y = 0; y < panel::kHeight; ++y) {
        for (int x = 0; x < panel::kWidth; ++x) {
            EXPECT_EQ(picture.at(ChangePicture::left(0) + x, y) == kInkColour, a.pixel(x, y));
            EXPECT_EQ(picture.at(ChangePicture::left(1) + x, y) == kInkColour, b.pixel(x, y));
            const uint32_t mark = picture.at(ChangePicture::left(2) + x, y);
            const bool changed = a.pixel(x, y) != b.pixel(x, y);
            EXPECT_EQ(mark == kInkAddedColour || mark == kInkRemovedColour, changed)
                << x << "," << y;
            if (changed) {
                EXPECT_EQ(mark == kInkAddedColour, b.pixel(x, y));
                // Only the moved text's line changes.
                EXPECT_LT(y, 16);
                EXPECT_GE(x, 48);
                ++marked;
            }
        }
    }
    EXPECT_GT(marked, 0);
    EXPECT_EQ(picture.at(ChangePicture::left(1) - 1, 0), kGapColour);
}
