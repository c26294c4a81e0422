// Guards the alarm-list widget's language table against: entry 0 or the last entry lost between
// the record and the table, in-use flags beyond the entry count, texts of entries after a shorter
// table wiped, and a count over the record's 200 entries written back.
#include <gtest/gtest.h>

#include "image/AlarmLanguageTable.h"

using namespace zorv;

namespace {
AlarmListRecord threeEntries() {
    AlarmListRecord r = AlarmListRecord::makeDefault();
    const char* texts[3][2] = {{"No Alarm", "OK"}, {"Pump", "&41&42"}, {"Valve", "\xD2\xBB"}};
    for (int k = 0; k < 3; ++k) {
        r.setText(k, 0, TextSlot::fromBytes(texts[k][0]));
        r.setText(k, 1, TextSlot::fromBytes(texts[k][1]));
    }
    r.setEntryCount(3);
    return r;
}
} // namespace

TEST(AlarmLanguageTable, EntriesBecomeSlotsInOrder) {
    const LanguageTable t = languageTableOf(threeEntries());
    EXPECT_EQ(t.capacity(), 200);
    EXPECT_EQ(t.count, 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(t.entries[k].used);
        EXPECT_EQ(t.entries[k].value, k);
    }
    EXPECT_FALSE(t.entries[3].used);
    EXPECT_EQ(t.entries[1].text[0].str(), "Pump");
    EXPECT_EQ(t.entries[2].text[1].str(), "\xD2\xBB");
    EXPECT_EQ(t.widths[0], 8u); // "No Alarm"
    EXPECT_EQ(t.widths[1], 4u); // "&41&42": two library characters
}

TEST(AlarmLanguageTable, DialogRoundTripWritesTextsAndCount) {
    AlarmListRecord r = threeEntries();
    LanguageTable t = languageTableOf(r);
    LanguageTextsModel m(kAlarmTable);
    m.open(t);
    ASSERT_EQ(m.rows().size(), 3u);
    m.rows().erase(m.rows().begin() + 1); // drop "Pump"
    m.rows()[1][2] = "Ventil";
    m.confirm(t);
    storeLanguageTable(t, r);
    EXPECT_EQ(r.entryCount(), 2);
    EXPECT_EQ(r.text(0, 0).str(), "No Alarm");
    EXPECT_EQ(r.text(1, 0).str(), "Valve");
    EXPECT_EQ(r.text(1, 1).str(), "Ventil");
    EXPECT_EQ(r.text(2, 0).str(), "Valve"); // beyond the count: kept as it was
}

TEST(AlarmLanguageTable, CountIsKeptToTheRecord) {
    AlarmListRecord r = AlarmListRecord::makeDefault();
    r.setEntryCount(500); // a damaged record
    LanguageTable t = languageTableOf(r);
    EXPECT_EQ(t.count, 200);
    t.count = 250;
    storeLanguageTable(t, r);
    EXPECT_EQ(r.entryCount(), 200);
    LanguageTable small(5);
    small.count = 9;
    storeLanguageTable(small, r);
    EXPECT_EQ(r.entryCount(), 5);
}
