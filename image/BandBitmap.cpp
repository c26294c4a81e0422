#include "image/BandBitmap.h"

#include <algorithm>

namespace zorv {

std::size_t bandBitmapLength(int width, int height) {
    return std::size_t(2 * width * ((height + 15) / 16));
}

std::optional<std::vector<uint8_t>>
toBandBitmap(int width, int height, std::span<const uint8_t> buffer, std::size_t length) {
    if (width < 0 || height < 0 || width > kDisplayWidth || height > kDisplayHeight)
        return std::nullopt;
    // Row width in words, and the padded height.
    const int n = width % 32 == 0 ? width / 16 : 2 * (width / 32 + 1);
    const int padded = (height + 15) / 16 * 16;
    std::vector<uint16_t> words(std::size_t(n * padded), 0);
    length = std::min(length, buffer.size());
    for (std::size_t j = 0; j < words.size() && 2 * j + 1 < buffer.size(); ++j) {
        const uint8_t first = buffer[2 * j], second = buffer[2 * j + 1];
        // The valid words are read with their first byte high; the rest as the buffer holds it.
        words[j] =
            2 * j + 1 < length ? uint16_t(first << 8 | second) : uint16_t(second << 8 | first);
    }
    auto row = [&](int r) { return words.begin() + std::ptrdiff_t(r) * n; };
    for (int r = 0; r < height / 2; ++r)
        std::swap_ranges(row(r), row(r) + n, row(height - 1 - r));
    if (height % 16 != 0 && height > 16) {
        for (int j = 15; j >= 0; --j)
            std::copy(row(height - 16 + j), row(height - 16 + j) + n, row(padded - 16 + j));
    }
    std::vector<uint8_t> out(bandBitmapLength(width, height));
    for (int b = 0; b < padded / 16; ++b) {
        const auto pixel = [&](int r, int x) {
            return (row(16 * b + r)[x / 16] >> (15 - x % 16)) & 1;
        };
        packBand(width, pixel, out.data() + std::size_t(2 * width * b));
    }
    return out;
}

} // namespace zorv
