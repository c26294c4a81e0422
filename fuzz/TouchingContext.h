#pragma once
// A drawing context for the harnesses that draw: it takes every call and reads every pixel of a
// drawn bitmap and every character of a text, as a painting context would.

#include <cstddef>
#include <string>
#include <vector>

#include "oonedraw/GBitmap.h"
#include "oonedraw/GDrawContext.h"

class TouchingContext : public oonedraw::GDrawContext {
public:
    void SetPen(const oonedraw::GPen&) override {}
    void SetBrush(const oonedraw::GBrush&) override {}
    void SetFont(const std::string&, int32_t) override {}
    void SetTextBackground(bool) override {}
    void SetInvertMode(bool) override {}
    void Line(int32_t, int32_t, int32_t, int32_t) override {}
    void Rectangle(const oonedraw::GIntRect&) override {}
    void FillRect(const oonedraw::GIntRect&, uint32_t) override {}
    void FrameRect(const oonedraw::GIntRect&, uint32_t) override {}
    void Polygon(const std::vector<oonedraw::GPoint>&) override {}
    void Text(int32_t, int32_t, const std::string& text) override { sum_ = sum_ + text.size(); }
    void InvertRect(const oonedraw::GIntRect&) override {}
    void FocusRect(const oonedraw::GIntRect&) override {}
    void StretchBitmap(const oonedraw::GBitmap& bitmap, const oonedraw::GIntRect&,
                       uint32_t) override {
        for (uint32_t pixel : bitmap.pixels())
            sum_ = sum_ + pixel;
    }
    void Pixel(int32_t, int32_t, uint32_t) override {}

private:
    volatile std::size_t sum_ = 0;
};
