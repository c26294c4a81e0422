#include "editor/CanvasSnap.h"

#include <algorithm>
#include <cstdlib>

#include "model/widgets/CanvasPlacement.h"

namespace zorv {

namespace {

// The grid line nearest to a line (a line halfway between goes to the lower one).
int nearestCell(int line) {
    const int below = line >= 0 ? line / kTextCell * kTextCell
                                : -((-line + kTextCell - 1) / kTextCell) * kTextCell;
    return line - below <= kTextCell / 2 ? below : below + kTextCell;
}

// A shift that keeps the span [start, start + length) on 0..extent, where it fits.
int keepOn(int start, int length, int extent) {
    return std::max(0, std::min(start, extent - length)) - start;
}

} // namespace

std::vector<int> linesOf(std::span<const DisplayBox> boxes, bool vertical) {
    std::vector<int> lines;
    lines.reserve(3 * boxes.size());
    for (const DisplayBox& b : boxes) {
        const int start = vertical ? b.y : b.x, length = vertical ? b.h : b.w;
        lines.insert(lines.end(), {start, start + length / 2, start + length});
    }
    return lines;
}

LineSnap snapLines(std::span<const int> moving, std::span<const int> targets) {
    LineSnap best;
    int nearest = kSnapCatch + 1;
    for (int line : moving)
        for (int target : targets)
            if (const int d = std::abs(target - line); d < nearest) {
                nearest = d;
                best = {target - line, target};
            }
    if (!best.guide && !moving.empty())
        best.shift = nearestCell(moving.front()) - moving.front();
    return best;
}

SnappedMove snapMove(const DisplayBox& box, std::span<const DisplayBox> others) {
    const std::span<const DisplayBox> self(&box, 1);
    const LineSnap x = snapLines(linesOf(self, false), linesOf(others, false));
    const LineSnap y = snapLines(linesOf(self, true), linesOf(others, true));
    SnappedMove moved{{box.x + x.shift, box.y + y.shift, box.w, box.h}, {x.guide, y.guide}};
    const int keepX = keepOn(moved.box.x, box.w, kDisplayWidth);
    const int keepY = keepOn(moved.box.y, box.h, kDisplayHeight);
    moved.box.x += keepX;
    moved.box.y += keepY;
    if (keepX != 0)
        moved.guides.x.reset();
    if (keepY != 0)
        moved.guides.y.reset();
    return moved;
}

SnappedPoint snapCorner(int x, int y, std::span<const DisplayBox> others) {
    const LineSnap sx = snapLines(std::span<const int>(&x, 1), linesOf(others, false));
    const LineSnap sy = snapLines(std::span<const int>(&y, 1), linesOf(others, true));
    return {x + sx.shift, y + sy.shift, {sx.guide, sy.guide}};
}

} // namespace zorv
