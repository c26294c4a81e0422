#pragma once
// Numbers as a register widget shows them: a field of fixed cells with the record's digits,
// decimals, sign and HEX/BCD mode, and the digits an operator types into it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorv::panel {

struct NumberFormat {
    int digits = 5;   // 1..15
    int decimals = 0; // fewer than digits
    bool isSigned = false;
    bool hex = false; // HEX/BCD: the value's nibbles as hexadecimal digits
};

// A format with the record's nibbles made sound: at least one digit, decimals below digits,
// no sign and no decimals in HEX/BCD mode.
NumberFormat numberFormat(int digits, int decimals, bool isSigned, bool hex);

// Cells of the field: the digits, one for the decimal point, one for the sign.
int fieldCells(const NumberFormat& format);
// The value right-aligned in the field; a value the digits cannot hold fills it with '*'.
std::string formatNumber(int64_t value, const NumberFormat& format);

// What the operator has typed so far: at most `digits` digits and a minus sign.
struct TypedNumber {
    std::string digits;
    bool negative = false;
};
// The typed digits as they will show: the field of the number they make, blank when none.
std::string formatTyped(const TypedNumber& typed, const NumberFormat& format);
// The number the typed digits make (nibbles in HEX/BCD mode); nothing when none are typed.
std::optional<int64_t> typedValue(const TypedNumber& typed, const NumberFormat& format);

} // namespace zorv::panel
