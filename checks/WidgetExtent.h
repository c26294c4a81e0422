#pragma once
// The room a widget takes on the 192 x 64 display, from its record alone: texts take cells of
// 8 x 16 pixels (16 x 32 in double size), symbols 16 x 16, bars, trends and pictures their own
// size. The widest of the two languages counts.

#include <cstdint>
#include <optional>

#include "model/WidgetNode.h"

namespace zorv {

constexpr int kPanelWidth = 192, kPanelHeight = 64;

struct WidgetExtent {
    int x = 0, y = 0, width = 0, height = 0;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
};

// Nothing for a widget that shows nothing (an invisible key) or whose record is damaged.
std::optional<WidgetExtent> widgetExtent(const WidgetNode& node);

} // namespace zorv
