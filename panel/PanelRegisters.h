#pragma once
// The register and coil table that stands for the PLC: words of the D family, bits of the M, X
// and Y families, keyed by family and address (the station number is not told apart). Unset
// entries read 0.

#include <cstdint>
#include <map>

#include "model/RegisterRef.h"

namespace zorv::panel {

// How a widget reads a value: one or two registers, signed or not, HEX/BCD coded or not.
struct ValueFormat {
    int words = 1;
    bool isSigned = false;
    bool bcd = false; // bars and trends read HEX/BCD values as BCD digits
};

class PanelRegisters {
public:
    // A word; from a bit family, 16 consecutive bits with the addressed one as bit 0.
    uint16_t word(uint8_t type, uint16_t address) const;
    void setWord(uint8_t type, uint16_t address, uint16_t value);
    // A bit; from a word family, on when the word is not zero.
    bool bit(uint8_t type, uint16_t address) const;
    void setBit(uint8_t type, uint16_t address, bool on);

    // A one- or two-word value as the format reads it; 32-bit values hold their low word at the
    // register's own address.
    int64_t value(const RegisterRef& reg, const ValueFormat& format) const;
    void setValue(const RegisterRef& reg, int words, int64_t value);

    // Counts writes, so that a view can tell whether it must draw again.
    uint64_t changes() const { return changes_; }

private:
    static uint32_t key(uint8_t type, uint16_t address) { return uint32_t(type) << 16 | address; }
    std::map<uint32_t, uint16_t> cells_;
    uint64_t changes_ = 0;
};

// Whether the family is one of bits (M, X, Y) rather than words (D).
bool isBitFamily(uint8_t type);
// The value of BCD digits (nibbles above 9 count as they stand).
int64_t fromBcd(uint32_t bits);

} // namespace zorv::panel
