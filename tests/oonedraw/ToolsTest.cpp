// Guards against: a click on a selected object dropping the selection or making a command, a
// rubber band selecting more than one object or stopping at a removed one, creation at the
// wrong corner or size, a drag making several commands or a partial displacement, feedback
// left on the screen, a vertex hit earlier turning a later drag into a vertex move, a rotation
// whose command disagrees with what the drag showed, a gesture using objects the canvas
// destroyed while the button was held.
#include "RecordingContext.h"
#include "oonedraw/GCanvas.h"
#include "oonedraw/GCreateTool.h"
#include "oonedraw/GMoveCmd.h"
#include "oonedraw/GMoveHandlerCmd.h"
#include "oonedraw/GMoveTool.h"
#include "oonedraw/GRectangle.h"
#include "oonedraw/GRotateCmd.h"
#include "oonedraw/GRotateTool.h"
#include "oonedraw/GSelectTool.h"
#include "oonedraw/GToolMgr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>

using namespace oonedraw;

namespace {

struct ViewWindow : GWindow {
    void InvalidateArea(const GIntRect&) override {}
    GDrawContext* ClientContext() override { return &dc; }
    RecordingContext dc;
};

// Every feedback call drawn while dragging must have been drawn again (erased) by the end.
void expectFeedbackErased(const std::vector<std::string>& calls) {
    std::map<std::string, int> counts;
    for (const std::string& c : calls)
        ++counts[c];
    EXPECT_EQ(counts["invertmode 1"], counts["invertmode 0"]);
    for (const auto& [call, n] : counts) {
        if (call.starts_with("focus") || call.starts_with("line")) {
            EXPECT_EQ(n % 2, 0) << call;
        }
    }
}

void expectNear(const std::vector<GPoint>& actual, const std::vector<GPoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].x, expected[i].x, 1e-9) << i;
        EXPECT_NEAR(actual[i].y, expected[i].y, 1e-9) << i;
    }
}

class Tools : public ::testing::Test {
protected:
    Tools() {
        canvas.window = &view;
        tools.view = &view;
        tools.Register("select", new GSelectTool(&tools));
        tools.Register("move", new GMoveTool(&tools));
        tools.Register("rotate", new GRotateTool(&tools));
        tools.Register("StaticText", new GTextTool(&tools, std::make_unique<GRectangle>()));
        tools.SelectTool("select");
    }

    GRectangle* addRect(double x0, double y0, double x1, double y1) {
        auto* r = new GRectangle(&canvas, &canvas, 0);
        r->points = {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}};
        canvas.AddChild(r);
        return r;
    }
    void press(double x, double y) { tools.Current()->OnButtonDown({x, y, kLeftButton}); }
    void drag(double x, double y) { tools.Current()->OnMouseMove({x, y, kLeftButton}); }
    void release(double x, double y) { tools.Current()->OnButtonUp({x, y, 0}); }
    const std::vector<std::unique_ptr<GCommand>>& commands() {
        return canvas.GetCommands()->entries;
    }
    const std::vector<GObject*>& selected() { return canvas.GetSelection()->children; }

    GCanvas canvas;
    ViewWindow view;
    GToolMgr tools{&canvas};
};

} // namespace

TEST_F(Tools, ClickOrDragBackOnSelectedObjectKeepsSelectionWithoutCommand) {
    GRectangle* a = addRect(20, 20, 40, 40);
    GRectangle* b = addRect(60, 20, 80, 40);
    canvas.Select(a, kSelectReplace);
    canvas.Select(b, kSelectAdd);

    press(30, 30);
    release(30, 30);
    EXPECT_EQ(selected(), (std::vector<GObject*>{a, b}));
    EXPECT_EQ(canvas.GetCurrent(), a);
    EXPECT_TRUE(commands().empty());

    press(30, 30);
    drag(50, 50);
    drag(30, 30);
    drag(31, 30);
    release(30, 30);
    EXPECT_TRUE(commands().empty());
    EXPECT_EQ(a->points[0], (GPoint{20, 20}));
    expectFeedbackErased(view.dc.calls);
}

TEST_F(Tools, RubberBandAddsOnlyTheFirstSelectableObjectInCanvasOrder) {
    addRect(50, 20, 70, 40)->flags |= kRemoved;
    GRectangle* first = addRect(20, 20, 40, 40);
    addRect(50, 20, 70, 40);
    GRectangle* third = addRect(80, 20, 100, 40);
    canvas.Select(third, kSelectReplace);

    press(5, 5);
    EXPECT_TRUE(selected().empty());
    drag(60, 30);
    drag(120, 50);
    release(120, 50);
    EXPECT_EQ(selected(), (std::vector<GObject*>{first}));
    EXPECT_TRUE(commands().empty());
    expectFeedbackErased(view.dc.calls);
}

