// The alarm-list step of the translation: start bit and language-1 texts of the older alarms.
#include "image/older/OlderAlarmList.h"

namespace zorv::older {

bool translateAlarmList(OlderStream& s, AlarmListRecord& list) {
    AlarmListRecord alarms = AlarmListRecord::makeSystemDefault();
    ByteReader& in = s.in();
    alarms.setStart(in.u16());
    in.skip(103);
    const uint16_t n = in.u16();
    if (!in.ok() || n >= AlarmListRecord::kCapacity)
        return false;
    alarms.setStation(1);
    alarms.setRegisterType(0);
    alarms.setU8(12, 0);
    alarms.setX(0);
    alarms.setY(0);
    alarms.setDuration(0);
    alarms.setText(0, 1, TextSlot{});
    for (int j = 1; j <= n; ++j)
        alarms.setText(j, 0, TextSlot::fromBytes(s.text()));
    if (!in.ok())
        return false;
    alarms.setEntryCount(uint16_t(n + 1));
    list = alarms;
    return true;
}

} // namespace zorv::older
