#pragma once

#include <algorithm>
#include <cstdint>

namespace oonedraw {

struct GPoint {
    double x = 0;
    double y = 0;
    bool operator==(const GPoint&) const = default;
};

struct GIntRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    // Platform rectangle region: the right and bottom edges are excluded.
    bool contains(int32_t x, int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    bool operator==(const GIntRect&) const = default;
};

struct GRect {
    double left = 0, top = 0, right = 0, bottom = 0;

    bool isNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool isEmpty() const { return left >= right || top >= bottom; }
    GRect united(const GRect& o) const {
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    // Touching edges count as intersecting.
    bool intersects(const GRect& o) const {
        return std::max(left, o.left) <= std::min(right, o.right) &&
               std::max(top, o.top) <= std::min(bottom, o.bottom);
    }
    GIntRect truncated() const {
        return {int32_t(left), int32_t(top), int32_t(right), int32_t(bottom)};
    }
    bool operator==(const GRect&) const = default;
};

} // namespace oonedraw
