#include "editor/FreeSpot.h"

#include <algorithm>

namespace zorv {

namespace {

constexpr int kDisplayWidth = 192, kDisplayHeight = 64, kCell = 8;

bool overlaps(const DisplayBox& a, const DisplayBox& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

} // namespace

DisplayBox firstFreeSpot(int w, int h, const std::vector<DisplayBox>& taken) {
    for (int y = 0; y + h <= kDisplayHeight; y += kCell) {
        for (int x = 0; x + w <= kDisplayWidth; x += kCell) {
            const DisplayBox box{x, y, w, h};
            if (std::none_of(taken.begin(), taken.end(),
                             [&](const DisplayBox& t) { return overlaps(box, t); }))
                return box;
        }
    }
    return {0, 0, w, h};
}

} // namespace zorv
