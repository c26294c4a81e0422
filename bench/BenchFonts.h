#pragma once
// Font files for the benchmarks: every ASCII and GB2312 glyph present, and two libraries of 128
// characters, so that any text the benchmark projects hold compiles.

#include <cstdint>
#include <vector>

#include "image/GlyphFiles.h"
#include "model/Bytes.h"

namespace zorv::bench {

inline std::vector<uint8_t> benchLibrary() {
    std::vector<uint8_t> file(34 + 84 * 128, 0x5A);
    le::putU32(file.data() + 10, 128);
    return file;
}

inline GlyphSources benchFonts() {
    GlyphSources f;
    f.file(FontFile::Asc16) = std::vector<uint8_t>(16 * 128, 0x18);
    f.file(FontFile::Hzk14) = std::vector<uint8_t>(94 * 94 * 28, 0x3C);
    f.file(FontFile::UserLib) = benchLibrary();
    f.file(FontFile::Syslib1) = benchLibrary();
    return f;
}

} // namespace zorv::bench
