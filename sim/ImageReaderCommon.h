#pragma once
// Shared by the parts of the image reader: the first fault found with the place it lies, and
// bounds-checked access to a region of the image (the whole file, a page or the alarm section).

#include <cstdint>
#include <span>
#include <string>

#include "sim/ImageReaderDescription.h"

namespace zorv::sim::detail {

class ImageFault {
public:
    // Records the text with the current place in front, unless a fault was already recorded;
    // returns false so that a check can end with `return fault.fail(...)`.
    bool fail(const std::string& text) {
        if (message_.empty())
            message_ = place_.empty() ? text : place_ + ": " + text;
        return false;
    }
    void setPlace(std::string place) { place_ = std::move(place); }
    const std::string& message() const { return message_; }

private:
    std::string place_;
    std::string message_;
};

// A region of the image (a page, the alarm section) with offsets relative to its first byte.
struct Region {
    std::span<const uint8_t> bytes;

    uint32_t size() const { return uint32_t(bytes.size()); }
    bool holds(uint64_t off, uint64_t len) const { return off <= size() && len <= size() - off; }
    uint8_t u8(uint32_t off) const { return bytes[off]; }
    uint16_t u16(uint32_t off) const { return uint16_t(bytes[off] | (bytes[off + 1] << 8)); }
    uint32_t u32(uint32_t off) const { return uint32_t(u16(off)) | (uint32_t(u16(off + 2)) << 16); }
};

// Where a string may lie: up to `end` (within the region), named `endName` in messages
// ("the widget end"), with glyph references into a table of `glyphCount` glyphs.
struct StringBounds {
    uint32_t end;
    const char* endName;
    std::size_t glyphCount;
};

// Reads the string whose length byte lies at `off` and resolves its glyph references. `what`
// names it in messages ("item text").
bool readString(const Region& region, uint32_t off, const StringBounds& bounds,
                const std::string& what, ImageString& out, ImageFault& fault);

// Reads the texts of `choices` (language 1 of every choice, then language 2) through the
// table of u16 offsets at `table`. The texts follow one another from `first`; each offset must
// be where the previous text ends. Returns false on a fault, else sets `end` past the last text.
bool readTextTable(const Region& region, uint32_t table, uint32_t first, const StringBounds& bounds,
                   const char* itemName, std::vector<ImageChoice>& choices, uint32_t& end,
                   ImageFault& fault);

// Length of a bitmap of W x H pixels after conversion to the band format.
uint32_t bandBitmapLength(uint32_t width, uint32_t height);

} // namespace zorv::sim::detail
