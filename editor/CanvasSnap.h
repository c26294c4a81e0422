#pragma once
// Where a dragged widget, or the dragged edge of a resized one, comes to rest: on the left,
// centre or right (top, middle, bottom) line of another widget nearby, with a guide along that
// line, else on the grid of 8-pixel text cells that the grid dots show. Coordinates are display
// pixels; a line is the boundary left of (above) its pixel.

#include <optional>
#include <span>
#include <vector>

#include "editor/DisplayBox.h"

namespace zorv {

// How near (in display pixels) a line of another widget catches a moving one, and the grid.
inline constexpr int kSnapCatch = 3;
inline constexpr int kTextCell = 8;

struct LineSnap {
    int shift = 0;
    std::optional<int> guide; // the other widget's line that was met
};

// The lines of the boxes on one axis: left, centre and right of each box (or top, middle and
// bottom with `vertical`).
std::vector<int> linesOf(std::span<const DisplayBox> boxes, bool vertical);
// The shift that lays the moving line nearest to a target line within kSnapCatch on it; with
// none near, the shift that lays the first moving line on the text cell grid.
LineSnap snapLines(std::span<const int> moving, std::span<const int> targets);

struct Guides {
    std::optional<int> x, y; // a vertical guide at x, a horizontal one at y
    bool operator==(const Guides&) const = default;
};

struct SnappedMove {
    DisplayBox box;
    Guides guides;
};
// The box moved by its lines onto the others' lines or its corner onto the grid, then kept on
// the 192 x 64 display (a guide goes when keeping it there moves the box off its line).
SnappedMove snapMove(const DisplayBox& box, std::span<const DisplayBox> others);

struct SnappedPoint {
    int x = 0, y = 0;
    Guides guides;
};
// A dragged corner of a resized box: each coordinate onto the others' lines or the grid.
SnappedPoint snapCorner(int x, int y, std::span<const DisplayBox> others);

} // namespace zorv
