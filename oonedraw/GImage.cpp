#include "oonedraw/GImage.h"

#include "oonedraw/GCanvas.h"

namespace oonedraw {

constexpr uint32_t kWhite = 0xFFFFFF;

void GImage::FitToContent() {
    if (points.size() < 4)
        return;
    points[2].x = points[3].x = points[0].x + bitmap.width * double(scale);
    points[1].y = points[2].y = points[0].y + bitmap.height * double(scale);
}

void GImage::SetScale(float value) {
    scale = value;
    FitToContent();
}

// White is the transparent colour of every panel bitmap.
void GImage::DrawShape() {
    if (!canvas || !canvas->dc || points.size() < 4)
        return;
    const int32_t x = int32_t(points[0].x);
    const int32_t y = int32_t(points[0].y);
    const GIntRect dest{x, y, x + int32_t(bitmap.width * scale),
                        y + int32_t(bitmap.height * scale)};
    canvas->dc->StretchBitmap(bitmap, dest, kWhite);
}

} // namespace oonedraw
