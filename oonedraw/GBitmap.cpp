#include "oonedraw/GBitmap.h"

namespace oonedraw {

GBitmap::GBitmap(int32_t width, int32_t height, uint32_t fill)
    : width_(width > 0 && height > 0 ? width : 0), height_(width > 0 && height > 0 ? height : 0),
      pixels_(size_t(width_) * size_t(height_), fill) {}

std::optional<GBitmap> GBitmap::FromBmp(std::span<const uint8_t>) {
    return std::nullopt; // TODO(bmp helper)
}

std::optional<GBitmap> GBitmap::LoadFile(const std::filesystem::path&) {
    return std::nullopt; // TODO(bmp helper)
}

} // namespace oonedraw
