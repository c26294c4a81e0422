#include "model/TextSlot.h"

#include <algorithm>
#include <cstring>

namespace zorv {

TextSlot TextSlot::fromBytes(std::string_view text) {
    TextSlot slot;
    slot.length = uint8_t(std::min(text.size(), kCapacity));
    std::copy_n(text.data(), slot.length, slot.data.begin());
    return slot;
}

TextSlot TextSlot::fromBytes(std::span<const uint8_t> text) {
    return fromBytes(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

TextSlot TextSlot::fromSlot(std::span<const uint8_t, kSize> slot) {
    TextSlot text;
    text.length = std::min<uint8_t>(slot[0], kCapacity);
    std::copy(slot.begin() + 1, slot.end(), text.data.begin());
    return text;
}

void TextSlot::toSlot(std::span<uint8_t, kSize> slot) const {
    slot[0] = length;
    std::copy(data.begin(), data.end(), slot.begin() + 1);
}

bool isHexDigit(uint8_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int textWidthCells(std::string_view text) {
    int width = int(text.size());
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] == '&' && isHexDigit(uint8_t(text[i + 1])) && isHexDigit(uint8_t(text[i + 2])))
            --width;
    }
    return width;
}

} // namespace zorv
