// Guards against: an alarm list whose last alarm lies beyond M8499 (off-by-one in the
// clamp), the "no alarm" entry counted as an alarm, and rows, levels or modes not cut.

#include <gtest/gtest.h>

#include "model/rules/AlarmListRules.h"
#include "model/rules/PasswordRules.h"

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

TEST(PasswordConfirm, FieldsCutAndFlagKept) {
    PasswordRecord copy = PasswordRecord::makeDefault();
    copy.setLevel(1, 4);
    PasswordForm form = passwordFormOf(copy);
    form.level = "9";
    form.mode = 7;
    form.successPage = "70000";
    const PasswordRecord r = confirmPassword(copy, form).record;
    EXPECT_EQ(r.level(), 4);
    EXPECT_EQ(r.levelFlag(), 4);
    EXPECT_EQ(r.mode(), PasswordRecord::Update);
    EXPECT_EQ(r.successPage(), 65535);
}
