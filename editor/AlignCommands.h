#pragma once
// Lining up the selected widgets: their edges, centres and middles on one line, the spaces
// between them made equal, and bars and trends made as wide or as high as the first of them.
// Plain arithmetic on display pixels, free of any window; the view applies the result to the
// page as one edit.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/WidgetNode.h"
#include "oonedraw/GObject.h"

namespace zorv {

enum class Arrange {
    Left,
    Right,
    Top,
    Bottom,
    Centres, // the centres on one upright line
    Middles, // the middles on one level line
    Across,  // equal spaces from left to right
    Down,    // equal spaces from top to bottom
    SameWidth,
    SameHeight,
};

// A widget's place on the display in display pixels; `sized` for the kinds whose record holds
// a width and a height (bar graph, trend chart).
struct LayoutBox {
    int32_t x = 0, y = 0, width = 0, height = 0;
    bool sized = false;
    bool operator==(const LayoutBox&) const = default;
};

// The box an object of the kind takes on the display.
LayoutBox layoutBoxOf(const oonedraw::GObject& object, WidgetKind kind);
// Whether the arrangement has enough widgets to act on: two to line up, three to space out,
// two bars or trends to size alike.
bool canArrange(Arrange how, std::span<const LayoutBox> boxes);
// The boxes after the arrangement, in the same order. Everything stays inside the box the
// widgets spanned before; the sizes are the ones asked for, which storing keeps to the rules.
std::vector<LayoutBox> arranged(Arrange how, std::span<const LayoutBox> boxes);
// Writes what the arrangement changed from `before` to `after` into the node's record: the
// position, and a bar's or trend's size kept to the rules its pane keeps to a typed Wide and
// High (at least 16, within the display). False for a node without a widget record.
bool storeLayoutBox(WidgetNode& node, const LayoutBox& before, const LayoutBox& after);

} // namespace zorv
