// Guards the landing place of pasted widgets: ids taken again, a widget dropped exactly onto
// another, and a stepped group pushed out of the display at the right or bottom edge.
#include <gtest/gtest.h>

#include "model/Bytes.h"
#include "model/widgets/PastePlacement.h"

using namespace zorv;

namespace {

WidgetNode keyAt(int x, int y) {
    CPage scratch;
    WidgetNode node = *scratch.addWidget("Key");
    le::putU16(node.record.data() + 2, uint16_t(x));
    le::putU16(node.record.data() + 4, uint16_t(y));
    return node;
}

int xOf(const WidgetNode& n) {
    return le::u16(n.record.data() + 2);
}
int yOf(const WidgetNode& n) {
    return le::u16(n.record.data() + 4);
}

} // namespace

TEST(PastePlacement, FreePlaceKeptWithFreshIds) {
    CPage page(1);
    page.widgets.push_back(keyAt(0, 0));
    page.nextWidgetId = 2;
    const auto ids = pasteIntoPage(page, {keyAt(40, 20), keyAt(80, 30)}, 4);
    EXPECT_EQ(ids, (std::vector<int32_t>{2, 3}));
    EXPECT_EQ(page.nextWidgetId, 4);
    EXPECT_EQ(xOf(page.widgets[1]), 40);
    EXPECT_EQ(yOf(page.widgets[2]), 30);
}

TEST(PastePlacement, OccupiedPlaceStepsTheGroupInward) {
    CPage page(1);
    page.widgets.push_back(keyAt(10, 10));
    page.widgets.push_back(keyAt(188, 62));
    pasteIntoPage(page, {keyAt(10, 10), keyAt(20, 12)}, 4);
    EXPECT_EQ(xOf(page.widgets[2]), 14);
    EXPECT_EQ(yOf(page.widgets[3]), 16);
    // At the bottom right the step goes up and left, inside the display.
    pasteIntoPage(page, {keyAt(188, 62)}, 4);
    EXPECT_EQ(xOf(page.widgets.back()), 184);
    EXPECT_EQ(yOf(page.widgets.back()), 58);
}
