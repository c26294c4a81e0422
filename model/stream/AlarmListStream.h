#pragma once
// An alarm list in the project stream, the system list and the alarm-list widget alike: its
// first 20 bytes with the entry count, then the entry texts language by language.

#include "model/ByteReader.h"
#include "model/records/AlarmListRecord.h"

namespace zorv::streamparts {

void writeAlarmList(ByteWriter& w, const AlarmListRecord& r);
// Reads the first 20 bytes and the texts over `rec`; a count beyond the capacity is refused.
bool readAlarmList(ByteReader& r, AlarmListRecord& rec);

} // namespace zorv::streamparts
