#pragma once
// Texts of static texts, dynamic texts and menus: the attribute check boxes and the double-size
// limit of 12 cells.

#include <cstdint>
#include <string_view>

namespace zorv::rules {

inline constexpr const char* kDoubleSizeTooLongMessage =
    "when chose double size, the string exceeds maximum allowed size!";

struct TextAttributesForm {
    bool inverted = false, border = false, virtualText = false, flashing = false,
         doubleSize = false;
};
uint8_t attributesByte(const TextAttributesForm& form);
TextAttributesForm attributesFormOf(uint8_t attributes);

// Whether the text fits 24 cells, or 12 with double size.
bool fitsTextCells(std::string_view text, bool doubleSize);

} // namespace zorv::rules
