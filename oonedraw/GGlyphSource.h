#pragma once

#include "oonedraw/GBitmap.h"

#include <cstdint>

namespace oonedraw {

// Where a text object finds its library characters: "&XY" codes below 0x80 name entries of
// the system library, codes from 0x80 entries of the user library.
class GGlyphSource {
public:
    enum class Status {
        Found,     // out holds the 16 x 16 glyph
        NoEntry,   // the library has no such entry: nothing is drawn, the columns are kept
        NoLibrary, // the library file cannot be read: the object's drawing stops
    };
    virtual ~GGlyphSource() = default;
    virtual Status Glyph(uint8_t code, GBitmap& out) = 0;
};

} // namespace oonedraw
