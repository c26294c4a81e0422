#include "model/rules/SymbolTexts.h"

#include <optional>
#include <vector>

#include "model/rules/KeyTable.h"

namespace zorv::rules {

LedRecord withLedSymbolText(LedRecord r) {
    uint8_t glyph = 0x00;
    if (r.displayType() == LedRecord::Round)
        glyph = LedRecord::kRoundGlyph;
    else if (r.displayType() == LedRecord::Square)
        glyph = LedRecord::kSquareGlyph;
    const uint8_t text[] = {0xFF, glyph};
    r.setSymbolText(text);
    return r;
}

KeyRecord withKeySymbolText(KeyRecord r) {
    // A key code outside the table is shown as ESC, glyph 0.
    const uint8_t glyphByte = uint8_t(glyphOfKeyCode(r.keyCode()).value_or(0));
    std::vector<uint8_t> text;
    if (r.hand())
        text = {0xFF, KeyRecord::kHandGlyph, 0xFF, glyphByte};
    else
        text = {0xFF, glyphByte};
    r.setSymbolText(text);
    return r;
}

} // namespace zorv::rules
