#include "model/rules/KeyTable.h"

#include <algorithm>

namespace zorv::rules {

namespace {
constexpr std::array<uint8_t, kKeyGlyphCount> kKeyCodeByGlyph = {
    18, 22, 23, 20, 21, 24, 25, 19, 0,  1,  2,  3,  4, 5,
    6,  7,  8,  9,  17, 26, 27, 28, 10, 11, 12, 13, 31};
// ESC, SET, DOWN, UP, LEFT, RIGHT, ENT, '0'..'9', '+/-', CLR, RUN, STOP, F1..F4.
constexpr std::array<uint8_t, kKeyListSize> kGlyphByListPosition = {
    0, 5, 3, 4, 1, 2, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};
} // namespace

const std::array<const char*, kKeyListSize> kKeyListLabels = {
    "'ESC'", "'SET'", "'DOWN' ", "'UP' ", "'LEFT' ", "'RIGHT' ", "'ENT'", "'0'", "'1'",
    "'2'",   "'3'",   "'4'",     "'5'",   "'6'",     "'7'",      "'8'",   "'9'", "'+/-'",
    "'CLR'", "'RUN'", "'STOP'",  "'F1'",  "'F2'",    "'F3'",     "'F4'"};

uint8_t keyCodeOfGlyph(int glyph) {
    return kKeyCodeByGlyph[std::size_t(std::clamp(glyph, 0, kKeyGlyphCount - 1))];
}

std::optional<int> glyphOfKeyCode(uint8_t code) {
    const auto it = std::find(kKeyCodeByGlyph.begin(), kKeyCodeByGlyph.end(), code);
    if (it == kKeyCodeByGlyph.end())
        return std::nullopt;
    return int(it - kKeyCodeByGlyph.begin());
}

int glyphOfListPosition(int position) {
    return kGlyphByListPosition[std::size_t(std::clamp(position, 0, kKeyListSize - 1))];
}

uint8_t keyCodeOfListPosition(int position) {
    return keyCodeOfGlyph(glyphOfListPosition(position));
}

int listPositionOfKeyCode(uint8_t code) {
    const std::optional<int> glyph = glyphOfKeyCode(code);
    if (!glyph)
        return 0;
    const auto it = std::find(kGlyphByListPosition.begin(), kGlyphByListPosition.end(), *glyph);
    return it == kGlyphByListPosition.end() ? 0 : int(it - kGlyphByListPosition.begin());
}

} // namespace zorv::rules
