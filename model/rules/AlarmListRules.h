#pragma once
// Confirming an alarm-list widget. Its alarm texts are edited in the multi-language text
// editor on the record itself; the pane's fields are the register, rows and buzzer.

#include <string>

#include "model/records/AlarmListRecord.h"
#include "model/rules/ConfirmResult.h"
#include "model/rules/RegisterEntry.h"

namespace zorv::rules {

struct AlarmListForm {
    AddressForm reg; // D or M; the address is the start address
    std::string rowsPerPage = "1";
    bool tweet = false;
    std::string duration = "0";
};
AlarmListForm alarmListFormOf(const AlarmListRecord& r);

// Alarm k uses start + k - 1; when the last alarm would lie above 8499, the start moves down
// to 8500 - alarms.
uint16_t alarmStartAddress(uint16_t start, int alarms);

// Rows per page 0..4, duration 0..65535; the other buzzer bits are kept.
ConfirmResult<AlarmListRecord> confirmAlarmList(const AlarmListRecord& copy,
                                                const AlarmListForm& form);

} // namespace zorv::rules
