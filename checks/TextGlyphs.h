#pragma once
// Which characters of a text the panel can draw: the image carries glyphs for the printable
// ASCII codes 0x20 to 0x7E, for GB2312 characters of the 94 x 94 grid, and for the library
// characters that UserLib.dat and Syslib1.dat hold.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// The number of characters of each library; an unknown count accepts every character.
struct LibrarySizes {
    std::optional<uint32_t> user, system;
};

// The first character of `text` that the panel cannot show, described for a message ("the
// control code 0x09", "&9F, a user character beyond the 4 of UserLib.dat" ...); nothing when
// every character can be shown.
std::optional<std::string> unshowableCharacter(std::string_view text, const LibrarySizes& sizes);

} // namespace zorv
