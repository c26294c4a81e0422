#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace oonedraw {

// A raster bitmap held without any platform: width x height pixels of 0xRRGGBB, top row
// first. The panel's bitmaps (keys, lights, pictures, library characters) are loaded into it.
class GBitmap {
public:
    GBitmap() = default;
    GBitmap(int32_t width, int32_t height, uint32_t fill = 0xFFFFFF);

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    bool isNull() const { return width_ == 0 || height_ == 0; }
    uint32_t pixel(int32_t x, int32_t y) const { return pixels_[size_t(y) * width_ + x]; }
    void setPixel(int32_t x, int32_t y, uint32_t colour) {
        pixels_[size_t(y) * width_ + x] = colour;
    }
    const std::vector<uint32_t>& pixels() const { return pixels_; }

    // Decodes the bytes of a BMP file (1, 4, 8 or 24 bits per pixel, uncompressed, bottom-up
    // or top-down). Nothing when any header field, count or offset is out of range.
    static std::optional<GBitmap> FromBmp(std::span<const uint8_t> bytes);
    static std::optional<GBitmap> LoadFile(const std::filesystem::path& path);

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint32_t> pixels_;
};

using GBitmapPtr = std::shared_ptr<const GBitmap>;

} // namespace oonedraw
