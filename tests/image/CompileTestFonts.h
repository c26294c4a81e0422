#pragma once
// Synthetic font files whose glyphs tell which file and character they came from.

#include "image/GlyphFiles.h"
#include "model/Bytes.h"

namespace zorv::test {

constexpr uint8_t kUserLibMarker = 0xAA, kSyslibMarker = 0x55;

// Character n of a library carries the glyph bytes marker, n, 0, ...
inline std::vector<uint8_t> makeLibrary(uint32_t count, uint8_t marker) {
    std::vector<uint8_t> file(34 + 84 * std::size_t(count), 0);
    le::putU32(file.data() + 10, count);
    for (uint32_t n = 0; n < count; ++n) {
        file[66 + 84 * n] = marker;
        file[67 + 84 * n] = uint8_t(n);
    }
    return file;
}

// Asc16.dat: character c has the row byte c on top. Hzk14.dat: grid index i has the row word
// i << 2 on top.
inline GlyphSources makeFonts(uint32_t userCount = 128, uint32_t sysCount = 128) {
    GlyphSources fonts;
    auto& asc = fonts.file(FontFile::Asc16).emplace(16 * 128, 0);
    for (int c = 0; c < 128; ++c)
        asc[std::size_t(16 * c)] = uint8_t(c);
    auto& hzk = fonts.file(FontFile::Hzk14).emplace(94 * 94 * 28, 0);
    for (int i = 0; i < 94 * 94; ++i)
        le::putU16(hzk.data() + 28 * i, uint16_t((i << 2) >> 8 | (i << 2) << 8));
    fonts.file(FontFile::UserLib) = makeLibrary(userCount, kUserLibMarker);
    fonts.file(FontFile::Syslib1) = makeLibrary(sysCount, kSyslibMarker);
    return fonts;
}

// The grid index of a full glyph of makeFonts' Hzk14.dat, from its cell row 1.
inline int hzk14IndexOf(std::span<const uint8_t> glyph) {
    unsigned row = 0;
    for (int x = 0; x < 16; ++x)
        row |= unsigned((glyph[std::size_t(2 * x)] >> 1) & 1) << (15 - x);
    return int(row >> 1);
}

} // namespace zorv::test
