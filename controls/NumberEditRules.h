#pragma once
// The typing and range rules of the number box, free of any window system: which typed
// characters it takes where, what its Ctrl shortcuts do, and how its text is corrected after
// each change.

#include <cstdint>
#include <string>
#include <string_view>

namespace zorv::numberedit {

// Whether a typed character is taken when it goes in at `position` (the caret, or the start of
// the selection it replaces): digits, Backspace and the copy, cut and paste control characters;
// a minus sign only at the start and only when the minimum is negative.
bool acceptsTypedCharacter(char32_t character, int position, int32_t minimum);

enum class Shortcut { None, SelectAll, Copy, Cut, Paste, Undo };
// What Ctrl plus a letter does (A, C, X, V, Z in either case); None for any other key.
Shortcut ctrlShortcut(char32_t letter);

// The length limit of `text`: one more than `baseLimit` while the text carries a minus sign.
int lengthLimit(std::string_view text, int baseLimit);

// The value of a text: an optional leading minus and decimal digits, 0 when it has none;
// saturated at the 64-bit range.
int64_t textValue(std::string_view text);

// The text after a change: characters other than digits and minus signs are dropped (pasted
// text), minus signs too when the minimum is not negative; a minus sign anywhere but at the start
// makes the text start at the last such minus; the text is cut to its length limit; a text that
// reaches the limit and lies outside [minimum, maximum] becomes the nearer bound in decimal.
std::string correctedText(std::string_view text, int32_t minimum, uint32_t maximum, int baseLimit);

} // namespace zorv::numberedit
