#include "model/RegisterType.h"

#include <cctype>

namespace zorv {

bool isRegisterTypeCode(uint8_t code) {
    return code == uint8_t(RegisterType::M) || code == uint8_t(RegisterType::Y) ||
           code == uint8_t(RegisterType::X) || code == uint8_t(RegisterType::D);
}

const char* registerLetter(uint8_t code) {
    switch (RegisterType(code)) {
    case RegisterType::M:
        return "M";
    case RegisterType::Y:
        return "Y";
    case RegisterType::X:
        return "X";
    case RegisterType::D:
        return "D";
    }
    return "?";
}

std::optional<RegisterType> registerTypeFromLetter(char letter) {
    switch (letter) {
    case 'M':
        return RegisterType::M;
    case 'Y':
        return RegisterType::Y;
    case 'X':
        return RegisterType::X;
    case 'D':
        return RegisterType::D;
    default:
        return std::nullopt;
    }
}

bool isOctalAddressType(uint8_t code) {
    return code == uint8_t(RegisterType::X) || code == uint8_t(RegisterType::Y);
}

uint16_t maxAddress(uint8_t code) {
    return isOctalAddressType(code) ? kMaxBitAddress : kMaxWordAddress;
}

AddressEntry parseAddress(uint8_t typeCode, std::string_view typed) {
    const unsigned base = isOctalAddressType(typeCode) ? 8 : 10;
    std::size_t i = 0;
    while (i < typed.size() && std::isspace(static_cast<unsigned char>(typed[i])))
        ++i;
    uint64_t value = 0;
    for (; i < typed.size(); ++i) {
        const char c = typed[i];
        if (c < '0' || c >= char('0' + base))
            break;
        value = value * base + unsigned(c - '0');
        if (value > 0xFFFFFFFFu)
            value = 0xFFFFFFFFu; // long digit runs stay above every limit
    }
    AddressEntry entry;
    const uint16_t limit = maxAddress(typeCode);
    if (value > limit) {
        entry.address = limit;
        entry.cutOctal = base == 8;
    } else {
        entry.address = uint16_t(value);
    }
    return entry;
}

std::string formatAddress(uint8_t typeCode, uint16_t address) {
    if (!isOctalAddressType(typeCode))
        return std::to_string(address);
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + (address & 7)));
        address >>= 3;
    } while (address != 0);
    return digits;
}

} // namespace zorv
