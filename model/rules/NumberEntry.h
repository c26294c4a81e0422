#pragma once
// Numbers typed in the property panes: read as decimal ("no number gives 0"), then cut to the
// nearest bound of their range.

#include <cstdint>
#include <string>
#include <string_view>

namespace zorv::rules {

// Leading blanks, an optional sign, then the decimal digits at the start; anything else
// ends the number, and a text without digits gives 0. Long digit runs saturate far beyond every
// 32-bit range, so they are cut like any other value that is too large.
int64_t parseDecimal(std::string_view typed);

// A value above `hi` becomes `hi`, else a value below `lo` becomes `lo`. Each value meets only
// the bound it breaks: when lo > hi (a widget near the display edge) a value above hi ends at
// hi and a value below lo ends at lo.
int64_t cutToRange(int64_t value, int64_t lo, int64_t hi);

struct NumberEntry {
    int64_t value = 0;
    bool cut = false;  // the typed value lay outside the range
    std::string shown; // what the edit box shows afterwards
};
NumberEntry enterNumber(std::string_view typed, int64_t lo, int64_t hi);
// The typed number cut to the range; the edit box is refreshed from the stored record.
int64_t typedNumber(std::string_view typed, int64_t lo, int64_t hi);

struct ValueRange {
    int64_t lo = 0;
    int64_t hi = 0;
};
// The values of one (16-bit) or two (32-bit) registers, signed or unsigned.
ValueRange registerValueRange(int registers, bool isSigned);
// A stored 32-bit (16-bit) pattern read as a signed or unsigned number.
int64_t numberFromBits(uint32_t bits, bool isSigned);
int64_t numberFromBits16(uint16_t bits, bool isSigned);

} // namespace zorv::rules
