#include "sim/ImageReaderCommon.h"

#include <cstdio>

namespace zorv::sim::detail {

namespace {
constexpr uint16_t kGlyphBase = 0xC000;
constexpr std::size_t kSlotTextCapacity = 24;

std::string hexPair(uint8_t a, uint8_t b) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X %02X", a, b);
    return text;
}
} // namespace

bool readString(const Region& region, uint32_t off, const StringBounds& bounds,
                const std::string& what, ImageString& out, ImageFault& fault) {
    if (off >= bounds.end)
        return fault.fail(what + " offset " + std::to_string(off) + " beyond " + bounds.endName +
                          " " + std::to_string(bounds.end));
    const uint8_t length = region.u8(off);
    if (length > kSlotTextCapacity)
        return fault.fail(what + " at " + std::to_string(off) + " has length " +
                          std::to_string(length) + ", more than 24 bytes");
    if (uint64_t(off) + 1 + length > bounds.end)
        return fault.fail(what + " at " + std::to_string(off) + " of " + std::to_string(length) +
                          " bytes runs past " + bounds.endName + " " + std::to_string(bounds.end));
    out.offset = off;
    out.bytes.assign(region.bytes.begin() + off + 1, region.bytes.begin() + off + 1 + length);
    out.chars.clear();
    const auto& b = out.bytes;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (b[i] < 0x80) {
            out.chars.push_back({ImageChar::Ascii, b[i]});
        } else if (i + 1 == b.size()) {
            out.chars.push_back({ImageChar::LoneByte, b[i]});
        } else {
            const uint16_t code = uint16_t((b[i] << 8) | b[i + 1]);
            if (code < kGlyphBase || std::size_t(code - kGlyphBase) >= bounds.glyphCount)
                return fault.fail(what + ": glyph reference " + hexPair(b[i], b[i + 1]) +
                                  " beyond the glyph table of " +
                                  std::to_string(bounds.glyphCount) + " glyphs");
            out.chars.push_back({ImageChar::Glyph, uint16_t(code - kGlyphBase)});
            ++i;
        }
    }
    return true;
}

bool readTextTable(const Region& region, uint32_t table, uint32_t first, const StringBounds& bounds,
                   const char* itemName, std::vector<ImageChoice>& choices, uint32_t& end,
                   ImageFault& fault) {
    const std::size_t count = choices.size();
    if (!region.holds(table, 4 * count) || table + 4 * count > bounds.end)
        return fault.fail(std::string("text offset table at ") + std::to_string(table) + " of " +
                          std::to_string(4 * count) + " bytes runs past " + bounds.endName + " " +
                          std::to_string(bounds.end));
    uint32_t pos = first;
    for (int lang = 0; lang < 2; ++lang) {
        for (std::size_t i = 0; i < count; ++i) {
            const std::string what = std::string(itemName) + " " + std::to_string(i) + " text " +
                                     std::to_string(lang + 1);
            const uint32_t off = region.u16(uint32_t(table + 2 * (lang * count + i)));
            if (off != pos && off < bounds.end)
                return fault.fail(what + " offset " + std::to_string(off) + ", expected " +
                                  std::to_string(pos));
            ImageString& text = choices[i].text[lang];
            if (!readString(region, off, bounds, what, text, fault))
                return false;
            pos += 1 + uint32_t(text.bytes.size());
        }
    }
    end = pos;
    return true;
}

uint32_t bandBitmapLength(uint32_t width, uint32_t height) {
    return 2 * width * ((height + 15) / 16);
}

} // namespace zorv::sim::detail
