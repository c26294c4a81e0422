#include "model/widgets/RecordBitmap.h"

#include "model/widgets/CanvasPlacement.h"
#include "model/widgets/WidgetColours.h"

namespace zorv {

std::optional<oonedraw::GBitmap> bitmapFromRecordData(int32_t width, int32_t height,
                                                      std::span<const uint8_t> data) {
    if (width <= 0 || height <= 0 || width > kDisplayWidth || height > kDisplayHeight)
        return std::nullopt;
    const std::size_t stride = std::size_t((width + 31) / 32) * 4;
    if (data.size() < stride * std::size_t(height))
        return std::nullopt;
    oonedraw::GBitmap bitmap(width, height);
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* row = data.data() + stride * std::size_t(height - 1 - y);
        for (int32_t x = 0; x < width; ++x) {
            const bool set = (row[x / 8] >> (7 - x % 8)) & 1;
            bitmap.setPixel(x, y, set ? colour::kWhite : colour::kBlack);
        }
    }
    return bitmap;
}

} // namespace zorv
