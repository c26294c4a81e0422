// Guards against: a shared field offered where one of the kinds lacks it, a widget its rule
// refuses changed all the same, a widget whose fields already hold the given value corrected by
// its rule anyway (a bar near the right edge raised to 16 pixels), and a move by an offset that
// takes the selection off the display.

#include <gtest/gtest.h>

#include "model/WidgetRecords.h"
#include "model/rules/BarRules.h"
#include "model/rules/SharedFields.h"
#include "model/rules/TextRules.h"

using namespace zorv;
using namespace zorv::rules;

namespace {

SharedValues valuesOf(const WidgetNode& node) {
    return sharedValuesOf(std::span<const WidgetNode>(&node, 1));
}

} // namespace

TEST(SharedFields, OfferedOnlyWhatEveryKindHas) {
    StaticTextRecord text = StaticTextRecord::makeDefault();
    text.setText(0, TextSlot::fromBytes("Sixteen cells ok"));
    std::vector<WidgetNode> nodes{WidgetNode::of(1, text),
                                  WidgetNode::of(2, RegisterRecord::makeDefault())};
    SharedFields fields = sharedFieldsOf(nodes);
    EXPECT_FALSE(fields.hasRegister());
    EXPECT_TRUE(fields.looks[int(Look::DoubleSize)] && fields.looks[int(Look::Inverted)]);
    EXPECT_FALSE(fields.looks[int(Look::Border)]);

    // Double size: the register takes it, the text above 12 cells is refused as its pane does.
    SharedEdit edit;
    edit.looks[int(Look::DoubleSize)] = true;
    const auto refused = applySharedEdit(nodes[0], edit);
    EXPECT_FALSE(refused.applied);
    EXPECT_EQ(refused.messages, std::vector<std::string>{kDoubleSizeTooLongMessage});
    EXPECT_EQ(refused.record, nodes[0].record);
    nodes[1].record = applySharedEdit(nodes[1], edit).record;
    EXPECT_EQ(valuesOf(nodes[1]).looks[int(Look::DoubleSize)], true);
    EXPECT_FALSE(sharedValuesOf(nodes).looks[int(Look::DoubleSize)].has_value());

    nodes.push_back(WidgetNode::of(3, PictureRecord::makeDefault()));
    fields = sharedFieldsOf(nodes);
    EXPECT_TRUE(std::none_of(fields.looks.begin(), fields.looks.end(), [](bool l) { return l; }));
}

TEST(SharedFields, AWidgetHoldingTheValueIsLeftAlone) {
    BarRecord bar = BarRecord::makeDefault();
    bar.setX(180);
    bar.setWidth(12);
    const WidgetNode node = WidgetNode::of(1, bar);
    // Its rule, run over the bar as it stands, would change it.
    ASSERT_FALSE(confirmBar(bar, barFormOf(bar)).record == bar);
    SharedEdit edit;
    edit.station = "1";
    EXPECT_EQ(applySharedEdit(node, edit).record, node.record);
    edit.station = "2";
    EXPECT_EQ(valuesOf({1, WidgetKind::Bar, applySharedEdit(node, edit).record}).station, 2);
}

TEST(SharedFields, MoveStaysOnTheDisplay) {
    EXPECT_EQ(keptOffset({180, 10, 10, 10}, 20, -15), (std::array<int, 2>{2, -10}));
    EXPECT_EQ(keptOffset({0, 0, 192, 64}, 5, -5), (std::array<int, 2>{0, 0}));
    EXPECT_EQ(keptOffset({8, 8, 16, 16}, -4, 4), (std::array<int, 2>{-4, 4}));
}
