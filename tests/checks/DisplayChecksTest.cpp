// Guards the display checks: widgets that reach past the 192 x 64 display (double size, the
// wider language, symbols and pictures measured wrongly, or an exact fit reported), and texts
// whose characters the image has no glyph for.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CheckProjects.h"
#include "checks/TextGlyphs.h"
#include "checks/WidgetExtent.h"

using namespace zorv;
using namespace zorv::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

Findings checkOne(const WidgetNode& node) {
    CHCData project = ringProject(1);
    project.pageByNumber(1)->widgets.push_back(node);
    return check(project);
}

template <class R> std::vector<std::string> outside(const R& record) {
    return linesOf(checkOne(WidgetNode::of(1, record)));
}

} // namespace

TEST(OutsideDisplay, TextsMeasureTheWiderLanguageAndDoubleSize) {
    // 24 cells of 8 pixels fill the display exactly.
    EXPECT_THAT(outside(text(std::string(24, 'A'))), IsEmpty());
    EXPECT_THAT(outside(placed(text("A", std::string(24, 'B')), 8, 0)),
                ElementsAre("error page 1 StaticText 1 (8,0): reaches past the right edge (to x "
                            "200) of the 192 x 64 display"));
    StaticTextRecord big = placed(text(std::string(12, 'A')), 0, 32);
    big.setAttributes(1u << 4);
    EXPECT_THAT(outside(big), IsEmpty()); // 192 x 32 from y 32
    big.setY(40);
    EXPECT_THAT(outside(big), ElementsAre("error page 1 StaticText 1 (0,40): reaches past the "
                                          "bottom edge (to y 72) of the 192 x 64 display"));
}

TEST(OutsideDisplay, LibraryCharactersTakeTwoCells) {
    EXPECT_THAT(outside(placed(text(std::string(22, 'A') + "&1B"), 0, 0)), IsEmpty());
    EXPECT_THAT(outside(placed(text(std::string(22, 'A') + "&1B"), 8, 0)).size(), 1u);
}

TEST(OutsideDisplay, BothEdgesAtOnce) {
    BarRecord bar = placed(BarRecord::makeDefault(), 180, 20); // 16 x 48
    EXPECT_THAT(outside(bar), ElementsAre("error page 1 Bar 1 (180,20): reaches past the right "
                                          "edge (to x 196) and the bottom edge (to y 68) of the "
                                          "192 x 64 display"));
}

TEST(OutsideDisplay, SymbolsPicturesAndRegisters) {
    KeyRecord key = placed(KeyRecord::makeDefault(), 176, 48);
    EXPECT_THAT(outside(key), IsEmpty());
    key.setHand(true); // hand and key symbol: 32 pixels
    EXPECT_EQ(outside(key).size(), 1u);
    key.setAttributes(KeyRecord::kInvisible); // shows nothing
    EXPECT_THAT(outside(key), IsEmpty());

    PictureRecord pic = placed(PictureRecord{}, 100, 0);
    pic.setSize(92, 64);
    EXPECT_THAT(outside(pic), IsEmpty());
    pic.setSize(93, 64);
    EXPECT_EQ(outside(pic).size(), 1u);

    // Five digits, a decimal point and a sign: 7 cells.
    RegisterRecord reg = placed(RegisterRecord::makeDefault(), 144, 0);
    reg.setDigits(5, 2);
    EXPECT_THAT(outside(reg), IsEmpty());
    reg.setOption(RegisterRecord::kSigned, true);
    EXPECT_EQ(outside(reg).size(), 1u);
}

TEST(OutsideDisplay, MenusAndAlarmListsUseTheirRows) {
    MenuRecord menu = placed(MenuRecord::makeDefault(), 0, 16); // 3 rows of 16 from y 16
    ChoiceEntry item = menu.entry(0);
    item.value = 1; // a new menu's item jumps to page 0
    menu.setEntry(0, item);
    EXPECT_THAT(outside(menu), IsEmpty());
    menu.setRows(4);
    EXPECT_EQ(outside(menu).size(), 1u);
    const auto extent =
        widgetExtent(WidgetNode::of(1, placed(AlarmListRecord::makeDefault(), 0, 0)));
    ASSERT_TRUE(extent);
    EXPECT_EQ(extent->width, 64); // "No Alarm"
    EXPECT_EQ(extent->height, 16);
}

TEST(TextGlyphs, WhatThePanelCannotShow) {
    const LibrarySizes known{4, 40};
    EXPECT_FALSE(unshowableCharacter("Plain text ~", known));
    EXPECT_FALSE(unshowableCharacter("\xB0\xA1 &1B &83 &", known)); // a hanzi, escapes, a lone &
    EXPECT_EQ(unshowableCharacter("tab\there", known), "the control code 0x09");
    EXPECT_EQ(unshowableCharacter("del\x7F", known), "the control code 0x7F");
    EXPECT_EQ(unshowableCharacter("cut\xB0", known), "half a Chinese character (the byte 0xB0)");
    EXPECT_EQ(unshowableCharacter("\x81\x40", known),
              "the code 0x8140, which is no GB2312 character");
    EXPECT_EQ(unshowableCharacter("&84", known), "&84, a user character beyond the 4 of "
                                                 "UserLib.dat");
    EXPECT_EQ(unshowableCharacter("&28", known), "&28, a system symbol beyond the 40 of "
                                                 "Syslib1.dat");
    // Without the font files library characters are taken as they are.
    EXPECT_FALSE(unshowableCharacter("&FF", LibrarySizes{}));
}

TEST(UnshowableCharacters, NamesTheTextAndTheSystemAlarmList) {
    CHCData project = ringProject(1);
    DynamicTextRecord dyn = DynamicTextRecord::makeDefault();
    ChoiceEntry state = dyn.entry(0);
    state.text[1] = TextSlot::fromBytes("bad\x01");
    dyn.setEntry(0, state);
    addWidget(project, 1, dyn);
    project.alarmList.setEntryCount(2);
    project.alarmList.setText(1, 0, TextSlot::fromBytes("\xB0"));
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("error page 1 DynamicText 1 (0,0): the language 2 text of state 1 "
                            "holds the control code 0x01, which the panel cannot show",
                            "error project: in the system alarm list, the language 1 text of "
                            "alarm 1 holds half a Chinese character (the byte 0xB0), which the "
                            "panel cannot show"));
}
