#pragma once

#include "oonedraw/GBitmap.h"
#include "oonedraw/GDrawContext.h"
#include "oonedraw/GObject.h"

#include <string>
#include <vector>

// Lists every drawing call as one line of text, for comparing with the expected calls.
class RecordingContext : public oonedraw::GDrawContext {
public:
    void SetPen(const oonedraw::GPen&) override {}
    void SetBrush(const oonedraw::GBrush&) override {}
    void SetFont(const std::string& face, int32_t height) override {
        add("font " + face, {height});
    }
    void SetTextBackground(bool opaque) override { add("background", {opaque ? 1 : 0}); }
    void SetInvertMode(bool on) override { add("invertmode", {on ? 1 : 0}); }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        add("line", {x1, y1, x2, y2});
    }
    void Rectangle(const oonedraw::GIntRect& r) override { add("rect", rect(r)); }
    void FillRect(const oonedraw::GIntRect& r, uint32_t c) override { add("fill", rect(r), c); }
    void FrameRect(const oonedraw::GIntRect& r, uint32_t c) override { add("frame", rect(r), c); }
    void Polygon(const std::vector<oonedraw::GPoint>&) override { add("polygon", {}); }
    void Text(int32_t x, int32_t y, const std::string& t) override { add("text " + t, {x, y}); }
    void InvertRect(const oonedraw::GIntRect& r) override { add("invert", rect(r)); }
    void FocusRect(const oonedraw::GIntRect& r) override { add("focus", rect(r)); }
    // A bitmap is named by its size, which is what the drawing code chooses.
    void StretchBitmap(const oonedraw::GBitmap& b, const oonedraw::GIntRect& r,
                       uint32_t c) override {
        add("bitmap " + std::to_string(b.width()) + "x" + std::to_string(b.height()), rect(r), c);
    }
    void Pixel(int32_t x, int32_t y, uint32_t c) override { add("pixel", {x, y}, c); }

    std::vector<std::string> calls;

private:
    static std::vector<int32_t> rect(const oonedraw::GIntRect& r) {
        return {r.left, r.top, r.right, r.bottom};
    }
    void add(const std::string& what, const std::vector<int32_t>& v, uint32_t colour = 0) {
        std::string line = what;
        for (int32_t n : v)
            line += " " + std::to_string(n);
        if (colour)
            line += " #" + std::to_string(colour);
        calls.push_back(line);
    }
};
