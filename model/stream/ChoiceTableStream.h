#pragma once
// The state table of a dynamic text and the item table of a menu in the project stream: the
// fixed part with the count of used entries, their values, then their texts language by
// language.

#include "model/ByteReader.h"
#include "model/records/DynamicTextRecord.h"
#include "model/records/MenuRecord.h"

namespace zorv::streamparts {

void writeChoiceTable(ByteWriter& w, const DynamicTextRecord& r);
void writeChoiceTable(ByteWriter& w, const MenuRecord& r);

// The table after the fixed part, which `rec` already holds.
bool readChoiceTable(ByteReader& r, DynamicTextRecord& rec);
bool readChoiceTable(ByteReader& r, MenuRecord& rec);

} // namespace zorv::streamparts
