#pragma once
// A widget's box on the 192 x 64 display, in display pixels: its top-left pixel and its size.

namespace zorv {

struct DisplayBox {
    int x = 0, y = 0, w = 0, h = 0;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
    bool operator==(const DisplayBox&) const = default;
};

} // namespace zorv
