#pragma once
// The font sections of the image: the 95 ASCII glyphs and one full glyph per GlyphCodeList
// entry, taken from the font files.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/CompilePlace.h"
#include "image/GlyphCodeList.h"
#include "image/GlyphFiles.h"

namespace zorv {

constexpr int kAsciiFirst = 0x20, kAsciiLast = 0x7E;

// A character code as the messages name it: `digits` upper-case hexadecimal digits ("1A").
std::string hexCode(unsigned value, int digits);
constexpr std::size_t kAsciiFontBytes = 16 * (kAsciiLast - kAsciiFirst + 1); // 1520

// Appends the glyphs of the codes 0x20 to 0x7E; false, with the message, when the file is short.
bool appendAsciiFont(std::span<const uint8_t> asc16, std::vector<uint8_t>& out,
                     std::string& message);

// Appends glyph k for every entry k: a text code below 0xFF00 from Hzk14.dat, 0xFF00..0xFF7F
// from Syslib1.dat (number = low byte), 0xFF80..0xFFFF from UserLib.dat (low byte - 0x80);
// the symbols of lights and keys, from the text glyph count on, from Syslib1.dat (low byte).
// `places` tells where each code was first used. A character outside the font's data is
// refused with a message that names it and its place, and `refusedAt` is that place. All four
// files must be present.
bool appendGlyphTable(const GlyphCodeList& glyphs, const std::vector<CompilePlace>& places,
                      const GlyphSources& fonts, std::vector<uint8_t>& out, std::string& message,
                      std::optional<CompilePlace>& refusedAt);

} // namespace zorv
