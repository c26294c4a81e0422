// Guards against: sizes near the display edge cut against the wrong bound (or going negative),
// a dot pitch not limited by the width as cut, the scale order check missing or strict, scale
// values cut to the wrong range, and signed kept in HEX/BCD mode.

#include <gtest/gtest.h>

#include "model/rules/BarRules.h"
#include "model/rules/TrendRules.h"

using namespace zorv;
using namespace zorv::rules;

struct SizeCase {
    uint16_t x;
    const char* typed;
    uint16_t stored;
};
class BarWidth : public testing::TestWithParam<SizeCase> {};

TEST_P(BarWidth, CutToTheDisplayEdge) {
    BarRecord copy = BarRecord::makeDefault();
    copy.setX(GetParam().x);
    BarForm form = barFormOf(copy);
    form.width = GetParam().typed;
    EXPECT_EQ(confirmBar(copy, form).record.width(), GetParam().stored);
}

// At x = 180 only 12 pixels remain: a wider bar is cut to 12, a narrower one still gets 16.
INSTANTIATE_TEST_SUITE_P(Edge, BarWidth,
                         testing::Values(SizeCase{180, "20", 12}, SizeCase{180, "10", 16},
                                         SizeCase{0, "200", 192}, SizeCase{0, "5", 16},
                                         SizeCase{100, "92", 92}, SizeCase{250, "20", 0}));

TEST(BarConfirm, ZeroAboveFullSetsFullToZero) {
    const BarRecord copy = BarRecord::makeDefault();
    BarForm form = barFormOf(copy);
    form.scale.fullScale = "100";
    form.scale.zeroScale = "200";
    auto result = confirmBar(copy, form);
    EXPECT_EQ(result.messages,
              std::vector<std::string>{"The value of MaxScale must large than ZeroScale!"});
    EXPECT_EQ(result.record.fullScale(), 200);
    form.scale.fullScale = "200";
    EXPECT_TRUE(confirmBar(copy, form).messages.empty());
}

TEST(BarConfirm, ScaleRangeBySignAndCount) {
    const BarRecord copy = BarRecord::makeDefault();
    BarForm form = barFormOf(copy);
    form.scale.isSigned = true;
    form.scale.fullScale = "65535";
    form.scale.zeroScale = "-65535";
    BarRecord r = confirmBar(copy, form).record;
    EXPECT_EQ(r.fullScale(), 32767);
    EXPECT_EQ(r.zeroScale(), -32768);
    EXPECT_EQ(r.numberFlags(), 1);
    form.scale.registers = 2;
    form.scale.isSigned = false;
    form.scale.fullScale = "4294967295";
    form.scale.zeroScale = "-5";
    r = confirmBar(copy, form).record;
    EXPECT_EQ(r.fullScaleBits(), 4294967295u);
    EXPECT_EQ(r.zeroScale(), 0);
    // HEX/BCD drops signed; the values are then read unsigned.
    form.scale.isSigned = true;
    form.scale.hexBcd = true;
    EXPECT_EQ(confirmBar(copy, form).record.numberFlags(), 2);
    EXPECT_EQ(scaleFormOf(2, 0, 4294967295u, 0).fullScale, "4294967295");
}

TEST(TrendConfirm, DotPitchAtMostWidthMinusTwo) {
    const TrendRecord copy = TrendRecord::makeDefault();
    TrendForm form = trendFormOf(copy);
    form.width = "20";
    form.dotPitch = "19";
    form.interval = "70000";
    TrendRecord r = confirmTrend(copy, form).record;
    EXPECT_EQ(r.dotPitch(), 18);
    EXPECT_EQ(r.interval(), 60000);
    form.dotPitch = "1";
    form.interval = "0";
    r = confirmTrend(copy, form).record;
    EXPECT_EQ(r.dotPitch(), 2);
    EXPECT_EQ(r.interval(), 1);
}
