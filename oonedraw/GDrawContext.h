#pragma once

#include "oonedraw/Geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace oonedraw {

struct GPen;
struct GBrush;

// A platform bitmap the context can copy from; the handle is the platform's own key.
struct GBitmapRef {
    uint32_t handle = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The platform drawing context the canvas paints into; integer canvas units.
class GDrawContext {
public:
    virtual ~GDrawContext() = default;
    virtual void SetPen(const GPen& pen) = 0;
    virtual void SetBrush(const GBrush& brush) = 0;
    virtual void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    virtual void Rectangle(const GIntRect& r) = 0;
    virtual void FillRect(const GIntRect& r, uint32_t colour) = 0;
    virtual void FrameRect(const GIntRect& r, uint32_t colour) = 0;
    virtual void Polygon(const std::vector<GPoint>& points) = 0;
    virtual void Text(int32_t x, int32_t y, const std::string& text) = 0;
    virtual void InvertRect(const GIntRect& r) = 0;
    virtual void FocusRect(const GIntRect& r) = 0;
    // Copies the bitmap stretched into dest; pixels of the transparent colour are skipped.
    virtual void StretchBitmap(const GBitmapRef& bitmap, const GIntRect& dest,
                               uint32_t transparent) = 0;
    virtual void Pixel(int32_t x, int32_t y, uint32_t colour) = 0;
};

} // namespace oonedraw
