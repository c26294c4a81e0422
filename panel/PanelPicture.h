#pragma once
// The panel's 192 x 64 one-bit display: one byte per pixel, 1 = ink. Drawing outside the
// display is clipped.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "panel/PanelDecisions.h"

namespace zorv::panel {

class PanelPicture {
public:
    bool pixel(int x, int y) const { return inside(x, y) && pixels_[index(x, y)] != 0; }
    void set(int x, int y, bool ink) {
        if (inside(x, y))
            pixels_[index(x, y)] = ink ? 1 : 0;
    }
    void clear() { pixels_.fill(0); }
    void fill(int x, int y, int w, int h, bool ink);
    void invert(int x, int y, int w, int h);
    // A one-pixel frame round the rectangle, every pixel or every other one.
    void frame(int x, int y, int w, int h, bool dotted = false);
    void hline(int x0, int x1, int y);
    void vline(int x, int y0, int y1);
    // A straight line of ink from one end to the other, both ends included.
    void line(int x0, int y0, int x1, int y1);

    // Plain PBM ("P1"): a header line "P1", "192 64", then one line of 0/1 per row.
    std::string toPbm() const;

    // Row y (0..63) as one byte a pixel, 1 for ink.
    std::span<const uint8_t, kWidth> row(int y) const {
        return std::span<const uint8_t, kWidth>(pixels_.data() + index(0, y), kWidth);
    }

    bool operator==(const PanelPicture&) const = default;

private:
    static bool inside(int x, int y) { return x >= 0 && y >= 0 && x < kWidth && y < kHeight; }
    static int index(int x, int y) { return y * kWidth + x; }
    std::array<uint8_t, kWidth * kHeight> pixels_{};
};

} // namespace zorv::panel
