#pragma once
// The register and coil table that stands for the PLC: words of the D family, bits of the M, X
// and Y families, keyed by family and address. Offline the station number is not told apart (a
// value set for D100 shows on every station's D100); run against real stations it is, since two
// devices on one bus commonly hold the same addresses. Unset entries read 0. The table can keep
// a journal of the panel's own writes, for a link that sends them on; values that come in from
// the PLC are taken without a journal entry.

#include <cstdint>
#include <map>
#include <vector>

#include "model/RegisterRef.h"

namespace zorv::panel {

// How a widget reads a value: one or two registers, signed or not, HEX/BCD coded or not.
struct ValueFormat {
    int words = 1;
    bool isSigned = false;
    bool bcd = false; // bars and trends read HEX/BCD values as BCD digits
};

// One register or coil the panel wrote, with the value it held before.
struct PanelWrite {
    RegisterRef reg;
    bool bit = false; // a coil of a bit family
    uint16_t value = 0, before = 0;
    bool operator==(const PanelWrite&) const = default;
};

class PanelRegisters {
public:
    // A word; from a bit family, 16 consecutive bits with the addressed one as bit 0.
    uint16_t word(const RegisterRef& reg) const;
    void setWord(const RegisterRef& reg, uint16_t value);
    // A bit; from a word family, on when the word is not zero.
    bool bit(const RegisterRef& reg) const;
    void setBit(const RegisterRef& reg, bool on);
    // The same at station 1.
    uint16_t word(uint8_t type, uint16_t address) const { return word({1, type, address}); }
    void setWord(uint8_t type, uint16_t address, uint16_t v) { setWord({1, type, address}, v); }
    bool bit(uint8_t type, uint16_t address) const { return bit({1, type, address}); }
    void setBit(uint8_t type, uint16_t address, bool on) { setBit({1, type, address}, on); }

    // Stations told apart: each station's registers are its own. Off by default.
    void setStationsApart(bool apart) { stationsApart_ = apart; }
    bool stationsApart() const { return stationsApart_; }

    // The journal of the panel's writes, oldest first, while it is kept.
    void keepJournal(bool keep) { keepJournal_ = keep; }
    const std::vector<PanelWrite>& journal() const { return journal_; }
    // Forgets the oldest `count` entries (those sent on).
    void dropJournal(std::size_t count);
    // A register's or coil's value from the PLC: stored without a journal entry.
    void takeWord(const RegisterRef& reg, uint16_t value);
    void takeBit(const RegisterRef& reg, bool on);

    // A one- or two-word value as the format reads it; 32-bit values hold their low word at the
    // register's own address.
    int64_t value(const RegisterRef& reg, const ValueFormat& format) const;
    void setValue(const RegisterRef& reg, int words, int64_t value);

    // Counts writes, so that a view can tell whether it must draw again.
    uint64_t changes() const { return changes_; }

private:
    uint32_t key(const RegisterRef& reg) const {
        return uint32_t(stationsApart_ ? reg.station : 0) << 24 | uint32_t(reg.type) << 16 |
               reg.address;
    }
    uint16_t cell(const RegisterRef& reg) const;
    // Stores a coil or a D register; journalled when asked.
    void store(const RegisterRef& reg, uint16_t value, bool journalled);

    std::map<uint32_t, uint16_t> cells_;
    std::vector<PanelWrite> journal_;
    uint64_t changes_ = 0;
    bool stationsApart_ = false, keepJournal_ = false;
};

// Whether the family is one of bits (M, X, Y) rather than words (D).
bool isBitFamily(uint8_t type);
// The value of BCD digits (nibbles above 9 count as they stand).
int64_t fromBcd(uint32_t bits);

} // namespace zorv::panel
