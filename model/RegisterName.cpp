#include "model/RegisterName.h"

#include <cctype>

namespace zorv {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

} // namespace

RegisterNameFault parseRegisterName(std::string_view text, uint8_t& type, uint16_t& address) {
    const auto family = text.empty() ? std::nullopt : registerTypeFromLetter(text[0]);
    if (!family || text.size() < 2)
        return RegisterNameFault::NoFamily;
    const uint8_t code = uint8_t(*family);
    const bool octal = isOctalAddressType(code);
    uint32_t value = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > (octal ? '7' : '9'))
            return RegisterNameFault::BadDigit;
        value = value * (octal ? 8 : 10) + uint32_t(c - '0');
        if (value > maxAddress(code))
            return RegisterNameFault::OutOfRange;
    }
    type = code;
    address = uint16_t(value);
    return RegisterNameFault::None;
}

std::optional<RegisterRef> parseRegisterText(std::string_view text) {
    text = trimmed(text);
    RegisterRef reg;
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        const std::string_view station = trimmed(text.substr(0, colon));
        if (station.empty() || station.size() > 3)
            return std::nullopt;
        unsigned value = 0;
        for (char c : station) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + unsigned(c - '0');
        }
        if (value < 1 || value > 255)
            return std::nullopt;
        reg.station = uint8_t(value);
        text = trimmed(text.substr(colon + 1));
    }
    std::string name(text);
    if (!name.empty())
        name[0] = char(std::toupper(static_cast<unsigned char>(name[0])));
    if (parseRegisterName(name, reg.type, reg.address) != RegisterNameFault::None)
        return std::nullopt;
    return reg;
}

std::string registerText(const RegisterRef& reg) {
    const std::string name = registerName(reg.type, reg.address);
    return reg.station == 1 ? name : std::to_string(reg.station) + ":" + name;
}

} // namespace zorv
