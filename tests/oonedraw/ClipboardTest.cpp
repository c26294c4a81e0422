// Guards against: repeated copies pasting everything ever copied, a paste lost with the page
// it was copied from, pasted objects landing on their originals or left unselected, undoing a
// paste leaving the clones visible, a repeated paste making new clones, cut not hiding.
#include "oonedraw/GCanvas.h"
#include "oonedraw/GPasteCmd.h"
#include "oonedraw/GRectangle.h"

#include <gtest/gtest.h>

using namespace oonedraw;

namespace {

class Clipboard : public ::testing::Test {
protected:
    GRectangle* addRect(double x0, double y0) {
        auto* r = new GRectangle(&canvas, &canvas, 0);
        r->points = {{x0, y0}, {x0, y0 + 10}, {x0 + 20, y0 + 10}, {x0 + 20, y0}};
        r->name = "StaticText";
        canvas.AddChild(r);
        return r;
    }
    const std::vector<GObject*>& selected() { return canvas.GetSelection()->children; }

    GCanvas canvas;
};

} // namespace

TEST_F(Clipboard, PasteIsShiftedBy16AndBecomesTheSelection) {
    GRectangle* a = addRect(10, 20);
    canvas.Select(a, kSelectReplace);
    ASSERT_TRUE(canvas.CopySelection());
    ASSERT_TRUE(canvas.Paste());
    ASSERT_EQ(canvas.children.size(), 2u);
    GObject* pasted = canvas.children[1];
    EXPECT_EQ(pasted->points[0], (GPoint{26, 36}));
    EXPECT_EQ(pasted->name, "StaticText");
    EXPECT_EQ(pasted->parent, &canvas);
    EXPECT_EQ(selected(), (std::vector<GObject*>{pasted}));
    EXPECT_FALSE(a->has(kSelected));
    EXPECT_EQ(a->points[0], (GPoint{10, 20}));
}

TEST_F(Clipboard, CopyReplacesTheClipboardAndCopyingNothingKeepsIt) {
    GRectangle* a = addRect(10, 20);
    GRectangle* b = addRect(50, 20);
    canvas.Select(a, kSelectReplace);
    canvas.CopySelection();
    canvas.Select(b, kSelectReplace);
    canvas.CopySelection();
    canvas.ClearSelection();
    EXPECT_FALSE(canvas.CopySelection());

    auto* plain = new GObject(&canvas, &canvas, 0);
    plain->points = {{0, 0}};
    canvas.AddChild(plain);
    canvas.Select(plain, kSelectReplace);
    EXPECT_FALSE(canvas.CopySelection()); // nothing that can be copied

    ASSERT_TRUE(canvas.Paste());
    ASSERT_EQ(canvas.children.size(), 4u);
    EXPECT_EQ(canvas.children[3]->points[0], (GPoint{66, 36}));
}

TEST_F(Clipboard, PasteOutlivesClearAllOfThePage) {
    canvas.Select(addRect(10, 20), kSelectReplace);
    canvas.CopySelection();
    canvas.ClearAll();
    EXPECT_TRUE(canvas.children.empty());
    ASSERT_TRUE(canvas.Paste());
    ASSERT_EQ(canvas.children.size(), 1u);
    EXPECT_EQ(canvas.children[0]->points[0], (GPoint{26, 36}));
}

TEST_F(Clipboard, CutHidesTheSelectionAndItPastesBack) {
    GRectangle* a = addRect(10, 20);
    canvas.Select(a, kSelectReplace);
    ASSERT_TRUE(canvas.CutSelection());
    EXPECT_EQ(a->flags & kRemoved, uint32_t(kRemoved));
    EXPECT_TRUE(selected().empty());
    ASSERT_TRUE(canvas.Paste());
    EXPECT_FALSE(canvas.children.back()->has(kHidden));
}

TEST_F(Clipboard, UndoHidesTheClonesAndExecutingAgainShowsTheSameOnes) {
    EXPECT_FALSE(canvas.Paste());
    EXPECT_TRUE(canvas.GetCommands()->entries.empty());

    canvas.Select(addRect(10, 20), kSelectReplace);
    canvas.Select(addRect(50, 20), kSelectAdd);
    canvas.CopySelection();
    ASSERT_TRUE(canvas.Paste());
    auto* paste = static_cast<GPasteCmd*>(canvas.GetCommands()->entries.back().get());
    const std::vector<GObject*> clones = paste->pasted;
    ASSERT_EQ(clones.size(), 2u);

    ASSERT_TRUE(paste->Undo());
    for (GObject* o : clones)
        EXPECT_EQ(o->flags, uint32_t(kRemoved));
    EXPECT_TRUE(selected().empty());

    canvas.Select(canvas.children[0], kSelectReplace);
    canvas.CopySelection(); // the clipboard the paste was made from is gone
    ASSERT_TRUE(paste->Execute());
    EXPECT_EQ(paste->pasted, clones);
    EXPECT_EQ(canvas.children.size(), 4u);
    EXPECT_EQ(selected(), clones);
    for (GObject* o : clones)
        EXPECT_FALSE(o->has(kHidden));
}
