// Guards against: hidden objects being painted, outlines not closed back to p0, selection
// handles missing or off their vertex.
#include "RecordingContext.h"
#include "oonedraw/GCanvas.h"
#include "oonedraw/GRectangle.h"

#include <gtest/gtest.h>

using namespace oonedraw;

TEST(Paint, OutlineThenHandlesAndHiddenObjectsSkipped) {
    GCanvas canvas;
    RecordingContext dc;
    canvas.dc = &dc;
    auto* r = new GRectangle(&canvas, &canvas, 0);
    r->points = {{10, 20}, {10, 40}, {30, 40}, {30, 20}};
    canvas.AddChild(r);
    auto* hidden = new GRectangle(&canvas, &canvas, kHidden);
    hidden->points = r->points;
    canvas.AddChild(hidden);
    canvas.Select(r, kSelectReplace);
    canvas.Draw();
    ASSERT_EQ(dc.calls.size(), 4u + 8u);
    EXPECT_EQ(dc.calls[0], "line 10 20 10 40");
    EXPECT_EQ(dc.calls[3], "line 30 20 10 20");
    EXPECT_EQ(dc.calls[4], "fill 7 17 13 23 #65280");
    EXPECT_EQ(dc.calls[5], "frame 7 17 13 23");
}
