#pragma once
// The bitmap data that picture and light records hold: the pixel rows of a 1-bit bitmap file,
// bottom row first, each padded to 32 bits, the most significant bit the leftmost pixel, a set
// bit white and a clear bit black.

#include <cstdint>
#include <optional>
#include <span>

#include "oonedraw/GBitmap.h"

namespace zorv {

// Nothing when the size is empty or larger than the display, or when the data is shorter than
// `height` padded rows of `width` pixels.
std::optional<oonedraw::GBitmap> bitmapFromRecordData(int32_t width, int32_t height,
                                                      std::span<const uint8_t> data);

} // namespace zorv
