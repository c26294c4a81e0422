// Guards the project model's defaults, page placement and widget bookkeeping.
#include <gtest/gtest.h>

#include "model/CHCData.h"
#include "model/WidgetRecords.h"

using namespace zorv;

namespace {
std::vector<uint16_t> numbers(const CHCData& p) {
    std::vector<uint16_t> n;
    for (const auto& page : p.pages())
        n.push_back(page->number());
    return n;
}
} // namespace

TEST(ProjectModel, NewProjectDefaults) {
    CHCData p;
    EXPECT_EQ(p.pageCount(), 0);
    const auto& h = p.header.bytes;
    EXPECT_EQ(h[0], 0x12);
    EXPECT_EQ(h[1], 0x00);
    EXPECT_EQ(std::string(h.begin() + 2, h.begin() + 8), "ZORVv2");
    EXPECT_EQ(p.header.u16(36), 192);
    EXPECT_EQ(p.header.u16(38), 64);
    EXPECT_EQ(p.header.flags(), 0xC8);
    EXPECT_EQ(p.header.startPage(), 1);
    EXPECT_EQ(p.header.defaultPage(), 1);
    EXPECT_EQ(p.header.screenSaverPage(), 1);
    EXPECT_EQ(p.header.alarmPage(), 0xFFFF);
    EXPECT_EQ(p.header.passwordLevels(), 4u);
    EXPECT_EQ(p.header.registerAt(ProjectHeader::kSetControlRegOff), (RegisterRef{1, 7, 4}));
    EXPECT_EQ(p.alarmList.entryCount(), 1);
    EXPECT_EQ(p.alarmList.text(0, 0).str(), "No Alarm");
    EXPECT_EQ(p.alarmList.text(0, 1).str(), "No Alarm");
    EXPECT_EQ(p.alarmList.marker(), 255);
    EXPECT_EQ(p.alarmList.buzzer(), 255);
    EXPECT_EQ(p.alarmList.rows(), 4);
}

TEST(ProjectModel, FirstPageNeighbours) {
    CHCData p;
    CPage* page = p.addPage(1, PlaceMode::Insert);
    EXPECT_EQ(page->head.upPage(), 0);
    EXPECT_EQ(page->head.downPage(), 2);
    EXPECT_EQ(page->head.u8(2), 3);
    EXPECT_EQ(page->head.u8(5), 48);
    EXPECT_EQ(page->head.u8(6), 16);
}

