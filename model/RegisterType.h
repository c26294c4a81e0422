#pragma once
// Register families of the controller and the address rules of each.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorv {

enum class RegisterType : uint8_t { M = 1, Y = 2, X = 5, D = 7 };

constexpr uint16_t kMaxWordAddress = 8499; // D and M
constexpr uint16_t kMaxBitAddress = 255;   // X and Y, shown as octal 377

inline constexpr const char* kAddressOctalLimitMessage = "Address can not exceed 377!";

bool isRegisterTypeCode(uint8_t code);
// "M", "Y", "X", "D"; an unknown code gives "?".
const char* registerLetter(uint8_t code);
std::optional<RegisterType> registerTypeFromLetter(char letter);
bool isOctalAddressType(uint8_t code);
uint16_t maxAddress(uint8_t code);

// An address typed in a dialog for a register of the given type: octal for X and Y, decimal for
// D and M, with "no number gives 0". The result is cut to the type's range; `cutOctal` tells
// that an X or Y address above 377 was cut (the caller shows kAddressOctalLimitMessage).
struct AddressEntry {
    uint16_t address = 0;
    bool cutOctal = false;
};
AddressEntry parseAddress(uint8_t typeCode, std::string_view typed);
// An address as the dialogs show it: octal for X and Y, decimal otherwise.
std::string formatAddress(uint8_t typeCode, uint16_t address);

} // namespace zorv
