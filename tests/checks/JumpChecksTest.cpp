// Guards the page checks: a jump to a page that does not exist (which the compiler silently
// turns into a jump to the widget's own page) going unreported, a warning where the panel truly
// misbehaves, and pages that no key leads to passing as reachable.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CheckProjects.h"
#include "checks/PageGraph.h"

using namespace zorv;
using namespace zorv::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(JumpChecks, CleanRingHasNoFindings) {
    const CHCData project = ringProject();
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
}

TEST(JumpChecks, KeyToMissingPageIsAnErrorOnTheKey) {
    CHCData project = ringProject();
    const int32_t id = addWidget(project, 3, placed(jumpKey(9), 40, 48));
    const Findings findings = check(project);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].code, "jump-to-missing-page");
    EXPECT_EQ(findings[0].widget->id, id);
    EXPECT_EQ(findingLine(findings[0]), "error page 3 Key " + std::to_string(id) +
                                            " (40,48): jumps to page 9, which does "
                                            "not exist");
}

TEST(JumpChecks, KeyToAlarmListIsNoPageJump) {
    CHCData project = ringProject();
    addWidget(project, 1, jumpKey(KeyRecord::kJumpToAlarmList));
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
    project.header.setAlarmPage(7); // now the alarm page itself is missing, once
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("error project: the alarm page 7 does not exist; alarms show no page"));
}

TEST(JumpChecks, MenuItemsOnlyInPageJumpModeAndOnlyUsedOnes) {
    CHCData project = ringProject();
    MenuRecord menu = MenuRecord::makeDefault();
    ChoiceEntry item = menu.entry(0);
    item.value = 2;
    menu.setEntry(0, item);
    item.value = 12;
    menu.setEntry(1, item);
    menu.setCount(2);
    ChoiceEntry unused;
    unused.value = 99; // a cleared slot's value must not count
    menu.setEntry(2, unused);
    addWidget(project, 1, menu);
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("error page 1 Menu 1 (0,0): item 2 jumps to page 12, which does not "
                            "exist"));
    menu.setMode(MenuRecord::kModeRegisterSetting);
    project.pageByNumber(1)->widgets[0].set(menu);
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
}

TEST(JumpChecks, PasswordSuccessAndFailurePages) {
    CHCData project = ringProject();
    PasswordRecord pwd;
    pwd.setSuccessPage(2);
    pwd.setFailurePage(0); // a new control's 0: no page 0 here
    addWidget(project, 2, pwd);
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("error page 2 Password 1 (0,0): shows page 0 on failure, but it does "
                            "not exist"));
}

TEST(JumpChecks, MissingUpAndDownPagesAreWarningsUnlessANewPageHasThem) {
    CHCData project;
    CPage* page = project.addPage(1, PlaceMode::Insert); // Up 0 and Down 2, neither exists
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
    page->head.setUpPage(9);
    page->head.setDownPage(0); // page 0's Up default, not page 1's Down
    const Findings findings = check(project);
    ASSERT_EQ(findings.size(), 2u);
    for (const Finding& f : findings) {
        EXPECT_EQ(f.severity, Severity::Warning);
        EXPECT_EQ(f.code, "jump-to-missing-page");
        EXPECT_FALSE(f.widget);
    }
    EXPECT_EQ(findings[0].message, "the Up key shows page 9, which does not exist; the key does "
                                   "nothing");
    // At the ends of the page numbers the defaults wrap round as the page head holds them.
    project.addPage(65535, PlaceMode::Insert);
    page->head.setUpPage(0);
    page->head.setDownPage(2);
    EXPECT_THAT(codesOf(check(project)), ElementsAre("unreachable-page"));
}

TEST(JumpChecks, SystemParameterPages) {
    CHCData project = ringProject();
    project.header.setStartPage(5);
    project.header.setDefaultPage(6);
    project.header.setScreenSaverPage(7);
    const auto codes = codesOf(check(project));
    EXPECT_EQ(std::count(codes.begin(), codes.end(), "jump-to-missing-page"), 3);
    // Without screen protection the screen-saver page is never shown.
    project.header.setFlags(project.header.flags() & ~sysflag::kScreenProtection);
    const auto fewer = codesOf(check(project));
    EXPECT_EQ(std::count(fewer.begin(), fewer.end(), "jump-to-missing-page"), 2);
}

TEST(JumpChecks, PageWithoutWayInIsUnreachable) {
    CHCData project = ringProject(3);
    project.addPage(10, PlaceMode::Insert)->head.setUpPage(1); // leads out, nothing leads in
    project.pageByNumber(10)->head.setDownPage(2);
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("warning page 10: no key, menu, Up/Down key or password control leads "
                            "here from the start page"));
    // A key on a reachable page opens the way; one on an unreachable page would not.
    addWidget(project, 3, jumpKey(10));
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
}

TEST(JumpChecks, ReachabilityFollowsChainsAndSystemPages) {
    CHCData project;
    for (int n : {1, 2, 3, 4}) {
        CPage* page = project.addPage(uint16_t(n), PlaceMode::Insert);
        page->head.setUpPage(uint16_t(n));
        page->head.setDownPage(uint16_t(n));
    }
    addWidget(project, 1, jumpKey(2));
    addWidget(project, 2, jumpKey(3)); // 1 -> 2 -> 3; 4 only as the alarm page
    project.header.setAlarmPage(4);
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
    project.header.setAlarmPage(ProjectHeader::kNoAlarmPage);
    EXPECT_THAT(codesOf(check(project)), ElementsAre("unreachable-page"));
}

TEST(JumpChecks, ControllerChoosingPagesReachesEveryPage) {
    CHCData project = ringProject(2);
    project.addPage(9, PlaceMode::Insert)->head.setUpPage(1);
    project.pageByNumber(9)->head.setDownPage(1);
    ASSERT_THAT(codesOf(check(project)), ElementsAre("unreachable-page"));
    project.header.setFlags(project.header.flags() | sysflag::kAutoTransPage);
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
}

TEST(PageGraphJumps, CarryTheirKinds) {
    CHCData project = ringProject(2);
    addWidget(project, 1, jumpKey(2));
    PasswordRecord pwd;
    pwd.setSuccessPage(2);
    pwd.setFailurePage(1);
    addWidget(project, 2, pwd);
    const PageGraph graph = pageGraph(project);
    std::vector<std::string> kinds;
    for (const PageJump& j : graph.jumps)
        kinds.push_back(std::string(jumpKindName(j.kind)) + " " + std::to_string(*j.from) + ">" +
                        std::to_string(j.target));
    EXPECT_THAT(kinds, ElementsAre("up/down 1>2", "up/down 1>2", "key 1>2", "up/down 2>1",
                                   "up/down 2>1", "password 2>2", "password 2>1"));
    EXPECT_TRUE(graph.pages[0].start);
    EXPECT_FALSE(graph.pages[1].start);
}
