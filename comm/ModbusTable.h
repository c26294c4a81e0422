#pragma once
// The Modbus protocol table and its ".mdt" file: 16 slots for the "Communication alarm" rows,
// five counts, then the device addresses, instruction addresses and SoftAddr values of the rows
// of types 1 to 5 (74 + 6 N bytes, little-endian).

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/ModbusTableLimit.h"

namespace zorv {

constexpr int kModbusTypeCount = 6;
constexpr int kModbusAlarmSlots = 16;
constexpr std::size_t kModbusHeadSize = 74;

// "Communication alarm", "Single Writing", ... by type index.
const char* modbusTypeText(int type);
// The index of a type text, compared whole; nothing for any other text.
std::optional<int> modbusTypeOf(std::string_view text);

struct ModbusRow {
    uint8_t type = 0; // 0 "Communication alarm" .. 5 "Reading Status"
    uint16_t device = 0;
    uint16_t instruction = 0; // a type-0 row has none; it reads back as 0
    uint16_t softAddr = 0;
    bool operator==(const ModbusRow&) const = default;
};

// The file bytes of the rows, type-0 rows in the slots in list order, the others grouped by type
// in list order. At most 16 type-0 rows fit: the caller refuses more (extra ones are left out).
std::vector<uint8_t> encodeModbusTable(std::span<const ModbusRow> rows);

// The rows in load order: the type-0 rows up to the first slot whose device address is 0, then
// the rows of types 1 to 5. False when the file is shorter than its counts say.
bool decodeModbusTable(std::span<const uint8_t> file, std::vector<ModbusRow>& rows);
// The same from a file; false when it cannot be opened or is unsound (an empty file included).
bool loadModbusTableFile(const std::filesystem::path& file, std::vector<ModbusRow>& rows);

} // namespace zorv
