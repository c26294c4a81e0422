#pragma once
// The size the panel's configuration area takes of a Modbus table file: at most 1023 bytes. The
// table's dialog, the document's save beside the project and both transfers refuse a larger
// table with the same message, so a refused table never replaces a good one.

#include <cstdint>

namespace zorv {

inline constexpr std::uintmax_t kModbusFileLimit = 1024; // files of this size or more are refused
inline constexpr const char* kModbusTooLargeMessage =
    "Too many configuration data, please delete some data!";

inline bool modbusTableTooLarge(std::uintmax_t bytes) {
    return bytes >= kModbusFileLimit;
}

} // namespace zorv
