#include "oonedraw/GBitmap.h"

#include <algorithm>
#include <array>

#include "platform/FileRead.h"

namespace oonedraw {

namespace {

constexpr size_t kFileHeaderSize = 14;
// BITMAPINFOHEADER and the V4 and V5 headers that extend it; only its first 40 bytes are read.
constexpr std::array<uint32_t, 3> kInfoHeaderSizes = {40, 108, 124};
constexpr int64_t kMaxSide = 4096;
constexpr std::uintmax_t kMaxFileSize = 64 << 20;

uint16_t le16(std::span<const uint8_t> b, size_t at) {
    return uint16_t(b[at] | b[at + 1] << 8);
}
uint32_t le32(std::span<const uint8_t> b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

uint32_t rgb(uint8_t r, uint8_t g, uint8_t b) {
    return uint32_t(r) << 16 | uint32_t(g) << 8 | b;
}

// The fields of the two headers that decide the layout. The file-size field of the file
// header and the image-size field of the information header are not read: the glyph file
// that text objects write for library characters carries 65535 as its file size, and the
// byte span itself says how much data there is.
struct BmpLayout {
    int32_t width = 0;
    int32_t height = 0; // rows on screen; always positive
    bool bottomUp = true;
    uint16_t bitsPerPixel = 0;
    uint32_t paletteCount = 0;
    size_t paletteOffset = 0;
    size_t dataOffset = 0;
    size_t rowStride = 0;
};

std::optional<BmpLayout> ReadLayout(std::span<const uint8_t> bytes) {
    if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M')
        return std::nullopt;
    const uint32_t headerSize = le32(bytes, 14);
    const bool knownHeader =
        std::ranges::find(kInfoHeaderSizes, headerSize) != kInfoHeaderSizes.end();
    if (!knownHeader || bytes.size() < kFileHeaderSize + headerSize)
        return std::nullopt;

    const int64_t width = int32_t(le32(bytes, 18));
    const int64_t height = int32_t(le32(bytes, 22)); // 64-bit, so that -INT32_MIN is defined
    const uint16_t planes = le16(bytes, 26);
    const uint16_t bpp = le16(bytes, 28);
    const uint32_t compression = le32(bytes, 30);
    const uint32_t coloursUsed = le32(bytes, 46);
    if (planes != 1 || compression != 0)
        return std::nullopt;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24)
        return std::nullopt;
    if (width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide)
        return std::nullopt;

    BmpLayout layout;
    layout.width = int32_t(width);
    layout.height = int32_t(height < 0 ? -height : height);
    layout.bottomUp = height > 0;
    layout.bitsPerPixel = bpp;
    layout.paletteOffset = kFileHeaderSize + headerSize;
    if (bpp <= 8) {
        const uint32_t maxColours = 1u << bpp;
        layout.paletteCount = coloursUsed == 0 ? maxColours : coloursUsed;
        if (layout.paletteCount > maxColours)
            return std::nullopt;
    }

    // Every sum below is of values under 2^33, so 64 bits cannot overflow.
    const uint64_t dataOffset = le32(bytes, 10);
    const uint64_t paletteEnd = uint64_t(layout.paletteOffset) + 4ull * layout.paletteCount;
    const uint64_t stride = (uint64_t(width) * bpp + 31) / 32 * 4;
    if (dataOffset < paletteEnd || dataOffset + stride * uint64_t(layout.height) > bytes.size())
        return std::nullopt;
    layout.dataOffset = size_t(dataOffset);
    layout.rowStride = size_t(stride);
    return layout;
}

// Palette index of pixel x in a row of 1, 4 or 8 bits per pixel; the first pixel sits in the
// high bits of the first byte.
uint32_t PaletteIndex(const uint8_t* row, int32_t x, uint16_t bpp) {
    const uint32_t bit = uint32_t(x) * bpp;
    const uint32_t shift = 8 - bpp - bit % 8;
    return (row[bit / 8] >> shift) & ((1u << bpp) - 1);
}

} // namespace

GBitmap::GBitmap(int32_t width, int32_t height, uint32_t fill)
    : width_(width > 0 && height > 0 ? width : 0), height_(width > 0 && height > 0 ? height : 0),
      pixels_(size_t(width_) * size_t(height_), fill) {}

// A pixel naming a palette entry beyond the file's palette makes the whole file unreadable:
// such a file is damaged, and guessing a colour would show a picture the panel never had.
std::optional<GBitmap> GBitmap::FromBmp(std::span<const uint8_t> bytes) {
    const auto layout = ReadLayout(bytes);
    if (!layout)
        return std::nullopt;

    std::vector<uint32_t> palette(layout->paletteCount);
    for (size_t i = 0; i < palette.size(); ++i) {
        const uint8_t* entry = &bytes[layout->paletteOffset + 4 * i]; // B, G, R, reserved
        palette[i] = rgb(entry[2], entry[1], entry[0]);
    }

    GBitmap bitmap(layout->width, layout->height);
    for (int32_t y = 0; y < layout->height; ++y) {
        const int32_t fileRow = layout->bottomUp ? layout->height - 1 - y : y;
        const uint8_t* row = &bytes[layout->dataOffset + size_t(fileRow) * layout->rowStride];
        for (int32_t x = 0; x < layout->width; ++x) {
            if (layout->bitsPerPixel == 24) {
                const uint8_t* p = row + 3 * size_t(x);
                bitmap.setPixel(x, y, rgb(p[2], p[1], p[0]));
                continue;
            }
            const uint32_t index = PaletteIndex(row, x, layout->bitsPerPixel);
            if (index >= palette.size())
                return std::nullopt;
            bitmap.setPixel(x, y, palette[index]);
        }
    }
    return bitmap;
}

std::optional<GBitmap> GBitmap::LoadFile(const std::filesystem::path& path) {
    const zorv::FileContents file = zorv::readWholeFile(path, kMaxFileSize);
    if (!file)
        return std::nullopt;
    return FromBmp(file.bytes);
}

} // namespace oonedraw
