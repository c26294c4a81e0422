#pragma once
// Station, register type and address of one register, as stored in 4 bytes
// (u8 station, u8 type code, u16 address).

#include <cstdint>
#include <string>

#include "model/RegisterType.h"

namespace zorv {

struct RegisterRef {
    uint8_t station = 1;
    uint8_t type = uint8_t(RegisterType::D);
    uint16_t address = 0;

    bool operator==(const RegisterRef&) const = default;
};

// "D100", "M0", "X17" (X and Y addresses in octal).
inline std::string registerName(uint8_t type, uint16_t address) {
    return std::string(registerLetter(type)) + formatAddress(type, address);
}

} // namespace zorv
