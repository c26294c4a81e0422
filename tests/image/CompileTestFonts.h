#pragma once
// Small synthetic font files whose glyphs say where they came from, so that tests can tell
// which file and which character a glyph of the image was taken from.

#include <cstdint>
#include <span>
#include <vector>

#include "image/GlyphFiles.h"

namespace zorv::test {

// Asc16.dat: character c has the row byte c in its top row and 0x01 in its bottom row.
std::vector<uint8_t> makeAsc16();
// Hzk14.dat, the whole 94 x 94 grid: the character of grid index i has the row word i << 2 in
// its top row and the top-left pixel in its bottom row.
std::vector<uint8_t> makeHzk14();
// A library with `count` characters; character n carries the glyph bytes marker, n, 0, ...
std::vector<uint8_t> makeLibrary(uint32_t count, uint8_t marker);

constexpr uint8_t kUserLibMarker = 0xAA, kSyslibMarker = 0x55;

// All four files; the libraries hold 128 characters each.
GlyphSources makeFonts(uint32_t userCount = 128, uint32_t sysCount = 128);

// The grid index of a full glyph made from makeHzk14 (its cell row 1), or -1.
int hzk14IndexOf(std::span<const uint8_t> glyph);

} // namespace zorv::test
