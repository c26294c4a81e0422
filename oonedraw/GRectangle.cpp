#include "oonedraw/GRectangle.h"

#include "oonedraw/GCanvas.h"

#include <algorithm>

namespace oonedraw {

GObject* GRectangle::HitTest(GHitInfo& hit) {
    if (points.size() < 4)
        return nullptr;
    // The corners in either order: a rotated or inverted rectangle has p2 above or left of p0.
    const GPoint a = points[0], b = points[2];
    const GIntRect region =
        GRect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}
            .truncated();
    return region.contains(int32_t(hit.x), int32_t(hit.y)) ? this : nullptr;
}

// Closed outline p0, p1, p2, p3, p0; nothing filled.
void GRectangle::DrawShape() {
    if (!canvas || !canvas->dc || points.size() < 4)
        return;
    for (size_t i = 0; i < 4; ++i) {
        const GPoint& a = points[i];
        const GPoint& b = points[(i + 1) % 4];
        canvas->dc->Line(int32_t(a.x), int32_t(a.y), int32_t(b.x), int32_t(b.y));
    }
}

} // namespace oonedraw
