#pragma once

#include "oonedraw/Geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace oonedraw {

struct GPen;
struct GBrush;

class GBitmap;

// The platform drawing context the canvas paints into; integer canvas units.
class GDrawContext {
public:
    virtual ~GDrawContext() = default;
    virtual void SetPen(const GPen& pen) = 0;
    virtual void SetBrush(const GBrush& brush) = 0;
    // Text face and character height in units; text is drawn in the pen colour.
    virtual void SetFont(const std::string& face, int32_t height) = 0;
    // Opaque: text cells are filled with the brush colour behind the characters.
    virtual void SetTextBackground(bool opaque) = 0;
    // While on, lines and rectangles invert the pixels they cover (drawing twice erases).
    virtual void SetInvertMode(bool on) = 0;
    virtual void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    virtual void Rectangle(const GIntRect& r) = 0;
    virtual void FillRect(const GIntRect& r, uint32_t colour) = 0;
    virtual void FrameRect(const GIntRect& r, uint32_t colour) = 0;
    virtual void Polygon(const std::vector<GPoint>& points) = 0;
    virtual void Text(int32_t x, int32_t y, const std::string& text) = 0;
    virtual void InvertRect(const GIntRect& r) = 0;
    virtual void FocusRect(const GIntRect& r) = 0;
    // Copies the bitmap stretched into dest; pixels of the transparent colour are skipped.
    virtual void StretchBitmap(const GBitmap& bitmap, const GIntRect& dest,
                               uint32_t transparent) = 0;
    virtual void Pixel(int32_t x, int32_t y, uint32_t colour) = 0;
};

} // namespace oonedraw
