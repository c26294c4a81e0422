#pragma once

#include <cstdint>

namespace oonedraw {

class GObject;

// Filled by hit testing: kind 2 = a vertex was hit, 3 = an edge.
struct GHitInfo {
    GObject* object = nullptr;
    double x = 0;
    double y = 0;
    int32_t kind = 0;
    int32_t index = 0;
};

} // namespace oonedraw
