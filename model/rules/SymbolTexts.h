#pragma once
// The symbol texts of indicator lights and keys, derived on every confirm and again by the
// image compiler before it compiles.

#include "model/records/KeyRecord.h"
#include "model/records/LedRecord.h"

namespace zorv::rules {

// {0xFF, 0x1B} round, {0xFF, 0x1C} square, {0xFF, 0x00} custom (a custom light draws its
// pictures; the glyph byte stays 0).
LedRecord withLedSymbolText(LedRecord r);
// {0xFF, glyph}, or {0xFF, 0x1A, 0xFF, glyph} with the hand symbol. A key code outside the
// key table gets the glyph of ESC, as the key pane shows it.
KeyRecord withKeySymbolText(KeyRecord r);

} // namespace zorv::rules
