// Guards against: a failing command entering the stack, the undone tail surviving a new
// command, the limit dropping the newest instead of the oldest entry, a stack that keeps
// commands over objects the canvas destroyed, DeleteSelection reporting success on nothing,
// commands moving a vertex the object lacks or letting a repaint exception escape.
#include "oonedraw/GCanvas.h"
#include "oonedraw/GCreateCmd.h"
#include "oonedraw/GMoveHandlerCmd.h"
#include "oonedraw/GRectangle.h"
#include "oonedraw/GRotateCmd.h"
#include "oonedraw/GToolMgr.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace oonedraw;

namespace {

struct FakeCmd : GCommand {
    explicit FakeCmd(bool ok_, int tag_ = 0) : ok(ok_), tag(tag_) {}
    bool Execute() override { return ok; }
    bool Undo() override { return true; }
    bool ok;
    int tag;
};

int tagAt(const GCommandStack& s, size_t i) {
    return static_cast<FakeCmd*>(s.entries[i].get())->tag;
}

struct CountingTool : GTool {
    CountingTool() : GTool(nullptr) {}
    void Activate() override { ++activations; }
    void Deactivate() override { ++deactivations; }
    int activations = 0;
    int deactivations = 0;
};

} // namespace

TEST(CommandStack, FailedAndNullCommandsStayOut) {
    GCommandStack stack;
    EXPECT_FALSE(stack.Execute(nullptr));
    EXPECT_FALSE(stack.Execute(new FakeCmd(false)));
    EXPECT_TRUE(stack.entries.empty());
    stack.limit = 0;
    EXPECT_FALSE(stack.Execute(new FakeCmd(true)));
}

TEST(CommandStack, UndoneTailIsDroppedAndLimitDropsOldest) {
    GCommandStack stack;
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(stack.Execute(new FakeCmd(true, i)));
    stack.count = 1; // two undone
    ASSERT_TRUE(stack.Execute(new FakeCmd(true, 4)));
    ASSERT_EQ(stack.entries.size(), 2u);
    EXPECT_EQ(tagAt(stack, 1), 4);

    stack.limit = 2;
    ASSERT_TRUE(stack.Execute(new FakeCmd(true, 5)));
    ASSERT_EQ(stack.entries.size(), 2u);
    EXPECT_EQ(tagAt(stack, 0), 4);
    EXPECT_EQ(stack.count, 2);
}

TEST(CommandStack, NoLimitNeverDrops) {
    GCommandStack stack;
    for (int i = 0; i < 500; ++i)
        stack.Execute(new FakeCmd(true, i));
    EXPECT_EQ(stack.entries.size(), 500u);
}

TEST(Canvas, DeleteSelectionHidesMembersAndClearAllEmptiesTheStack) {
    GCanvas canvas;
    EXPECT_FALSE(canvas.DeleteSelection());
    auto* r = new GRectangle(&canvas, &canvas, 0);
    r->points = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    canvas.AddChild(r);
    canvas.Select(r, kSelectReplace);
    EXPECT_TRUE(canvas.DeleteSelection());
    EXPECT_EQ(r->flags & kRemoved, uint32_t(kRemoved));
    EXPECT_TRUE(canvas.GetSelection()->children.empty());
    EXPECT_EQ(canvas.GetCommands()->entries.size(), 1u);
    canvas.ClearAll();
    EXPECT_TRUE(canvas.GetCommands()->entries.empty());
}

TEST(ToolMgr, SelectingTheCurrentNameSwitchesNothing) {
    GToolMgr mgr;
    auto* select = new CountingTool;
    mgr.Register("select", select);
    EXPECT_FALSE(mgr.SelectTool("nothing"));
    EXPECT_TRUE(mgr.SelectTool("select"));
    EXPECT_EQ(select->activations, 1);
    EXPECT_TRUE(mgr.SelectTool("select"));
    EXPECT_EQ(select->activations, 1);
    EXPECT_EQ(select->deactivations, 0);
    EXPECT_EQ(mgr.Current(), select);
}

namespace {

struct ThrowingWindow : GWindow {
    void InvalidateArea(const GIntRect&) override { throw std::runtime_error("no repaint"); }
};

} // namespace

TEST(Commands, MissingVerticesAndThrowingRepaintsReportFailure) {
    GCanvas canvas;
    auto* r = new GRectangle(&canvas, &canvas, 0);
    r->points = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    canvas.AddChild(r);
    EXPECT_FALSE(GMoveHandlerCmd(r, 4, 1, 1).Execute());
    EXPECT_FALSE(GMoveHandlerCmd(r, -1, 1, 1).Execute());
    EXPECT_FALSE(GCreateCmd(nullptr, {}).Execute());
    EXPECT_FALSE(GCreateCmd(nullptr, {}).Undo());

    ThrowingWindow window;
    canvas.window = &window;
    EXPECT_FALSE(canvas.GetCommands()->Execute(new GMoveHandlerCmd(r, 2, 1, 1)));
    EXPECT_FALSE(GRotateCmd(r, {0, 0}, 1).Undo());
    EXPECT_TRUE(canvas.GetCommands()->entries.empty());
}

// Undo and redo walk the executed commands without losing the undone tail; a failing step
// keeps the position.
TEST(CommandStack, UndoAndRedoWalkTheEntries) {
    GCommandStack stack;
    EXPECT_FALSE(stack.Undo());
    EXPECT_FALSE(stack.Redo());
    ASSERT_TRUE(stack.Execute(new FakeCmd(true, 1)));
    ASSERT_TRUE(stack.Execute(new FakeCmd(true, 2)));
    EXPECT_TRUE(stack.Undo());
    EXPECT_TRUE(stack.Undo());
    EXPECT_FALSE(stack.Undo());
    EXPECT_EQ(stack.count, 0);
    EXPECT_EQ(stack.entries.size(), 2u);
    EXPECT_TRUE(stack.Redo());
    EXPECT_EQ(stack.count, 1);
    static_cast<FakeCmd*>(stack.entries[1].get())->ok = false;
    EXPECT_FALSE(stack.Redo());
    EXPECT_EQ(stack.count, 1);
    EXPECT_TRUE(stack.CanRedo());
}
