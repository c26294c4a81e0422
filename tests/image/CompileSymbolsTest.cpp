// Guards the symbol strings of keys: a wrong symbol number for a key code, the hand missing or
// misplaced (or taken only from a flag of 1), and an unknown key code overwriting the stored
// symbol. The lamps of lights: CompileImageTest.
#include <gtest/gtest.h>

#include "image/CompileSymbols.h"

using namespace zorv;

namespace {

using Bytes = std::vector<uint8_t>;

template <class R> Bytes symbolOf(const R& r) {
    return {r.symbolText().begin(), r.symbolText().end()};
}

struct KeyCase {
    uint8_t code;
    uint16_t hand;
    Bytes symbol;
};

class KeySymbols : public testing::TestWithParam<KeyCase> {};

TEST_P(KeySymbols, FollowTheKeyCodeTable) {
    KeyRecord key = KeyRecord::makeDefault();
    key.setKeyCode(GetParam().code);
    key.setU16(KeyRecord::kHandOff, GetParam().hand);
    key.setU8(KeyRecord::kSymbolTextOff + 1, 0x33); // what an unknown code leaves
    setKeySymbolString(key);
    EXPECT_EQ(Bytes(key.symbolText().begin(), key.symbolText().end()), GetParam().symbol);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeySymbols,
    testing::Values(KeyCase{0x1F, 1, {0xFF, 0x1A, 0xFF, 0x1A}}, KeyCase{0x1F, 0, {0xFF, 0x1A}},
                    KeyCase{10, 0, {0xFF, 0x16}},                                           // F1
                    KeyCase{10, 2, {0xFF, 0x1A, 0xFF, 0x16}}, KeyCase{18, 0, {0xFF, 0x00}}, // ESC
                    KeyCase{0x13, 0, {0xFF, 0x07}}, KeyCase{9, 0, {0xFF, 0x11}},
                    KeyCase{0x40, 0, {0xFF, 0x33}}));

} // namespace
