#include "panel/PanelPicture.h"

#include <algorithm>
#include <cstdlib>

namespace zorv::panel {

void PanelPicture::fill(int x, int y, int w, int h, bool ink) {
    const int x0 = std::max(x, 0), x1 = std::min(x + w, kWidth);
    const int y0 = std::max(y, 0), y1 = std::min(y + h, kHeight);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx)
            pixels_[index(xx, yy)] = ink ? 1 : 0;
}

void PanelPicture::invert(int x, int y, int w, int h) {
    const int x0 = std::max(x, 0), x1 = std::min(x + w, kWidth);
    const int y0 = std::max(y, 0), y1 = std::min(y + h, kHeight);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx)
            pixels_[index(xx, yy)] ^= 1;
}

void PanelPicture::hline(int x0, int x1, int y) {
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
        set(x, y, true);
}

void PanelPicture::vline(int x, int y0, int y1) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        set(x, y, true);
}

void PanelPicture::line(int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    for (int err = dx + dy;;) {
        set(x0, y0, true);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void PanelPicture::frame(int x, int y, int w, int h, bool dotted) {
    if (w <= 0 || h <= 0)
        return;
    const int right = x + w - 1, bottom = y + h - 1;
    for (int xx = x; xx <= right; ++xx) {
        const bool ink = !dotted || (xx - x) % 2 == 0;
        set(xx, y, ink || pixel(xx, y));
        set(xx, bottom, ink || pixel(xx, bottom));
    }
    for (int yy = y; yy <= bottom; ++yy) {
        const bool ink = !dotted || (yy - y) % 2 == 0;
        set(x, yy, ink || pixel(x, yy));
        set(right, yy, ink || pixel(right, yy));
    }
}

std::string PanelPicture::toPbm() const {
    std::string text = "P1\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n";
    text.reserve(text.size() + (kWidth + 1) * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            text += pixels_[index(x, y)] ? '1' : '0';
        text += '\n';
    }
    return text;
}

} // namespace zorv::panel