TEST(ProjectModel, InsertShiftsOnlyTheConsecutiveRun) {
    CHCData p;
    for (uint16_t n : {1, 2, 3, 4, 7})
        p.addPage(n, PlaceMode::Insert);
    CPage* fresh = p.addPage(3, PlaceMode::Insert);
    EXPECT_EQ(numbers(p), (std::vector<uint16_t>{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(p.page(2), fresh);
}

TEST(ProjectModel, CoverReplacesAndKeepsCount) {
    CHCData p;
    for (uint16_t n : {1, 2, 3})
        p.addPage(n, PlaceMode::Insert);
    p.page(1)->setDescription("old");
    p.addPage(2, PlaceMode::Cover);
    EXPECT_EQ(numbers(p), (std::vector<uint16_t>{1, 2, 3}));
    EXPECT_EQ(p.page(1)->description(), "");
}

TEST(ProjectModel, CopyIsDeepAndKeepsIds) {
    CHCData p;
    CPage* src = p.addPage(1, PlaceMode::Insert);
    src->setDescription(std::string(50, 'd'));
    EXPECT_EQ(src->description().size(), 39u);
    src->addWidget("StaticText");
    src->addWidget("Key");
    CPage* copy = p.copyPage(*src, 5, PlaceMode::Insert);
    ASSERT_EQ(copy->widgetCount(), 2);
    EXPECT_EQ(copy->number(), 5);
    EXPECT_EQ(copy->widgets[1].id, 2);
    copy->widgets[0].record[12] = 1;
    EXPECT_NE(src->widgets[0].record[12], 1);
    EXPECT_EQ(copy->description(), src->description());
}

TEST(ProjectModel, WidgetIdsAndLookups) {
    CPage page(1);
    EXPECT_EQ(page.addWidget("Led")->id, 1);
    EXPECT_EQ(page.addWidget("Bar")->id, 2);
    EXPECT_EQ(page.addWidget("Menu")->id, 3);
    EXPECT_EQ(page.addWidget("key"), nullptr);
    EXPECT_EQ(page.removeWidget(2), 1);
    EXPECT_EQ(page.removeWidget(2), 0);
    EXPECT_EQ(page.widgets[1].id, 3);
    EXPECT_FALSE(page.widgetRecord(2, "Bar"));
    EXPECT_FALSE(page.widgetRecord(3, "Bar")); // wrong kind for that id
    auto menu = page.widgetRecord(3, "Menu");
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->size(), 1228u);
    EXPECT_EQ(page.addWidget("Trend")->id, 4);
}

TEST(WidgetKind, TypeNamesAreExact) {
    EXPECT_EQ(kindFromTypeName("Key"), WidgetKind::Key);
    EXPECT_EQ(kindFromTypeName("Page"), WidgetKind::Page);
    EXPECT_EQ(kindFromTypeName("KeyX"), WidgetKind::None);
    EXPECT_EQ(kindFromTypeName("key"), WidgetKind::None);
    EXPECT_EQ(kindFromTypeName("Alarm"), WidgetKind::Alarm);
    for (int k = 1; k <= kWidgetKindCount; ++k)
        EXPECT_EQ(kindFromTypeName(typeName(WidgetKind(k))), WidgetKind(k));
}

TEST(WidgetRecords, CreationDefaults) {
    auto menu = MenuRecord::makeDefault();
    EXPECT_EQ(menu.entry(0).text[0].str(), "Menu Con");
    EXPECT_EQ(menu.rows(), 3);
    EXPECT_EQ(menu.width(0), 8);
    auto dyn = DynamicTextRecord::makeDefault();
    EXPECT_EQ(dyn.entry(0).text[0].str(), "DynamicStr");
    EXPECT_EQ(dyn.width(0), 10);
    EXPECT_EQ(RegisterRecord::makeDefault().u8(13), 0x50);
    EXPECT_EQ(KeyRecord::makeDefault().keyCode(), 18);
    EXPECT_EQ(LedRecord::makeDefault().reg().type, uint8_t(RegisterType::M));
    EXPECT_EQ(TrendRecord::makeDefault().depth(), 91);
    EXPECT_EQ(BarRecord::makeDefault().fullScale(), 65535);
    EXPECT_EQ(AlarmListRecord::makeDefault().rows(), 1);
    for (int k = 1; k <= kWidgetKindCount; ++k) {
        auto bytes = defaultRecord(WidgetKind(k));
        ASSERT_EQ(bytes.size(), recordSize(WidgetKind(k)));
        EXPECT_EQ(bytes[0], k);
    }
}

TEST(TextWidth, EscapesCountTwoCells) {
    EXPECT_EQ(textWidthCells("&1B"), 2);
    EXPECT_EQ(textWidthCells("&1G"), 3);
    EXPECT_EQ(textWidthCells("ab&ffcd"), 6);
    EXPECT_EQ(textWidthCells("&1"), 2);
}

TEST(RegisterAddress, OctalEntryIsCut) {
    const uint8_t x = uint8_t(RegisterType::X), d = uint8_t(RegisterType::D);
    EXPECT_EQ(parseAddress(x, "377").address, 255);
    EXPECT_FALSE(parseAddress(x, "377").cutOctal);
    auto cut = parseAddress(x, "400");
    EXPECT_EQ(cut.address, 255);
    EXPECT_TRUE(cut.cutOctal);
    EXPECT_EQ(parseAddress(d, "9000").address, 8499);
    EXPECT_FALSE(parseAddress(d, "9000").cutOctal);
    EXPECT_EQ(parseAddress(d, "").address, 0);
    EXPECT_EQ(formatAddress(x, 255), "377");
    EXPECT_EQ(registerName(d, 100), "D100");
}
