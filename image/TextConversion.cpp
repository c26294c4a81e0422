#include "image/TextConversion.h"

#include <algorithm>

namespace zorv {

namespace {

uint8_t hexValue(uint8_t c) {
    if (c >= '0' && c <= '9')
        return uint8_t(c - '0');
    return uint8_t((c | 0x20) - 'a' + 10);
}

// Folds the first escape of the text; false when there is none.
bool foldFirstEscape(TextSlot& text) {
    uint8_t* d = text.data.data();
    for (std::size_t i = 0; i + 2 < text.length; ++i) {
        if (d[i] != '&' || !isHexDigit(d[i + 1]) || !isHexDigit(d[i + 2]))
            continue;
        const uint8_t value = uint8_t(hexValue(d[i + 1]) * 16 + hexValue(d[i + 2]));
        d[i] = 0xFF;
        d[i + 1] = value;
        std::copy(d + i + 3, d + text.length, d + i + 2);
        --text.length;
        d[text.length] = 0;
        return true;
    }
    return false;
}

} // namespace

void foldEscapes(TextSlot& text) {
    // A fold can make a new escape out of the value byte and what follows, hence the rescans.
    while (foldFirstEscape(text)) {
    }
}

bool convertText(TextSlot& text, GlyphCodeList& glyphs) {
    foldEscapes(text);
    uint8_t* d = text.data.data();
    for (std::size_t i = 0; i < text.length;) {
        if (d[i] < 0x80 || i + 1 >= text.length) {
            ++i;
            continue;
        }
        const auto k = glyphs.place(uint16_t(d[i] << 8 | d[i + 1]));
        if (!k)
            return false;
        putGlyphReference(d + i, *k);
        i += 2;
    }
    return true;
}

bool convertSymbolString(std::span<uint8_t> text, GlyphCodeList& glyphs) {
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const auto k = glyphs.place(uint16_t(text[i] << 8 | text[i + 1]), glyphs.textGlyphCount());
        if (!k)
            return false;
        putGlyphReference(&text[i], *k);
    }
    return true;
}

} // namespace zorv
