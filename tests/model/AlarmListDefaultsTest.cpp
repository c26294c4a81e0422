// Guards a new alarm-list widget against an empty entry 0: the text shown while no alarm is
// active must be "No Alarm" in both languages, counted as an entry so that saving the project
// keeps it, as the system alarm list does.
#include <gtest/gtest.h>

#include "model/CHCData.h"
#include "model/ProjectStream.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {
void expectNoAlarmEntry(const AlarmListRecord& r) {
    EXPECT_EQ(r.entryCount(), 1);
    for (int lang = 0; lang < 2; ++lang) {
        EXPECT_EQ(r.text(0, lang).length, 8) << lang;
        EXPECT_EQ(r.text(0, lang).str(), "No Alarm") << lang;
    }
}
} // namespace

TEST(AlarmListDefaults, NewWidgetCarriesNoAlarmInBothLanguages) {
    CHCData project;
    WidgetNode* node = project.addPage(1, PlaceMode::Insert)->addWidget("Alarm");
    ASSERT_NE(node, nullptr);
    const auto r = node->get<AlarmListRecord>();
    expectNoAlarmEntry(r);
    // The widget keeps its own defaults; only entry 0 is shared with the system list.
    EXPECT_EQ(r.marker(), 0);
    EXPECT_EQ(r.buzzer(), 0);
    EXPECT_EQ(r.rows(), 1);
    EXPECT_EQ(r.registerType(), uint8_t(RegisterType::M));
    expectNoAlarmEntry(project.alarmList);
}

TEST(AlarmListDefaults, NoAlarmEntrySurvivesSaveAndRead) {
    CHCData project;
    project.addPage(1, PlaceMode::Insert)->addWidget("Alarm");
    CHCData read;
    ASSERT_TRUE(readProjectStream(projectStream(project), read));
    ASSERT_EQ(read.pageCount(), 1);
    ASSERT_EQ(read.page(0)->widgets.size(), 1u);
    expectNoAlarmEntry(read.page(0)->widgets[0].get<AlarmListRecord>());
}
