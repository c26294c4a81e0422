// Guards the tag checks: a tag whose register only the system parameters use, or that a widget
// reads as the high word of a 32-bit value, taken for unused (or the reverse), a tag on
// another station taken for used, and two names on one register told more than once.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CheckProjects.h"

using namespace zorv;
using namespace zorv::test;
using ::testing::ElementsAre;

TEST(TagChecks, UnusedTagsAreInformationAndSharedRegistersAWarningTold) {
    CHCData project = ringProject(1);
    addWidget(project, 1, entryRegister(d(100), 2)); // D100-D101
    TagTable tags;
    for (const Tag& tag :
         {Tag{"Count", d(100), ""}, Tag{"Count high", d(101), ""}, Tag{"Page control", d(0), ""},
          Tag{"Far", {2, 7, 100}, ""}, Tag{"Total", d(100), ""}, Tag{"Sum", d(100), ""}})
        ASSERT_EQ(tags.add(tag), TagFault::None);
    CheckInput input{project};
    input.tags = &tags;
    Findings tagFindings;
    for (const Finding& f : runChecks(input)) {
        if (f.code.starts_with("tag"))
            tagFindings.push_back(f);
    }
    EXPECT_THAT(linesOf(tagFindings),
                ElementsAre("information project: the tag \"Page control\" names D0, which no "
                            "widget uses",
                            "information project: the tag \"Far\" names 2:D100, which no widget "
                            "uses",
                            "warning project: the tags \"Count\", \"Total\" and \"Sum\" all name "
                            "D100"));
    EXPECT_EQ(errorCount(tagFindings), 0);
}
