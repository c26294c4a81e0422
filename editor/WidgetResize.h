#pragma once
// Resizing a widget by a corner handle: which kinds keep a size in their record, and the box and
// record a dragged corner gives, kept to the rules the kind's property pane applies to a typed
// Wide and High. Coordinates are display pixels.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "editor/DisplayBox.h"
#include "model/WidgetKind.h"

namespace zorv {

// The corners in the order of a rectangle object's vertices.
enum class Corner { TopLeft = 0, BottomLeft = 1, BottomRight = 2, TopRight = 3 };

// Bar graphs and trend charts keep a width and a height; every other kind takes the size of its
// texts or pictures.
bool hasSize(WidgetKind kind);

// The record placed and sized as the box says, stored as its pane stores a typed position and
// size: the size cut to its bounds, and what depends on it (a trend's dot pitch) cut with it.
// Nothing for a kind without a size or a record of another length.
std::optional<std::vector<uint8_t>> sizedRecord(WidgetKind kind, std::span<const uint8_t> record,
                                                const DisplayBox& box);

struct Resized {
    DisplayBox box;
    std::vector<uint8_t> record;
};
// The corner moved to the pixel `to`, the opposite corner kept. Where the rules cut the size,
// the dragged edges stop and the kept ones stay; the box never leaves the display's left and
// top edges.
std::optional<Resized> resizeByCorner(WidgetKind kind, std::span<const uint8_t> record,
                                      const DisplayBox& start, Corner corner, int toX, int toY);

} // namespace zorv
