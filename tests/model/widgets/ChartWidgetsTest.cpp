// Guards against: bars and trends not sized from their record at two units per pixel, the grey
// third of a bar on the wrong side or the ticks on the wrong edge for any direction, the trend
// drawn with an outline or its curve and ticks off their points, and damaged record sizes
// giving objects too small to pick.
#include "RecordedCanvas.h"
#include "model/widgets/WidgetSync.h"

#include <gtest/gtest.h>

using namespace zorv;
using Calls = std::vector<std::string>;

namespace {

// A bar of 16 x 48 pixels at display (10, 5): canvas (310, 65) to (342, 161).
Calls drawBar(uint16_t direction) {
    RecordedCanvas drawn;
    auto* bar = drawn.add<CBar>();
    BarRecord r = BarRecord::makeDefault();
    r.setX(10);
    r.setY(5);
    r.setDirection(direction);
    applyRecord(*bar, r);
    bar->DrawShape();
    return drawn.dc.calls;
}

const Calls kVerticalTicks = {"line 310 65 313 65", "line 310 89 313 89", "line 310 113 313 113",
                              "line 310 137 313 137", "line 310 161 313 161"};
const Calls kHorizontalTicks = {"line 310 158 310 161", "line 318 158 318 161",
                                "line 326 158 326 161", "line 334 158 334 161",
                                "line 342 158 342 161"};

Calls concat(Calls head, const Calls& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

} // namespace

TEST(Bar, EachDirectionFillsItsBaseThird) {
    EXPECT_EQ(drawBar(BarRecord::Up),
              concat({"rect 313 65 342 161", "fill 313 129 342 161 #12632256"}, kVerticalTicks));
    EXPECT_EQ(drawBar(BarRecord::Down),
              concat({"rect 313 65 342 161", "fill 313 65 342 97 #12632256"}, kVerticalTicks));
    EXPECT_EQ(drawBar(BarRecord::Left),
              concat({"rect 310 65 342 158", "fill 331 65 342 158 #12632256"}, kHorizontalTicks));
    EXPECT_EQ(drawBar(BarRecord::Right),
              concat({"rect 310 65 342 158", "fill 310 65 321 158 #12632256"}, kHorizontalTicks));
    EXPECT_EQ(drawBar(7), drawBar(BarRecord::Up));
}

TEST(Trend, BackgroundAxesTicksAndCurve) {
    RecordedCanvas drawn;
    auto* trend = drawn.add<CTrend>();
    EXPECT_EQ(trend->brush.colour, 0xC0C0C0u);
    applyRecord(*trend, TrendRecord::makeDefault()); // 96 x 48 at (0, 0): (290, 55)-(482, 151)
    trend->DrawShape();
    EXPECT_EQ(drawn.dc.calls,
              (Calls{"fill 292 55 482 152 #12632256", "line 292 55 292 151", "line 292 151 482 151",
                     "line 290 55 292 55", "line 290 79 292 79", "line 290 103 292 103",
                     "line 290 127 292 127", "line 290 151 292 151", "line 292 151 340 79",
                     "line 340 79 388 119", "line 388 119 434 55", "line 434 55 482 87"}));
}

TEST(ChartWidgets, FitKeepsTopLeftAndSize) {
    CTrend trend;
    // A creation tool's 96 x 32 rectangle takes the trend's default size when fitted.
    trend.points = {{300, 60}, {300, 92}, {396, 92}, {396, 60}};
    trend.FitToContent();
    EXPECT_EQ(trend.points[2], (oonedraw::GPoint{492, 156}));
    CBar bar;
    bar.points = trend.points;
    bar.FitToContent();
    EXPECT_EQ(bar.points[2], (oonedraw::GPoint{332, 156}));
}

TEST(ChartWidgets, DamagedSizesStayPickable) {
    TrendRecord r = TrendRecord::makeDefault();
    r.setWidth(0);
    r.setHeight(60000);
    CTrend trend;
    applyRecord(trend, r);
    EXPECT_EQ(trend.Width(), 32);
    EXPECT_EQ(trend.Height(), 128);
}
