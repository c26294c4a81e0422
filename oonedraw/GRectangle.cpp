#include "oonedraw/GRectangle.h"

namespace oonedraw {

GObject* GRectangle::HitTest(GHitInfo& hit) {
    if (points.size() < 4)
        return nullptr;
    const GIntRect region = GRect{points[0].x, points[0].y, points[2].x, points[2].y}.truncated();
    return region.contains(int32_t(hit.x), int32_t(hit.y)) ? this : nullptr;
}

} // namespace oonedraw
