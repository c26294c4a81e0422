#pragma once
// The built-in symbol strings that a compile gives indicator lights and keys (0xFF and a
// Syslib1.dat symbol number, behind the hand symbol 0xFF 0x1A on hand-type keys).

#include <cstdint>

#include "model/records/KeyRecord.h"
#include "model/records/LedRecord.h"

namespace zorv {

// Round lights get symbol 0x1B, square ones 0x1C, custom ones 0x00.
void setLightSymbolString(LedRecord& light);

// Sets the length, the 0xFF bytes and the hand; the symbol number byte keeps its value when
// the key code is unknown.
void setKeySymbolString(KeyRecord& key);

} // namespace zorv
