#pragma once
// BMP files for the tests of picture import, light pictures and the page canvas: the headers of
// a plain BITMAPINFOHEADER bitmap of any size and bit depth, pixel data zero.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "model/Bytes.h"

namespace zorv::test {

// A negative height stores the rows top-down.
inline std::vector<uint8_t> bmpBytes(int32_t width, int32_t height, uint16_t bits = 1) {
    const uint32_t stride = uint32_t((width * bits + 31) / 32) * 4;
    const uint32_t palette = bits <= 8 ? (4u << bits) : 0;
    const uint32_t offset = 14 + 40 + palette;
    std::vector<uint8_t> b(offset + stride * uint32_t(height < 0 ? -height : height), 0);
    b[0] = 'B';
    b[1] = 'M';
    le::putU32(&b[2], uint32_t(b.size()));
    le::putU32(&b[10], offset);
    le::putU32(&b[14], 40);
    le::putU32(&b[18], uint32_t(width));
    le::putU32(&b[22], uint32_t(height));
    le::putU16(&b[26], 1);
    le::putU16(&b[28], bits);
    return b;
}

inline void writeBmp(const std::filesystem::path& path, int32_t width, int32_t height,
                     uint16_t bits = 1) {
    const std::vector<uint8_t> b = bmpBytes(width, height, bits);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

} // namespace zorv::test
