#pragma once
// The panel keys: the position in the key list of the key pane, the glyph number of the key's
// built-in symbol and the key code stored in the record.

#include <array>
#include <cstdint>
#include <optional>

namespace zorv::rules {

constexpr int kKeyGlyphCount = 27;
constexpr int kKeyListSize = 25;

// The labels of the key list, in list order.
extern const std::array<const char*, kKeyListSize> kKeyListLabels;

// Key code of a glyph number 0..26.
uint8_t keyCodeOfGlyph(int glyph);
// Glyph number of a key code; none for codes outside the table.
std::optional<int> glyphOfKeyCode(uint8_t code);
// Glyph number and key code of a list position (cut to the list).
int glyphOfListPosition(int position);
uint8_t keyCodeOfListPosition(int position);
// List position of a key code; ESC (0) for a code that the list does not hold.
int listPositionOfKeyCode(uint8_t code);

} // namespace zorv::rules
