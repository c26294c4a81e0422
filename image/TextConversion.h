#pragma once
// Reduces a text to what the panel draws: ASCII bytes and two-byte glyph references.

#include <cstdint>
#include <span>

#include "image/GlyphCodeList.h"
#include "model/TextSlot.h"

namespace zorv {

// Replaces each "&XY" (two hexadecimal digits, either case) by the two bytes 0xFF, 0xXY,
// scanning again from the first byte after every replacement, until none is left.
void foldEscapes(TextSlot& text);

// Folds the escapes, then overwrites every double-byte code (a byte of 0x80 or more and the
// byte after it) with the reference of its glyph, looked up in the whole list and appended when
// new. A lead byte in the last position stays. False when a new code does not fit the list.
bool convertText(TextSlot& text, GlyphCodeList& glyphs);

// The symbol string of a light or key: each pair 0xFF, s (code 0xFF00 + s) becomes the
// reference of its glyph, looked up among the symbol glyphs only (from the text glyph count on).
bool convertSymbolString(std::span<uint8_t> text, GlyphCodeList& glyphs);

// The two bytes that refer to glyph k.
inline void putGlyphReference(uint8_t* at, int k) {
    at[0] = uint8_t((GlyphCodeList::kReferenceBase >> 8) + k / 256);
    at[1] = uint8_t(k % 256);
}

} // namespace zorv
