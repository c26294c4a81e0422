#include "checks/TextGlyphs.h"

#include "image/GlyphTable.h"
#include "model/TextSlot.h"

namespace zorv {

namespace {

int hexValue(uint8_t c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

bool inGrid(uint8_t b) {
    return b >= 0xA1 && b <= 0xFE;
}

std::optional<std::string> libraryCharacter(unsigned number, const LibrarySizes& sizes) {
    const bool user = number >= 0x80;
    const std::optional<uint32_t>& count = user ? sizes.user : sizes.system;
    const unsigned index = user ? number - 0x80 : number;
    if (!count || index < *count)
        return std::nullopt;
    return "&" + hexCode(number, 2) + ", " + (user ? "a user character" : "a system symbol") +
           " beyond the " + std::to_string(*count) + " of " +
           (user ? "UserLib.dat" : "Syslib1.dat");
}

} // namespace

std::optional<std::string> unshowableCharacter(std::string_view text, const LibrarySizes& sizes) {
    const auto* b = reinterpret_cast<const uint8_t*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (b[i] == '&' && i + 2 < n && isHexDigit(b[i + 1]) && isHexDigit(b[i + 2])) {
            if (auto bad =
                    libraryCharacter(unsigned(hexValue(b[i + 1]) * 16 + hexValue(b[i + 2])), sizes))
                return bad;
            i += 2;
        } else if (b[i] < 0x80) {
            if (b[i] < 0x20 || b[i] == 0x7F)
                return "the control code 0x" + hexCode(b[i], 2);
        } else if (i + 1 == n) {
            return "half a Chinese character (the byte 0x" + hexCode(b[i], 2) + ")";
        } else if (b[i] == 0xFF) {
            // A library character the text already holds in the image's form.
            if (auto bad = libraryCharacter(b[i + 1], sizes))
                return bad;
            ++i;
        } else {
            if (!inGrid(b[i]) || !inGrid(b[i + 1]))
                return "the code 0x" + hexCode(unsigned(b[i]) << 8 | b[i + 1], 4) +
                       ", which is no GB2312 character";
            ++i;
        }
    }
    return std::nullopt;
}

} // namespace zorv
