// Guards against: positions not mapped between display pixels and the canvas at (290, 55) with
// two units per pixel, a widget dragged past the display's edge storing a wrapped-around
// position, bar and trend sizes not written back, a record applied to an object of another
// kind, and page loading building an object of the wrong class or type name, or keeping an
// object for a damaged record.
#include "model/widgets/WidgetSync.h"
#include "model/CPage.h"
#include "model/widgets/CanvasPlacement.h"
#include "model/widgets/PageObjects.h"
#include "model/widgets/WidgetFactory.h"

#include <gtest/gtest.h>

using namespace zorv;

TEST(Placement, RoundTripAndEdges) {
    EXPECT_EQ(canvasPointOf(0, 0), (oonedraw::GPoint{290, 55}));
    EXPECT_EQ(canvasPointOf(191, 63), (oonedraw::GPoint{672, 181}));
    for (uint16_t x : {0, 1, 95, 191})
        for (uint16_t y : {0, 7, 63})
            EXPECT_EQ(displayPointOf(canvasPointOf(x, y)), (DisplayPoint{x, y}));
    EXPECT_EQ(displayPointOf({291, 56}), (DisplayPoint{0, 0}));
    EXPECT_EQ(displayPointOf({100, 20}), (DisplayPoint{0, 0}));
    EXPECT_EQ(displayPointOf({900, 400}), (DisplayPoint{191, 63}));
}

TEST(StoreGeometry, MovedObjectWritesPositionOnly) {
    CPage page(1);
    WidgetNode* node = page.addWidget("StaticText");
    ASSERT_NE(node, nullptr);
    CStaticText text;
    applyNode(text, *node, 0, WidgetBitmaps::shared());
    text.Move(24, 10);
    const std::vector<uint8_t> before = node->record;
    ASSERT_TRUE(storeGeometry(text, *node));
    const StaticTextRecord r = node->get<StaticTextRecord>();
    EXPECT_EQ(r.x(), 12);
    EXPECT_EQ(r.y(), 5);
    EXPECT_TRUE(std::equal(before.begin() + 6, before.end(), node->record.begin() + 6));
}

TEST(StoreGeometry, ResizedBarWritesItsSizeWithinTheDisplay) {
    WidgetNode node = WidgetNode::of(1, BarRecord::makeDefault());
    CBar bar;
    ASSERT_TRUE(applyNode(bar, node, 0, WidgetBitmaps::shared()));
    bar.points = {{450, 75}, {450, 135}, {490, 135}, {490, 75}};
    ASSERT_TRUE(storeGeometry(bar, node));
    BarRecord r = node.get<BarRecord>();
    EXPECT_EQ(r.x(), 80);
    EXPECT_EQ(r.y(), 10);
    EXPECT_EQ(r.width(), 20);
    EXPECT_EQ(r.height(), 30);
    // Dragged so far right that the bar would leave the display: cut to the room left, but
    // never below the 16 pixels the property pane keeps as the least width.
    bar.Move(300, 0);
    ASSERT_TRUE(storeGeometry(bar, node));
    r = node.get<BarRecord>();
    EXPECT_EQ(r.x(), 191);
    EXPECT_EQ(r.width(), 16);
}

// A legal bar of 16 pixels at x = 180 (the pane raised a typed 10 to 16 there) must keep its
// width when its position is written back, not shrink to the 12 pixels of room.
TEST(StoreGeometry, LegalBarAtTheRightEdgeKeepsItsWidth) {
    BarRecord r = BarRecord::makeDefault();
    r.setX(180);
    r.setWidth(16);
    WidgetNode node = WidgetNode::of(1, r);
    CBar bar;
    ASSERT_TRUE(applyNode(bar, node, 0, WidgetBitmaps::shared()));
    ASSERT_TRUE(storeGeometry(bar, node));
    EXPECT_EQ(node.get<BarRecord>().x(), 180);
    EXPECT_EQ(node.get<BarRecord>().width(), 16);
}

TEST(StoreGeometry, TrendRoundTrip) {
    TrendRecord r = TrendRecord::makeDefault();
    r.setX(40);
    r.setY(8);
    r.setWidth(100);
    r.setHeight(30);
    WidgetNode node = WidgetNode::of(3, r);
    CTrend trend;
    ASSERT_TRUE(applyNode(trend, node, 0, WidgetBitmaps::shared()));
    EXPECT_EQ(trend.id, 3);
    WidgetNode back = WidgetNode::of(3, TrendRecord::makeDefault());
    ASSERT_TRUE(storeGeometry(trend, back));
    EXPECT_EQ(back.record, node.record);
}

TEST(ApplyNode, RefusesObjectOfAnotherKind) {
    const WidgetNode node = WidgetNode::of(2, BarRecord::makeDefault());
    CTrend trend;
    trend.points.assign(4, {300, 60});
    EXPECT_FALSE(applyNode(trend, node, 0, WidgetBitmaps::shared()));
    EXPECT_EQ(trend.id, -1);
    EXPECT_EQ(trend.points[0], (oonedraw::GPoint{300, 60}));
    WidgetNode truncated = node;
    truncated.record.resize(10);
    CBar bar;
    EXPECT_FALSE(applyNode(bar, truncated, 0, WidgetBitmaps::shared()));
    EXPECT_FALSE(storeGeometry(bar, truncated));
}

TEST(WidgetFactory, EveryKindMakesItsClassUnderItsTypeName) {
    for (int code = 1; code <= kWidgetKindCount; ++code) {
        const WidgetKind kind = WidgetKind(code);
        std::unique_ptr<oonedraw::GObject> object = newWidgetObject(kind);
        ASSERT_TRUE(object) << code;
        EXPECT_EQ(object->name, typeName(kind));
        if (auto* text = dynamic_cast<oonedraw::GText*>(object.get())) {
            EXPECT_EQ(text->fontFace, "Arial") << code;
        }
        std::unique_ptr<oonedraw::GObject> copy(object->NewInstance());
        ASSERT_TRUE(copy) << code;
        EXPECT_EQ(copy->name, typeName(kind));
        EXPECT_EQ(typeid(*copy), typeid(*object));
        // Every record of the kind, with its defaults, applies to the new object.
        WidgetNode node{1, kind, defaultRecord(kind)};
        EXPECT_TRUE(applyNode(*object, node, 0, WidgetBitmaps::shared())) << code;
        EXPECT_GT(object->Width(), 0) << code;
    }
    EXPECT_FALSE(newWidgetObject(WidgetKind::Page));
    EXPECT_FALSE(newWidgetObject(WidgetKind::None));
}

TEST(PageObjects, DamagedRecordsAreLeftOutAndTheRestKeepTheirOrder) {
    CPage page(1);
    page.addWidget("Bar")->id = 7;
    page.addWidget("Led")->record.resize(10); // cut short: no object can show it
    page.addWidget("StaticText")->id = 9;
    oonedraw::GCanvas canvas;
    ASSERT_EQ(addPageObjects(canvas, page, 0, WidgetBitmaps::shared()), 2);
    ASSERT_EQ(canvas.children.size(), 2u);
    EXPECT_EQ(canvas.children[0]->name, "Bar");
    EXPECT_EQ(canvas.children[0]->id, 7);
    EXPECT_EQ(canvas.children[1]->name, "StaticText");
    EXPECT_EQ(canvas.children[1]->parent, &canvas);
}
