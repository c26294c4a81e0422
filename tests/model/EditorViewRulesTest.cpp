// The editing view's arithmetic: a new widget shifted inward at the right and bottom edges
// only, a dragged corner snapped to 8-unit steps from the display's corner and pulled back
// within the edges, nudges refused at an edge, and the texts of the page tree and questions.
#include <gtest/gtest.h>

#include "model/EditorViewRules.h"

namespace zorv {
namespace {

const oonedraw::GIntRect kDisplay{290, 55, 674, 183};

TEST(PlacementExtent, TableAndPicture) {
    EXPECT_EQ(placementExtent("Trend", {})->width, 192);
    EXPECT_EQ(placementExtent("Bar", {})->height, 96);
    EXPECT_EQ(placementExtent("DynamicText", {})->width, 160);
    EXPECT_EQ(placementExtent("Picture", {20, 10})->width, 40);
    EXPECT_EQ(placementExtent("Picture", {20, 10})->height, 20);
    EXPECT_FALSE(placementExtent("select", {}));
    EXPECT_FALSE(placementExtent("led", {})); // names compare exactly
}

struct ShiftCase {
    const char* name;
    oonedraw::GPoint press;
    const char* tool;
    oonedraw::GPoint expected;
};

class ShiftInward : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftInward, KeepsTheExtentWithinRightAndBottom) {
    const ShiftCase& c = GetParam();
    EXPECT_EQ(shiftInward(c.press, *placementExtent(c.tool, {}), kDisplay), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShiftInward,
    ::testing::Values(ShiftCase{"TrendTenLeftOfTheRightEdge", {664, 60}, "Trend", {482, 60}},
                      ShiftCase{"LedInside", {300, 60}, "Led", {300, 60}},
                      ShiftCase{"LedExactlyFits", {642, 151}, "Led", {642, 151}},
                      ShiftCase{"BarAtTheBottom", {300, 180}, "Bar", {300, 87}},
                      ShiftCase{"AlarmInTheCorner", {673, 182}, "Alarm", {482, 151}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SnappedTopLeft, StepsOfEightFromTheCorner) {
    // Corner 13 units right of the left edge: back to 8.
    EXPECT_EQ(snappedTopLeft(290 + 13 + 6, 55 + 30 + 6, 6, 6, {96, 32}, kDisplay, 4),
              (oonedraw::GPoint{298, 79}));
    // Left of and above the display: held at its corner.
    EXPECT_EQ(snappedTopLeft(100, 0, 6, 6, {96, 32}, kDisplay, 4), (oonedraw::GPoint{290, 55}));
    // Past the right and bottom edges: pulled back unsnapped.
    EXPECT_EQ(snappedTopLeft(700, 200, 0, 0, {90, 30}, kDisplay, 4), (oonedraw::GPoint{584, 153}));
}

TEST(NudgeStep, RefusedAtEachEdge) {
    const Extent size{32, 96};
    EXPECT_FALSE(nudgeStep(Nudge::Left, {290, 60}, size, kDisplay));
    EXPECT_FALSE(nudgeStep(Nudge::Down, {300, 87}, size, kDisplay));
    EXPECT_FALSE(nudgeStep(Nudge::Up, {300, 55}, size, kDisplay));
    EXPECT_FALSE(nudgeStep(Nudge::Right, {642, 60}, size, kDisplay));
    EXPECT_EQ(nudgeStep(Nudge::Right, {640, 60}, size, kDisplay), (oonedraw::GPoint{2, 0}));
    EXPECT_EQ(nudgeStep(Nudge::Up, {300, 87}, size, kDisplay), (oonedraw::GPoint{0, -2}));
}

// A description is cut to the page's 39 bytes without splitting a double-byte character: of 20
// Chinese characters (40 bytes) 19 stay, while one ASCII letter before them fills the 39th byte.
TEST(PageTexts, DescriptionsKeepWholeCharacters) {
    std::string typed;
    for (int i = 0; i < 20; ++i)
        typed += "\xE4\xB8\x80"; // one character, two bytes in the code page
    EXPECT_EQ(pageDescriptionBytes(typed)->size(), 38u);
    EXPECT_EQ(pageDescriptionBytes("a" + typed)->size(), 39u);
    EXPECT_EQ(*pageDescriptionBytes("Main"), "Main");
    EXPECT_FALSE(pageDescriptionBytes("\xEA\xB0\x80")); // Hangul has no code
}

TEST(PageTexts, TreeItemsAndQuestions) {
    EXPECT_EQ(pageItemText(3, ""), "Page 3");
    EXPECT_EQ(pageItemText(3, "Main"), "Page 3  - Main");
    EXPECT_EQ(pageExistsQuestion(3, PlaceMode::Insert),
              "3 page already exists, whether to continue to insert?");
    EXPECT_EQ(pageExistsQuestion(65535, PlaceMode::Cover),
              "65535 page already exists, whether to continue to cover?");
    EXPECT_EQ(deletePageQuestion(7), "Do you really want to delete the Page7?");
    EXPECT_EQ(copyPageLabel(2), "Copy 2 page to:");
    EXPECT_EQ(proposedPageNumber(2), 3);
    EXPECT_EQ(proposedPageNumber(std::nullopt), 0);
    EXPECT_EQ(displayPixelOf({298, 79}, kDisplay), (oonedraw::GPoint{4, 12}));
}

} // namespace
} // namespace zorv
