// Guards against: X/Y addresses read as decimal or not cut at octal 377, the symbol texts of
// lights and keys built from the wrong glyph or length, a custom light without pictures
// accepted, a wrong key-list/glyph/key-code mapping, unknown key codes kept, the alarm-list
// jump value lost, and coil keys allowed a D register.

#include <gtest/gtest.h>

#include "model/rules/KeyRules.h"
#include "model/rules/KeyTable.h"
#include "model/rules/LedRules.h"
#include "model/rules/SymbolTexts.h"

using namespace zorv;
using namespace zorv::rules;

namespace {
std::vector<uint8_t> bytes(std::span<const uint8_t> s) {
    return {s.begin(), s.end()};
}
} // namespace

TEST(LedConfirm, OctalAddressOfX) {
    const LedRecord copy = LedRecord::makeDefault();
    LedForm form = ledFormOf(copy);
    form.reg.type = uint8_t(RegisterType::X);
    form.reg.address = "377";
    auto result = confirmLed(copy, form);
    EXPECT_EQ(result.record.reg().address, 255);
    EXPECT_TRUE(result.messages.empty());
    form.reg.address = "400";
    result = confirmLed(copy, form);
    EXPECT_EQ(result.record.reg().address, 255);
    EXPECT_EQ(result.messages, std::vector<std::string>{"Address can not exceed 377!"});
}

TEST(LedConfirm, SymbolTextFollowsDisplayType) {
    const LedRecord copy = LedRecord::makeDefault();
    LedForm form = ledFormOf(copy);
    form.displayType = LedRecord::Square;
    LedRecord r = confirmLed(copy, form).record;
    EXPECT_EQ(bytes(r.symbolText()), (std::vector<uint8_t>{0xFF, 0x1C}));
    EXPECT_EQ(r.working(), 3);
    r.setDisplayType(LedRecord::Round);
    EXPECT_EQ(bytes(withLedSymbolText(r).symbolText()), (std::vector<uint8_t>{0xFF, 0x1B}));
}

TEST(LedConfirm, CustomNeedsAPicture) {
    LedRecord copy = LedRecord::makeDefault();
    copy.setDisplayType(LedRecord::Square);
    LedForm form = ledFormOf(copy);
    form.displayType = LedRecord::Custom;
    auto result = confirmLed(copy, form);
    EXPECT_EQ(result.messages, std::vector<std::string>{"Please add a custom image"});
    EXPECT_EQ(result.record.displayType(), LedRecord::Square);
    copy.setPictureName(1, "Pic\\lamp.bmp");
    result = confirmLed(copy, form);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.record.displayType(), LedRecord::Custom);
    EXPECT_EQ(result.record.flags() & LedRecord::kCustomPictures, LedRecord::kCustomPictures);
}

TEST(KeyTable, ListPositionsGlyphsAndCodesAgree) {
    const uint8_t codes[kKeyListSize] = {18, 24, 20, 21, 22, 23, 25, 0,  1,  2,  3,  4, 5,
                                         6,  7,  8,  9,  17, 26, 27, 28, 10, 11, 12, 13};
    for (int p = 0; p < kKeyListSize; ++p) {
        EXPECT_EQ(keyCodeOfListPosition(p), codes[p]) << kKeyListLabels[std::size_t(p)];
        EXPECT_EQ(listPositionOfKeyCode(codes[p]), p);
    }
    EXPECT_EQ(listPositionOfKeyCode(31), 0); // in the glyph table but not in the list
    EXPECT_EQ(listPositionOfKeyCode(200), 0);
}

TEST(KeyConfirm, NewKeyIsEscAndUnknownCodesBecomeEsc) {
    EXPECT_EQ(keyFormOf(KeyRecord::makeDefault()).listPosition, 0);
    KeyRecord odd = KeyRecord::makeDefault();
    odd.setKeyCode(99);
    const KeyForm form = keyFormOf(odd);
    EXPECT_EQ(form.listPosition, 0);
    const KeyRecord r = confirmKey(odd, form).record;
    EXPECT_EQ(r.keyCode(), 18);
    EXPECT_EQ(bytes(r.symbolText()), (std::vector<uint8_t>{0xFF, 0}));
}

TEST(KeyConfirm, F1WithAndWithoutHand) {
    const KeyRecord copy = KeyRecord::makeDefault();
    KeyForm form = keyFormOf(copy);
    form.listPosition = 21; // 'F1'
    KeyRecord r = confirmKey(copy, form).record;
    EXPECT_EQ(r.keyCode(), 10);
    EXPECT_EQ(bytes(r.symbolText()), (std::vector<uint8_t>{0xFF, 22}));
    EXPECT_EQ(r.working(), 3);
    form.hand = true;
    r = confirmKey(copy, form).record;
    EXPECT_EQ(bytes(r.symbolText()), (std::vector<uint8_t>{0xFF, 0x1A, 0xFF, 22}));
    EXPECT_EQ(r.working(), 5);
}

TEST(KeyConfirm, JumpToAlarmListShowsAsPage65535) {
    const KeyRecord copy = KeyRecord::makeDefault();
    KeyForm form = keyFormOf(copy);
    form.action = KeyRecord::ScreenJump;
    form.alarmList = true;
    const KeyRecord r = confirmKey(copy, form).record;
    EXPECT_EQ(r.value(), 0xFFFF);
    const KeyForm reopened = keyFormOf(r);
    EXPECT_TRUE(reopened.alarmList);
    EXPECT_EQ(reopened.page, "65535");
    EXPECT_EQ(jumpValue(false, "0"), 1);
    EXPECT_EQ(jumpValue(false, "70000"), 65535);
}

TEST(KeyConfirm, CoilOnlyOnMAndSignedValues) {
    const KeyRecord copy = KeyRecord::makeDefault();
    KeyForm form = keyFormOf(copy);
    form.reg.type = uint8_t(RegisterType::D);
    EXPECT_EQ(confirmKey(copy, form).record.reg().type, uint8_t(RegisterType::M));
    form.action = KeyRecord::RegisterStep;
    form.isSigned = true;
    form.decrease = true;
    form.value = "-40000";
    form.limit = "-7";
    const KeyRecord r = confirmKey(copy, form).record;
    EXPECT_EQ(r.reg().type, uint8_t(RegisterType::D));
    EXPECT_EQ(int16_t(r.value()), -32768);
    EXPECT_EQ(int16_t(r.limit()), -7);
    EXPECT_EQ(r.actionByte(), KeyRecord::RegisterStep | KeyRecord::kDecrease | KeyRecord::kSigned);
    EXPECT_EQ(keyFormOf(r).limit, "-7");
}
