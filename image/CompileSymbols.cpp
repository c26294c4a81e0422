#include "image/CompileSymbols.h"

#include "model/rules/KeyTable.h"
#include "model/rules/SymbolTexts.h"

namespace zorv {

namespace {
constexpr uint8_t kSymbolLead = 0xFF;
} // namespace

void setLightSymbolString(LedRecord& light) {
    light = rules::withLedSymbolText(light);
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
    if (const auto glyph = rules::glyphOfKeyCode(key.keyCode()))
        key.setU8(numberOff, uint8_t(*glyph));
}

} // namespace zorv
