#include "model/rules/AlarmListRules.h"

#include <algorithm>

#include "model/rules/NumberEntry.h"

namespace zorv::rules {

AlarmListForm alarmListFormOf(const AlarmListRecord& r) {
    return {addressFormOf({r.station(), r.registerType(), r.start()}), std::to_string(r.rows()),
            (r.buzzer() & AlarmListRecord::kTweet) != 0, std::to_string(r.duration())};
}

uint16_t alarmStartAddress(uint16_t start, int alarms) {
    // A damaged count above the address range starts the list at 0.
    const int rows = std::clamp(alarms, 0, int(kMaxWordAddress) + 1);
    if (int(start) + rows - 1 > int(kMaxWordAddress))
        return uint16_t(kMaxWordAddress + 1 - rows);
    return start;
}

ConfirmResult<AlarmListRecord> confirmAlarmList(const AlarmListRecord& copy,
                                                const AlarmListForm& form) {
    ConfirmResult<AlarmListRecord> result{copy, {}, true};
    // Entry 0 is the "no alarm" text; the others are alarms.
    if (int(copy.entryCount()) - 1 > AlarmListRecord::kMaxAlarms) {
        result.messages.emplace_back(kTooManyAlarmsMessage);
        result.applied = false;
        return result;
    }
    AlarmListRecord& r = result.record;
    const RegisterRef reg =
        enterRegister(form.reg, {RegisterType::M, RegisterType::D}, result.messages);
    r.setStation(reg.station);
    r.setRegisterType(reg.type);
    r.setStart(alarmStartAddress(reg.address, int(r.entryCount()) - 1));
    r.setRows(uint8_t(typedNumber(form.rowsPerPage, 0, 4)));
    r.setBuzzer(uint8_t(form.tweet ? (r.buzzer() | AlarmListRecord::kTweet)
                                   : (r.buzzer() & ~AlarmListRecord::kTweet)));
    r.setDuration(uint16_t(typedNumber(form.duration, 0, 65535)));
    return result;
}

} // namespace zorv::rules
