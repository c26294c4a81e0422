#include "panel/PanelRegisters.h"

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

uint16_t PanelRegisters::word(uint8_t type, uint16_t address) const {
    if (!isBitFamily(type)) {
        const auto it = cells_.find(key(type, address));
        return it == cells_.end() ? 0 : it->second;
    }
    uint16_t w = 0;
    for (int i = 0; i < kBitsPerWord; ++i)
        if (bit(type, uint16_t(address + i)))
            w |= uint16_t(1u << i);
    return w;
}

void PanelRegisters::setWord(uint8_t type, uint16_t address, uint16_t value) {
    ++changes_;
    if (!isBitFamily(type)) {
        cells_[key(type, address)] = value;
        return;
    }
    for (int i = 0; i < kBitsPerWord; ++i)
        cells_[key(type, uint16_t(address + i))] = (value >> i) & 1;
}

bool PanelRegisters::bit(uint8_t type, uint16_t address) const {
    const auto it = cells_.find(key(type, address));
    return it != cells_.end() && it->second != 0;
}

void PanelRegisters::setBit(uint8_t type, uint16_t address, bool on) {
    ++changes_;
    cells_[key(type, address)] = on ? 1 : 0;
}

int64_t PanelRegisters::value(const RegisterRef& reg, const ValueFormat& format) const {
    const uint32_t low = word(reg.type, reg.address);
    const uint32_t high = format.words == 2 ? word(reg.type, uint16_t(reg.address + 1)) : 0;
    const uint32_t bits = high << 16 | low;
    if (format.bcd)
        return fromBcd(bits);
    if (!format.isSigned)
        return bits;
    return format.words == 2 ? int64_t(int32_t(bits)) : int64_t(int16_t(bits));
}

void PanelRegisters::setValue(const RegisterRef& reg, int words, int64_t value) {
    const auto bits = uint32_t(value);
    setWord(reg.type, reg.address, uint16_t(bits));
    if (words == 2)
        setWord(reg.type, uint16_t(reg.address + 1), uint16_t(bits >> 16));
}

} // namespace zorv::panel
