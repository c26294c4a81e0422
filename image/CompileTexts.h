#pragma once
// Which text slots of a widget record a compile converts, in conversion order.

#include <cstdint>
#include <span>
#include <vector>

#include "model/WidgetKind.h"

namespace zorv {

// The alarm entries a compile takes from an alarm list (system list or widget): its entry
// count, cut to the room of the record.
int alarmEntriesUsed(uint16_t entryCount);

// Record offsets of the text slots to convert, each text's language 1 before its language 2:
// all 32 texts of a dynamic text, all 20 of a menu, the two of a static text, the entries
// 0 .. count-1 of an alarm list. Other kinds have none.
std::vector<std::size_t> convertedTextSlots(WidgetKind kind, std::span<const uint8_t> record);

} // namespace zorv
