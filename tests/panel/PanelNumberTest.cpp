// Guards the register field: digits, decimals, sign, HEX/BCD, the overflow fill, typed digits,
// and the engineering scale with its input limits, so that the panel never shows a value other
// than the one the register holds.

#include <gtest/gtest.h>

#include "panel/PanelNumber.h"

namespace zorv::panel {

struct FormatCase {
    int digits, decimals;
    bool isSigned, hex;
    int64_t value;
    const char* shown;
};

class PanelNumberFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(PanelNumberFormat, ShowsTheValueInItsField) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, numberFormat(c.digits, c.decimals, c.isSigned, c.hex)),
              c.shown);
}

INSTANTIATE_TEST_SUITE_P(Panel, PanelNumberFormat,
                         testing::Values(FormatCase{5, 0, false, false, 42, "   42"},
                                         FormatCase{4, 1, false, false, 235, " 23.5"},
                                         FormatCase{4, 1, false, false, 5, "  0.5"},
                                         FormatCase{4, 2, true, false, -5, " -0.05"},
                                         FormatCase{5, 0, true, false, 123, "   123"},
                                         FormatCase{2, 0, false, false, 100, "**"},
                                         FormatCase{3, 0, false, false, -1, "***"},
                                         FormatCase{4, 0, false, true, 0xBEEF, "BEEF"},
                                         FormatCase{4, 2, true, true, 0x12, "0012"},
                                         FormatCase{2, 0, false, true, 0x123, "**"},
                                         FormatCase{0, 5, false, false, 7, "7"}));

TEST(PanelNumber, TypedDigitsShowAndMakeTheirValue) {
    const NumberFormat decimal = numberFormat(4, 1, true, false);
    TypedNumber typed;
    EXPECT_EQ(formatTyped(typed, decimal), "      ");
    EXPECT_FALSE(typedValue(typed, decimal));
    typed.digits = "123";
    typed.negative = true;
    EXPECT_EQ(formatTyped(typed, decimal), " -12.3");
    EXPECT_EQ(typedValue(typed, decimal), -123);
    // HEX/BCD digits are nibbles and have no sign.
    const NumberFormat hex = numberFormat(4, 0, true, true);
    EXPECT_EQ(typedValue({"12", true}, hex), 0x12);
}

} // namespace zorv::panel
