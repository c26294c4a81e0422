// Guards against: "&XY" custom-character codes counted as three columns, a lone "&" or an
// "&" with one hex digit dropped from the count, codes cut off at the end of the text, and
// cells not doubling at scale 2.
#include "oonedraw/GText.h"

#include <gtest/gtest.h>

using namespace oonedraw;

struct FitCase {
    const char* text;
    float scale;
    double right, bottom;
};

class TextFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(TextFit, SizesToColumnsAndLine) {
    GText t;
    t.points = {{10, 20}, {10, 20}, {10, 20}, {10, 20}};
    t.scale = GetParam().scale;
    t.SetText(GetParam().text);
    EXPECT_EQ(t.points[2].x, GetParam().right);
    EXPECT_EQ(t.points[3].x, GetParam().right);
    EXPECT_EQ(t.points[2].y, GetParam().bottom);
    EXPECT_EQ(t.points[1].y, GetParam().bottom);
    EXPECT_EQ(t.points[0].x, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFit,
    ::testing::Values(FitCase{"ab&1Fcd", 1, 10 + 6 * 16, 52}, FitCase{"ab&1F", 1, 10 + 4 * 16, 52},
                      FitCase{"a&1x", 1, 10 + 4 * 16, 52}, FitCase{"ab&1", 1, 10 + 4 * 16, 52},
                      FitCase{"&", 1, 10 + 16, 52}, FitCase{"", 1, 10, 52},
                      FitCase{"&0A&ff", 1, 10 + 4 * 16, 52}, FitCase{"abc", 2, 10 + 3 * 32, 84},
                      FitCase{"a&41", 2, 10 + 3 * 32, 84}));

TEST(TextColumns, SixCharsWithCodeTakeFive) {
    EXPECT_EQ(GText::ColumnCount("xy&a0z"), 5);
    EXPECT_EQ(GText::ColumnCount("x&1g"), 4);
}
