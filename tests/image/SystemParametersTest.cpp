// Guards the "Parameter Setting" confirm rules against: lost or misplaced header fields, a wrong
// derived current page register, the password level refusal storing anything, wrong page control
// labels, and numbers read other than as C decimals (no number gives 0, u16 fields cut to 16 bits).
#include <gtest/gtest.h>

#include "image/SystemParameters.h"
#include "platform/ScriptedPrompt.h"

using namespace zorv;

namespace {
struct LabelCase {
    bool autoTrans, report;
    const char *first, *second;
    uint16_t derived;
};
class PageControl : public testing::TestWithParam<LabelCase> {};
} // namespace

TEST_P(PageControl, LabelsAndDerivedRegister) {
    const LabelCase c = GetParam();
    const PageControlLabels labels = pageControlLabels(c.autoTrans, c.report, "10");
    EXPECT_EQ(labels.autoTrans, c.first);
    EXPECT_EQ(labels.reportCurrent, c.second);

    ProjectHeader h = ProjectHeader::makeDefault();
    SystemParameterFields f = openSystemParameters(h);
    f.autoTransPage = c.autoTrans;
    f.reportCurrentPage = c.report;
    f.pageControlAddress = "10";
    ScriptedPrompt prompt;
    ASSERT_TRUE(confirmSystemParameters(f, h, prompt));
    EXPECT_EQ(h.u16(50), 10);
    EXPECT_EQ(h.u16(54), c.derived);
    EXPECT_EQ(h.u8(52), 1);
    EXPECT_EQ(h.u8(53), 7);
    EXPECT_EQ(systemParameterEnabling(f).pageControl, c.autoTrans || c.report);
}

INSTANTIATE_TEST_SUITE_P(Options, PageControl,
                         testing::Values(LabelCase{true, true, "Corresponding to D10",
                                                   "Corresponding to D11", 11},
                                         LabelCase{false, true, "", "Corresponding to D10", 10},
                                         LabelCase{true, false, "Corresponding to D10", "", 11},
                                         LabelCase{false, false, "", "", 10}));

TEST(SystemParameters, UnchangedNewProjectKeepsEveryValue) {
    const ProjectHeader before = ProjectHeader::makeDefault();
    ProjectHeader h = before;
    h.setU8(117, 0);
    ScriptedPrompt prompt;
    ASSERT_TRUE(confirmSystemParameters(openSystemParameters(before), h, prompt));
    // The current page register follows the page control register on every confirm: a new
    // project's D1 becomes D0 while "Auto trans page," is off.
    EXPECT_EQ(h.u16(54), 0);
    h.setU16(54, 1);
    EXPECT_EQ(h, before);
    EXPECT_EQ(h.u8(117), 2);
    EXPECT_TRUE(prompt.texts.empty());
}

TEST(SystemParameters, PasswordLevelLimit) {
    ProjectHeader h = ProjectHeader::makeDefault();
    SystemParameterFields f = openSystemParameters(h);
    f.startPage = "7";
    f.passwordLevels = "5";
    ScriptedPrompt prompt;
    EXPECT_FALSE(confirmSystemParameters(f, h, prompt));
    ASSERT_EQ(prompt.texts.size(), 1u);
    EXPECT_EQ(prompt.texts[0], kPasswordLevelMessage);
    EXPECT_EQ(h, ProjectHeader::makeDefault()); // nothing stored, not even the count
    f.passwordLevels = "4";
    EXPECT_TRUE(confirmSystemParameters(f, h, prompt));
    EXPECT_EQ(h.passwordLevels(), 4u);
    EXPECT_EQ(h.startPage(), 7);
}

TEST(SystemParameters, FieldsReachTheirOffsets) {
    ProjectHeader h = ProjectHeader::makeDefault();
    SystemParameterFields f = openSystemParameters(h);
    f.startPage = "3";
    f.defaultPage = "  4x";
    f.alarmPage = "abc";     // no number gives 0
    f.screenDelay = "65537"; // a u16 field keeps the low 16 bits
    f.screenSaverPage = "9";
    f.backlightDelay = "300";
    f.screenProtection = false;
    f.backlightOff = false;
    f.autoAlarmPage = false;
    f.language = {true, 7, "20"};
    f.passwordLevel = {true, 7, "21"};
    f.registerSetControl = {true, 7, "22"};
    ScriptedPrompt prompt;
    ASSERT_TRUE(confirmSystemParameters(f, h, prompt));
    EXPECT_EQ(h.startPage(), 3);
    EXPECT_EQ(h.defaultPage(), 4);
    EXPECT_EQ(h.alarmPage(), 0);
    EXPECT_EQ(h.screenProtectDelay(), 1);
    EXPECT_EQ(h.screenSaverPage(), 9);
    EXPECT_EQ(h.backlightDelay(), 300);
    EXPECT_EQ(h.flags(), sysflag::kMultiLanguage | sysflag::kReportPasswordLevel |
                             sysflag::kRegisterSetControl);
    EXPECT_EQ(h.u16(58), 20);
    EXPECT_EQ(h.u16(46), 21);
    EXPECT_EQ(h.u16(42), 22);
    EXPECT_EQ(h.u8(56), 1); // stations keep the project's values
    const SystemParameterEnabling e = systemParameterEnabling(f);
    EXPECT_FALSE(e.screenDelay || e.screenSaverPage || e.backlightDelay);
    EXPECT_TRUE(e.language && e.passwordLevel && e.registerSetControl);
}

TEST(SystemParameters, DialogDecimal) {
    EXPECT_EQ(dialogDecimal(""), 0);
    EXPECT_EQ(dialogDecimal(" -12z"), -12);
    EXPECT_EQ(dialogDecimal("+7"), 7);
    EXPECT_EQ(dialogDecimal("99999999999"), INT32_MAX);
}
