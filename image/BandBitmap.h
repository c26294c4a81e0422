#pragma once
// The panel's bitmap format: bands of 16 rows from the top; in each band, for every pixel column
// from the left, a little-endian column word whose bit r is the pixel of the band's row r.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zorv {

// Largest picture the panel shows.
constexpr int kDisplayWidth = 192, kDisplayHeight = 64;

// Writes one band of `columns` pixel columns (2 bytes each) to `out`; pixel(r, x) tells whether
// the pixel of band row r (0 = top) and column x (0 = left) is set.
template <class Pixel> void packBand(int columns, Pixel pixel, uint8_t* out) {
    for (int x = 0; x < columns; ++x) {
        uint16_t column = 0;
        for (int r = 0; r < 16; ++r) {
            if (pixel(r, x))
                column = uint16_t(column | (1u << r));
        }
        out[2 * x] = uint8_t(column);
        out[2 * x + 1] = uint8_t(column >> 8);
    }
}

// Bytes of a width x height picture in band format: 2 x width x height rounded up to 16 / 16.
std::size_t bandBitmapLength(int width, int height);

// Converts the pixel array of a 1-bit bitmap file (rows bottom to top, each padded to 32 bits,
// most significant bit leftmost) held in `buffer`, of which the first `length` bytes are valid.
// A height that is not a multiple of 16 is padded: above 16 rows the last band repeats the
// picture's bottom 16 rows; below 16 rows the rows under the picture come from the buffer.
// Nothing when the picture is larger than the display.
std::optional<std::vector<uint8_t>>
toBandBitmap(int width, int height, std::span<const uint8_t> buffer, std::size_t length);

} // namespace zorv
