// Guards against: typed numbers not cut to the nearest bound, text without digits not read as
// 0, the edit box showing the typed value instead of the bound used, overflow on long digit
// runs, register bounds cut to the wrong range for their count and sign, the bound order
// checked on registers or with a strict comparison, and signed kept in HEX/BCD mode.

#include <gtest/gtest.h>

#include "model/rules/NumberEntry.h"
#include "model/rules/RegisterRules.h"

using namespace zorv;
using namespace zorv::rules;

struct EntryCase {
    const char* typed;
    int64_t lo, hi;
    const char* shown;
};
class NumberEntryCut : public testing::TestWithParam<EntryCase> {};

TEST_P(NumberEntryCut, ShowsTheBoundUsed) {
    const EntryCase& c = GetParam();
    EXPECT_EQ(enterNumber(c.typed, c.lo, c.hi).shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, NumberEntryCut,
    testing::Values(EntryCase{"9000", 0, 8499, "8499"}, EntryCase{"-3", 0, 8499, "0"},
                    EntryCase{"abc", 1, 255, "1"}, EntryCase{"", 0, 65535, "0"},
                    EntryCase{"12x", 0, 100, "12"}, EntryCase{" 7", 0, 100, "7"},
                    EntryCase{"99999999999999999999999", 0, 65535, "65535"},
                    EntryCase{"-99999999999999999999999", INT32_MIN, INT32_MAX, "-2147483648"}));

namespace {
RegisterRecord confirmBounds(bool isSigned, int registers, const char* upper, const char* lower,
                             std::vector<std::string>* messages = nullptr) {
    const RegisterRecord copy = RegisterRecord::makeDefault();
    RegisterForm form = registerFormOf(copy);
    form.isSigned = isSigned;
    form.registers = registers;
    form.upper.input = upper;
    form.lower.input = lower;
    const auto result = confirmRegister(copy, form);
    if (messages)
        *messages = result.messages;
    return result.record;
}
} // namespace

TEST(RegisterConfirm, TwoSignedRegistersAcceptTheFullRange) {
    const RegisterRecord r = confirmBounds(true, 2, "2147483647", "-2147483648");
    EXPECT_EQ(r.boundConstants(RegisterRecord::kUpperOff).input, INT32_MAX);
    EXPECT_EQ(r.boundConstants(RegisterRecord::kLowerOff).input, INT32_MIN);
}

TEST(RegisterConfirm, InputBoundsCutByCountAndSign) {
    RegisterRecord r = confirmBounds(true, 1, "40000", "-40000");
    EXPECT_EQ(r.boundConstants(RegisterRecord::kUpperOff).input, 32767);
    EXPECT_EQ(r.boundConstants(RegisterRecord::kLowerOff).input, -32768);
    r = confirmBounds(false, 2, "5000000000", "-1");
    EXPECT_EQ(uint32_t(r.boundConstants(RegisterRecord::kUpperOff).input), 4294967295u);
    EXPECT_EQ(r.boundConstants(RegisterRecord::kLowerOff).input, 0);
}

TEST(RegisterConfirm, LowerAboveUpperRaisesUpperEqualAccepted) {
    std::vector<std::string> messages;
    RegisterRecord r = confirmBounds(false, 1, "10", "20", &messages);
    EXPECT_EQ(messages,
              std::vector<std::string>{"The value of upperlimit must large than lowerlimit!"});
    EXPECT_EQ(r.boundConstants(RegisterRecord::kUpperOff).input, 20);
    confirmBounds(false, 1, "20", "20", &messages);
    EXPECT_TRUE(messages.empty());
    // Signed reading: -1 lies below 5.
    confirmBounds(true, 1, "5", "-1", &messages);
    EXPECT_TRUE(messages.empty());
}

TEST(RegisterConfirm, EngineeringBoundsCheckedOnlyWithEngineeringData) {
    const RegisterRecord copy = RegisterRecord::makeDefault();
    RegisterForm form = registerFormOf(copy);
    form.upper.engineering = "1";
    form.lower.engineering = "9";
    EXPECT_TRUE(confirmRegister(copy, form).messages.empty());
    form.engineering = true;
    const auto result = confirmRegister(copy, form);
    EXPECT_EQ(result.messages,
              std::vector<std::string>{"The value of upperlimit2 must large than lowerlimit2!"});
    EXPECT_EQ(result.record.boundConstants(RegisterRecord::kUpperOff).engineering, 9);
}

TEST(RegisterConfirm, RegisterBoundsAreNotOrdered) {
    const RegisterRecord copy = RegisterRecord::makeDefault();
    RegisterForm form = registerFormOf(copy);
    form.upper.fromRegister = true;
    form.upper.reg.address = "9000";
    form.lower.input = "50";
    const auto result = confirmRegister(copy, form);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.record.boundRegister(RegisterRecord::kUpperOff).address, 8499);
    EXPECT_TRUE(result.record.option(RegisterRecord::kUpperFromRegister));
}

TEST(RegisterConfirm, HexBcdClearsSignedAndAddressesAreCut) {
    const RegisterRecord copy = RegisterRecord::makeDefault();
    RegisterForm form = registerFormOf(copy);
    form.isSigned = true;
    form.hexBcd = true;
    form.reg.address = "8500";
    form.relation = true;
    form.relatedAddress = "12000";
    const RegisterRecord r = confirmRegister(copy, form).record;
    EXPECT_FALSE(r.option(RegisterRecord::kSigned));
    EXPECT_TRUE(r.option(RegisterRecord::kHexBcd));
    EXPECT_EQ(r.reg().address, 8499);
    EXPECT_EQ(r.relatedAddress(), 8499);
    EXPECT_EQ(r.u8(RegisterRecord::kRelatedAddressOff), 0x21); // big-endian 8499 = 0x2133
}
