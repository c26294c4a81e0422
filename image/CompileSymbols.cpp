#include "image/CompileSymbols.h"

#include <array>

namespace zorv {

namespace {

// Key codes by symbol number.
constexpr std::array<uint8_t, 27> kKeyCodes{
    0x12, 0x16, 0x17, 0x14, 0x15, 0x18, 0x19, 0x13, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05,
    0x06, 0x07, 0x08, 0x09, 0x11, 0x1A, 0x1B, 0x1C, 0x0A, 0x0B, 0x0C, 0x0D, 0x1F,
};

constexpr uint8_t kSymbolLead = 0xFF;

} // namespace

std::optional<uint8_t> keySymbolNumber(uint8_t keyCode) {
    for (std::size_t n = 0; n < kKeyCodes.size(); ++n) {
        if (kKeyCodes[n] == keyCode)
            return uint8_t(n);
    }
    return std::nullopt;
}

void setLightSymbolString(LedRecord& light) {
    const uint16_t type = light.u16(LedRecord::kDisplayTypeOff) & 3;
    const uint8_t symbol = type == LedRecord::Round    ? LedRecord::kRoundGlyph
                           : type == LedRecord::Square ? LedRecord::kSquareGlyph
                                                       : uint8_t(0x00);
    light.setU8(LedRecord::kSymbolLengthOff, 2);
    light.setU8(LedRecord::kSymbolTextOff, kSymbolLead);
    light.setU8(LedRecord::kSymbolTextOff + 1, symbol);
}

void setKeySymbolString(KeyRecord& key) {
    constexpr std::size_t text = KeyRecord::kSymbolTextOff;
    const bool hand = key.u16(KeyRecord::kHandOff) != 0;
    key.setU8(text, kSymbolLead);
    std::size_t numberOff = text + 1;
    if (hand) {
        key.setU8(KeyRecord::kSymbolLengthOff, 4);
        key.setU8(text + 1, KeyRecord::kHandGlyph);
        key.setU8(text + 2, kSymbolLead);
        numberOff = text + 3;
    } else {
        key.setU8(KeyRecord::kSymbolLengthOff, 2);
    }
    if (const auto number = keySymbolNumber(key.keyCode()))
        key.setU8(numberOff, *number);
}

} // namespace zorv
