#pragma once
// The system alarm list of a translated project, from the end of the older file.

#include "image/older/OlderStream.h"
#include "model/records/AlarmListRecord.h"

namespace zorv::older {

// The alarm list after the last page record: its start bit and its texts in language 1. `list`
// is replaced only when the whole list is sound; more than 199 alarms are refused.
bool translateAlarmList(OlderStream& s, AlarmListRecord& list);

} // namespace zorv::older
