#pragma once
// Registers written as text: "D100", "M5", "X17" (X and Y addresses in octal), and with the
// station where it is not the first one, "2:D100".

#include <optional>
#include <string>
#include <string_view>

#include "model/RegisterRef.h"

namespace zorv {

enum class RegisterNameFault {
    None,
    NoFamily,   // no letter D, M, X or Y, or no address after it
    BadDigit,   // a character that is not a digit of the family's address form
    OutOfRange, // an address beyond the family's range
};

// A register name exactly as the registerName() writes it (no spaces, capital letter).
RegisterNameFault parseRegisterName(std::string_view text, uint8_t& type, uint16_t& address);

// A register as tags and find take it: a register name, the letter in either case, spaces
// around it ignored, an optional station "2:" before it (station 1 without one).
std::optional<RegisterRef> parseRegisterText(std::string_view text);
// "D100" on station 1, "2:D100" on another station.
std::string registerText(const RegisterRef& reg);

} // namespace zorv
