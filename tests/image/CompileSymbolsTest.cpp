// Guards the symbol strings of keys and lights: a wrong symbol number for a key code, the hand
// left out or put in the wrong place, an unknown key code overwriting the stored symbol, and
// the wrong lamp symbol for a display type.
#include <gtest/gtest.h>

#include "image/CompileSymbols.h"

using namespace zorv;

namespace {

std::vector<uint8_t> symbolOf(const KeyRecord& k) {
    auto s = k.symbolText();
    return {s.begin(), s.end()};
}

struct KeyCase {
    uint8_t code;
    bool hand;
    std::vector<uint8_t> symbol;
};

class KeySymbols : public testing::TestWithParam<KeyCase> {};

TEST_P(KeySymbols, FollowTheKeyCodeTable) {
    KeyRecord key = KeyRecord::makeDefault();
    key.setKeyCode(GetParam().code);
    key.setHand(GetParam().hand);
    setKeySymbolString(key);
    EXPECT_EQ(symbolOf(key), GetParam().symbol);
    EXPECT_EQ(key.u8(KeyRecord::kSymbolTextOff - 1), GetParam().symbol.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, KeySymbols,
                         testing::Values(KeyCase{0x1F, true, {0xFF, 0x1A, 0xFF, 0x1A}},
                                         KeyCase{0x1F, false, {0xFF, 0x1A}},
                                         KeyCase{10, false, {0xFF, 0x16}}, // F1
                                         KeyCase{10, true, {0xFF, 0x1A, 0xFF, 0x16}},
                                         KeyCase{18, false, {0xFF, 0x00}},   // ESC
                                         KeyCase{0x13, false, {0xFF, 0x07}}, // first gap
                                         KeyCase{9, false, {0xFF, 0x11}},    // '9'
                                         KeyCase{13, false, {0xFF, 0x19}})); // F4

TEST(KeySymbols, AnyNonzeroHandFlagChoosesTheHand) {
    KeyRecord key = KeyRecord::makeDefault();
    key.setU16(KeyRecord::kHandOff, 2);
    setKeySymbolString(key);
    EXPECT_EQ(key.symbolLength(), 4);
}

TEST(KeySymbols, UnknownKeyCodeKeepsTheStoredNumber) {
    KeyRecord key = KeyRecord::makeDefault();
    key.setKeyCode(0x40);
    key.setU8(KeyRecord::kSymbolTextOff + 1, 0x33);
    setKeySymbolString(key);
    EXPECT_EQ(symbolOf(key), (std::vector<uint8_t>{0xFF, 0x33}));
    EXPECT_FALSE(keySymbolNumber(0x40));
    EXPECT_FALSE(keySymbolNumber(0x0E));
}

TEST(LightSymbols, FollowTheDisplayType) {
    const std::pair<uint16_t, uint8_t> cases[] = {
        {0, 0x1B}, {1, 0x1C}, {2, 0x00}, {3, 0x00}, {0x0101, 0x1C}};
    for (auto [type, symbol] : cases) {
        LedRecord light = LedRecord::makeDefault();
        light.setU16(LedRecord::kDisplayTypeOff, type);
        setLightSymbolString(light);
        auto s = light.symbolText();
        EXPECT_EQ(std::vector<uint8_t>(s.begin(), s.end()), (std::vector<uint8_t>{0xFF, symbol}))
            << "display type " << type;
    }
}

} // namespace
