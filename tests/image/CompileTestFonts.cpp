#include "CompileTestFonts.h"

#include "model/Bytes.h"

namespace zorv::test {

std::vector<uint8_t> makeAsc16() {
    std::vector<uint8_t> file(16 * 128, 0);
    for (int c = 0; c < 128; ++c) {
        file[std::size_t(16 * c)] = uint8_t(c);
        file[std::size_t(16 * c + 15)] = 0x01;
    }
    return file;
}

std::vector<uint8_t> makeHzk14() {
    std::vector<uint8_t> file(94 * 94 * 28, 0);
    for (int i = 0; i < 94 * 94; ++i) {
        uint8_t* glyph = file.data() + 28 * i;
        const uint16_t top = uint16_t(i << 2);
        glyph[0] = uint8_t(top >> 8);
        glyph[1] = uint8_t(top);
        glyph[26] = 0x80;
    }
    return file;
}

std::vector<uint8_t> makeLibrary(uint32_t count, uint8_t marker) {
    std::vector<uint8_t> file(34 + 84 * std::size_t(count), 0);
    le::putU32(file.data() + 10, count);
    for (uint32_t n = 0; n < count; ++n) {
        file[34 + 84 * n + 32] = marker;
        file[34 + 84 * n + 33] = uint8_t(n);
    }
    return file;
}

GlyphSources makeFonts(uint32_t userCount, uint32_t sysCount) {
    GlyphSources fonts;
    fonts.file(FontFile::Asc16) = makeAsc16();
    fonts.file(FontFile::Hzk14) = makeHzk14();
    fonts.file(FontFile::UserLib) = makeLibrary(userCount, kUserLibMarker);
    fonts.file(FontFile::Syslib1) = makeLibrary(sysCount, kSyslibMarker);
    return fonts;
}

int hzk14IndexOf(std::span<const uint8_t> glyph) {
    // Cell row 1 is bit 1 of the first byte of every column; the row word was shifted right.
    unsigned row = 0;
    for (int x = 0; x < 16; ++x) {
        if (glyph[std::size_t(2 * x)] & 0x02)
            row |= 1u << (15 - x);
    }
    return (row & 1) ? -1 : int(row >> 1);
}

} // namespace zorv::test