TEST_F(Tools, TextToolCreates96By32RectangleAtThePress) {
    canvas.originX = 10;
    canvas.originY = 5;
    ASSERT_TRUE(tools.SelectTool("StaticText"));
    press(40.5, 17);
    release(40.5, 17);
    ASSERT_EQ(canvas.children.size(), 1u);
    GObject* made = canvas.children[0];
    EXPECT_EQ(made->points,
              (std::vector<GPoint>{{30.5, 12}, {30.5, 44}, {126.5, 44}, {126.5, 12}}));
    EXPECT_EQ(made->Width(), 96);
    EXPECT_EQ(made->Height(), 32);
    EXPECT_TRUE(static_cast<GCreateTool*>(tools.Current())->pending.empty());

    // Undo hides the object; executing again shows the same one.
    ASSERT_EQ(commands().size(), 1u);
    canvas.Select(made, kSelectReplace);
    ASSERT_TRUE(commands()[0]->Undo());
    EXPECT_EQ(made->flags & kRemoved, uint32_t(kRemoved));
    EXPECT_TRUE(selected().empty());
    ASSERT_TRUE(commands()[0]->Execute());
    EXPECT_EQ(made->flags & kRemoved, 0u);
    EXPECT_EQ(canvas.children.size(), 1u);
}

TEST_F(Tools, CreationOfAnUncopyableKindFailsAndDropsThePoints) {
    tools.Register("plain", new GTextTool(&tools, std::make_unique<GObject>()));
    ASSERT_TRUE(tools.SelectTool("plain"));
    press(10, 10);
    release(10, 10);
    EXPECT_TRUE(canvas.children.empty());
    EXPECT_TRUE(commands().empty());
    EXPECT_TRUE(static_cast<GCreateTool*>(tools.Current())->pending.empty());
}

TEST_F(Tools, MoveDragMakesOneCommandForTheWholeDisplacement) {
    GRectangle* r = addRect(20, 20, 40, 40);
    press(30, 30);
    drag(35, 32);
    drag(42, 41);
    release(45, 44);
    ASSERT_EQ(commands().size(), 1u);
    auto* move = dynamic_cast<GMoveCmd*>(commands()[0].get());
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->dx, 15);
    EXPECT_EQ(move->dy, 14);
    EXPECT_EQ(r->points[0], (GPoint{35, 34}));
    ASSERT_TRUE(move->Undo());
    EXPECT_EQ(r->points[0], (GPoint{20, 20}));

    // The shifted selection bounds are shown inverted, then erased.
    const auto& calls = view.dc.calls;
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "invertmode 1");
    EXPECT_EQ(calls[1], "focus 25 22 45 42");
    expectFeedbackErased(calls);
}

TEST_F(Tools, VertexDragMovesOneVertexAndLeavesNoVertexModeBehind) {
    auto* path = new GObject(&canvas, &canvas, 0);
    path->points = {{100, 10}, {150, 10}};
    canvas.AddChild(path);
    GRectangle* r = addRect(20, 20, 40, 40);

    press(101, 11);
    drag(110, 20);
    release(111, 21);
    ASSERT_EQ(commands().size(), 1u);
    auto* vertex = dynamic_cast<GMoveHandlerCmd*>(commands()[0].get());
    ASSERT_NE(vertex, nullptr);
    EXPECT_EQ(vertex->index, 0);
    EXPECT_EQ(path->points, (std::vector<GPoint>{{110, 20}, {150, 10}}));
    EXPECT_EQ(view.dc.calls[1], "line 101 11 110 20");
    expectFeedbackErased(view.dc.calls);

    press(30, 30);
    drag(40, 30);
    release(40, 30);
    ASSERT_EQ(commands().size(), 2u);
    EXPECT_NE(dynamic_cast<GMoveCmd*>(commands()[1].get()), nullptr);
    EXPECT_EQ(r->points[0], (GPoint{30, 20}));
}

TEST_F(Tools, RotationIsAppliedOnceByTheAngleFromPressToRelease) {
    GRectangle* r = addRect(100, 100, 160, 140);
    const auto original = r->points;
    ASSERT_TRUE(tools.SelectTool("rotate"));
    press(150, 100); // angle 0 about p0
    drag(130, 130);
    drag(90, 150);
    release(100, 150); // a quarter turn, away from the last drag point
    EXPECT_EQ(selected(), (std::vector<GObject*>{r}));
    ASSERT_EQ(commands().size(), 1u);
    auto* rotate = dynamic_cast<GRotateCmd*>(commands()[0].get());
    ASSERT_NE(rotate, nullptr);
    EXPECT_NEAR(rotate->angle, std::numbers::pi / 2, 1e-12);

    const std::vector<GPoint> quarter = {{100, 100}, {60, 100}, {60, 160}, {100, 160}};
    expectNear(r->points, quarter);
    ASSERT_TRUE(rotate->Undo());
    expectNear(r->points, original);
}

TEST_F(Tools, ObjectsDestroyedWhileTheButtonIsHeldAreNotTouchedByTheGesture) {
    auto* path = new GObject(&canvas, &canvas, 0);
    path->points = {{100, 10}, {150, 10}};
    canvas.AddChild(path);
    press(101, 11); // a vertex: the move tool keeps the hit
    ASSERT_TRUE(canvas.ClearAll());
    drag(110, 20);
    release(111, 21);
    EXPECT_TRUE(commands().empty());

    addRect(100, 100, 160, 140);
    ASSERT_TRUE(tools.SelectTool("rotate"));
    press(150, 100); // the rotate tool keeps the current object
    ASSERT_TRUE(canvas.ClearAll());
    drag(130, 130);
    release(100, 150);
    EXPECT_TRUE(commands().empty());

    // A press after the clearing works on the new objects.
    GRectangle* again = addRect(100, 100, 160, 140);
    press(150, 100);
    release(100, 150);
    EXPECT_EQ(commands().size(), 1u);
    EXPECT_NE(again->points, (std::vector<GPoint>{{100, 100}, {100, 140}, {160, 140}, {160, 100}}));
}
