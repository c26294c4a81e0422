// Hit testing of four-point rectangles whichever way their corners lie: a rectangle rotated by
// a half turn, or flipped by dragging a vertex past its opposite, has p2 above or left of p0,
// and must stay pickable rather than becoming an empty region.
#include <gtest/gtest.h>

#include "oonedraw/GRectangle.h"

namespace oonedraw {
namespace {

struct HitCase {
    const char* name;
    std::vector<GPoint> points;
};

class RectangleHit : public ::testing::TestWithParam<HitCase> {};

TEST_P(RectangleHit, InsideIsHitOutsideIsNot) {
    GRectangle rect;
    rect.points = GetParam().points;
    GHitInfo inside;
    inside.x = 120;
    inside.y = 60;
    EXPECT_EQ(rect.HitTest(inside), &rect);
    GHitInfo outside;
    outside.x = 200;
    outside.y = 60;
    EXPECT_EQ(rect.HitTest(outside), nullptr);
    // The right and bottom edges stay excluded.
    GHitInfo edge;
    edge.x = 196;
    edge.y = 50;
    EXPECT_EQ(rect.HitTest(edge), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, RectangleHit,
    ::testing::Values(HitCase{"Upright", {{100, 50}, {100, 82}, {196, 82}, {196, 50}}},
                      HitCase{"HalfTurn", {{196, 82}, {196, 50}, {100, 50}, {100, 82}}},
                      HitCase{"FlippedLeftRight", {{196, 50}, {196, 82}, {100, 82}, {100, 50}}},
                      HitCase{"FlippedUpDown", {{100, 82}, {100, 50}, {196, 50}, {196, 82}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace oonedraw
