// Guards against: an alarm list whose last alarm lies beyond M8499 (off-by-one in the
// clamp), the "no alarm" entry counted as an alarm, rows per page not cut, and a widget taking
// more alarms than the panel shows.

#include <gtest/gtest.h>

#include "model/rules/AlarmListRules.h"

using namespace zorv;
using namespace zorv::rules;

TEST(AlarmListConfirm, StartMovesDownSoTheLastAlarmFits) {
    AlarmListRecord copy = AlarmListRecord::makeDefault();
    copy.setEntryCount(16); // "no alarm" and 15 alarms
    AlarmListForm form = alarmListFormOf(copy);
    form.reg.address = "8490";
    form.rowsPerPage = "9";
    const AlarmListRecord r = confirmAlarmList(copy, form).record;
    EXPECT_EQ(r.start(), 8485);
    EXPECT_EQ(r.rows(), 4);
    EXPECT_EQ(alarmStartAddress(8485, 15), 8485);
    EXPECT_EQ(alarmStartAddress(8486, 15), 8485);
    EXPECT_EQ(alarmStartAddress(8499, 0), 8499);
}

TEST(AlarmListConfirm, MoreThanSixtyFourAlarmsAreRefusedAsInTheSystemList) {
    AlarmListRecord copy = AlarmListRecord::makeDefault();
    const AlarmListForm form = alarmListFormOf(copy);
    copy.setEntryCount(65); // "no alarm" and 64 alarms
    EXPECT_TRUE(confirmAlarmList(copy, form).applied);
    copy.setEntryCount(66);
    const auto refused = confirmAlarmList(copy, form);
    EXPECT_FALSE(refused.applied);
    EXPECT_EQ(refused.messages, std::vector<std::string>{kTooManyAlarmsMessage});
}
