// Guards against: vertex regions that include their right/bottom edge, hidden or unhittable
// objects being hit or selected, rotation of locked objects' children, move locks not
// reaching children, bounds of childless parents, selection modes duplicating members.
#include "oonedraw/GCanvas.h"
#include "oonedraw/GRectangle.h"

#include <gtest/gtest.h>

using namespace oonedraw;

namespace {

GRectangle* addRect(GObject& parent, double x0, double y0, double x1, double y1) {
    auto* r = new GRectangle(&parent, parent.canvas, 0);
    r->points = {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}};
    parent.AddChild(r);
    return r;
}

} // namespace

struct VertexCase {
    double dx, dy;
    bool hits;
};

class VertexRegion : public ::testing::TestWithParam<VertexCase> {};

TEST_P(VertexRegion, HitsWithinThreeUnitsMissesAtFour) {
    GObject plain;
    plain.points = {{100, 100}};
    GHitInfo hit{nullptr, 100 + GetParam().dx, 100 + GetParam().dy, 0, 0};
    EXPECT_EQ(plain.HitTest(hit) == &plain, GetParam().hits);
    if (GetParam().hits) {
        EXPECT_EQ(hit.kind, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, VertexRegion,
                         ::testing::Values(VertexCase{3, 0, true}, VertexCase{4, 0, false},
                                           VertexCase{-4, 0, true}, VertexCase{0, 3, true},
                                           VertexCase{0, 4, false}, VertexCase{-5, 0, false}));

TEST(HitTest, UnhittableChildIsSkippedAndRectangleExcludesFarEdges) {
    GCanvas canvas;
    GRectangle* below = addRect(canvas, 0, 0, 50, 50);
    GRectangle* above = addRect(canvas, 0, 0, 50, 50);
    above->flags = kNotHittable;
    GHitInfo hit{nullptr, 10, 10, 0, 0};
    EXPECT_EQ(canvas.HitTest(hit), below);
    GHitInfo edge{nullptr, 50, 10, 0, 0};
    EXPECT_EQ(below->HitTest(edge), nullptr);
}

TEST(HitTest, EdgeBandOfAPlainObject) {
    GObject line;
    line.points = {{0, 0}, {100, 0}};
    GHitInfo near{nullptr, 50, 8, 0, 0};
    EXPECT_EQ(line.HitTest(near), &line);
    EXPECT_EQ(near.kind, 3);
    EXPECT_EQ(near.index, 0);
    GHitInfo far{nullptr, 50, 12, 0, 0};
    EXPECT_EQ(line.HitTest(far), nullptr);
}

TEST(Selection, HiddenAndUnhittableAreRefusedAndModesBehave) {
    GCanvas canvas;
    GRectangle* a = addRect(canvas, 0, 0, 10, 10);
    GRectangle* b = addRect(canvas, 20, 0, 30, 10);
    GRectangle* hidden = addRect(canvas, 40, 0, 50, 10);
    hidden->flags = kHidden;
    EXPECT_FALSE(canvas.Select(hidden, kSelectAdd));
    EXPECT_TRUE(canvas.Select(a, kSelectAdd));
    EXPECT_TRUE(canvas.Select(a, kSelectAdd));
    EXPECT_EQ(canvas.GetSelection()->children.size(), 1u);
    EXPECT_TRUE(canvas.Select(b, kSelectAdd));
    EXPECT_TRUE(canvas.Select(b, kSelectReplace));
    ASSERT_EQ(canvas.GetSelection()->children.size(), 1u);
    EXPECT_EQ(canvas.GetSelection()->children[0], b);
    EXPECT_FALSE(a->has(kSelected));
    EXPECT_TRUE(b->has(kSelected));
}

TEST(Locks, RotateLockedParentKeepsUnlockedChildren) {
    GCanvas canvas;
    GRectangle* parent = addRect(canvas, 0, 0, 10, 10);
    GRectangle* child = addRect(*parent, 2, 2, 4, 4);
    parent->flags = kRotateLocked;
    const auto before = child->points;
    parent->Rotate({0, 0}, 1.0);
    EXPECT_EQ(child->points, before);
}

TEST(Locks, HorizontalMoveLockOnParentHoldsChildren) {
    GCanvas canvas;
    GRectangle* parent = addRect(canvas, 0, 0, 10, 10);
    GRectangle* child = addRect(*parent, 2, 2, 4, 4);
    parent->flags = kMoveXLocked;
    parent->Move(5, 7);
    EXPECT_EQ(child->points[0], (GPoint{2, 9}));
    EXPECT_EQ(parent->points[0], (GPoint{0, 7}));
}

TEST(Bounds, ChildlessParentUnitesItsChildren) {
    GCanvas canvas;
    auto* group = new GObject(&canvas, &canvas, 0);
    canvas.AddChild(group);
    addRect(*group, 0, 0, 10, 10);
    addRect(*group, 20, 5, 30, 40);
    GRect b;
    group->GetBounds(b);
    EXPECT_EQ(b, (GRect{0, 0, 30, 40}));
}

TEST(Canvas, ClearAllDropsCurrentAndSelection) {
    GCanvas canvas;
    GRectangle* a = addRect(canvas, 0, 0, 10, 10);
    canvas.Select(a, kSelectReplace);
    canvas.SetCurrent(a);
    EXPECT_TRUE(canvas.ClearAll());
    EXPECT_EQ(canvas.GetCurrent(), nullptr);
    EXPECT_TRUE(canvas.GetSelection()->children.empty());
    EXPECT_TRUE(canvas.children.empty());
}
