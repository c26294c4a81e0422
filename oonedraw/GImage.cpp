#include "oonedraw/GImage.h"

#include "oonedraw/GCanvas.h"

namespace oonedraw {

constexpr uint32_t kWhite = 0xFFFFFF;

void GImage::FitToContent() {
    if (points.size() < 4)
        return;
    points[2].x = points[3].x = points[0].x + BitmapWidth() * double(scale);
    points[1].y = points[2].y = points[0].y + BitmapHeight() * double(scale);
}

bool GImage::LoadFile(const std::filesystem::path& path) {
    auto loaded = GBitmap::LoadFile(path);
    if (!loaded)
        return false;
    bitmap = std::make_shared<const GBitmap>(std::move(*loaded));
    return true;
}

void GImage::SetScale(float value) {
    scale = value;
    FitToContent();
}

// White is the transparent colour of every panel bitmap.
void GImage::DrawShape() {
    if (!canvas || !canvas->dc || !bitmap || points.size() < 4)
        return;
    const int32_t x = int32_t(points[0].x);
    const int32_t y = int32_t(points[0].y);
    const GIntRect dest{x, y, x + int32_t(BitmapWidth() * scale),
                        y + int32_t(BitmapHeight() * scale)};
    canvas->dc->StretchBitmap(*bitmap, dest, kWhite);
}

} // namespace oonedraw
