#pragma once
// Conversion between the project's code page (ASCII and GB2312 double-byte characters) and
// UTF-8, for the texts of the JSON form and for printing.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// The UTF-8 form of code-page bytes, only when converting it back gives the very same bytes;
// nothing for bytes that are not a GB2312 text (library character bytes, a cut character).
std::optional<std::string> codePageToUtf8(std::string_view bytes);

// The code-page bytes of a UTF-8 text; nothing when the text is not valid UTF-8 or holds a
// character that GB2312 has no code for.
std::optional<std::string> utf8ToCodePage(std::string_view text);

// One character of a UTF-8 text: its code point and the number of bytes it takes.
struct Utf8Character {
    char32_t code;
    std::size_t length;
};
// The character that starts at `at`; nothing for a byte that starts no valid sequence (a stray
// continuation byte, an overlong form, a surrogate, past U+10FFFF, or cut short at the end).
std::optional<Utf8Character> utf8CharacterAt(std::string_view text, std::size_t at);
// Whether the whole text is valid UTF-8.
bool isUtf8(std::string_view text);

} // namespace zorv
