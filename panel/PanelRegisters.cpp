#include "panel/PanelRegisters.h"

#include <algorithm>

#include "panel/PanelDecisions.h"

namespace zorv::panel {

bool isBitFamily(uint8_t type) {
    return type != uint8_t(RegisterType::D);
}

int64_t fromBcd(uint32_t bits) {
    int64_t value = 0, scale = 1;
    for (; bits != 0; bits >>= 4, scale *= 10)
        value += int64_t(bits & 0x0F) * scale;
    return value;
}

uint16_t PanelRegisters::cell(const RegisterRef& reg) const {
    const auto it = cells_.find(key(reg));
    return it == cells_.end() ? 0 : it->second;
}

void PanelRegisters::store(const RegisterRef& reg, uint16_t value, bool journalled) {
    ++changes_;
    uint16_t& held = cells_[key(reg)];
    if (journalled && keepJournal_)
        journal_.push_back({reg, isBitFamily(reg.type), value, held});
    held = value;
}

uint16_t PanelRegisters::word(const RegisterRef& reg) const {
    if (!isBitFamily(reg.type))
        return cell(reg);
    uint16_t w = 0;
    for (int i = 0; i < kBitsPerWord; ++i)
        if (cell({reg.station, reg.type, uint16_t(reg.address + i)}) != 0)
            w |= uint16_t(1u << i);
    return w;
}

void PanelRegisters::setWord(const RegisterRef& reg, uint16_t value) {
    if (!isBitFamily(reg.type))
        return store(reg, value, true);
    for (int i = 0; i < kBitsPerWord; ++i)
        store({reg.station, reg.type, uint16_t(reg.address + i)}, (value >> i) & 1, true);
}

bool PanelRegisters::bit(const RegisterRef& reg) const {
    return cell(reg) != 0;
}

void PanelRegisters::setBit(const RegisterRef& reg, bool on) {
    store(reg, on ? 1 : 0, true);
}

void PanelRegisters::takeWord(const RegisterRef& reg, uint16_t value) {
    store(reg, value, false);
}

void PanelRegisters::takeBit(const RegisterRef& reg, bool on) {
    store(reg, on ? 1 : 0, false);
}

void PanelRegisters::dropJournal(std::size_t count) {
    journal_.erase(journal_.begin(),
                   journal_.begin() + std::ptrdiff_t(std::min(count, journal_.size())));
}

int64_t PanelRegisters::value(const RegisterRef& reg, const ValueFormat& format) const {
    const uint32_t low = word(reg);
    const uint32_t high =
        format.words == 2 ? word({reg.station, reg.type, uint16_t(reg.address + 1)}) : 0;
    const uint32_t bits = high << 16 | low;
    if (format.bcd)
        return fromBcd(bits);
    if (!format.isSigned)
        return bits;
    return format.words == 2 ? int64_t(int32_t(bits)) : int64_t(int16_t(bits));
}

void PanelRegisters::setValue(const RegisterRef& reg, int words, int64_t value) {
    const auto bits = uint32_t(value);
    setWord(reg, uint16_t(bits));
    if (words == 2)
        setWord({reg.station, reg.type, uint16_t(reg.address + 1)}, uint16_t(bits >> 16));
}

} // namespace zorv::panel
