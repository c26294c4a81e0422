#pragma once
// The list of the "Modbus Protocol Configuration" dialog without its window: rows of texts as the
// list shows them, their parsing, loading and saving the ".mdt" file with the system's messages.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "comm/ModbusTable.h"
#include "platform/Prompt.h"

namespace zorv {

inline constexpr const char* kModbusImportFailedMessage = "Import failed!";
inline constexpr const char* kModbusOpenFailedMessage = "Open protocol file failed!";
// The file has 16 slots for them; a table with more is refused before anything is written.
inline constexpr const char* kModbusTooManyAlarmsMessage =
    "The system supports 16 Communication alarm items maximum!";
// A device address of 0 ends the file's alarm slots: the alarm rows after it would be lost.
inline constexpr const char* kModbusAlarmDeviceZeroMessage =
    "The device address of a Communication alarm item can not be D0!";

// Cells: "Serial number", "Operation Type", "Device address unit", "Instruction address",
// "SoftAddr".
using ModbusListRow = std::array<std::string, 5>;

// Row i (from 0) as shown: "%02d" of i + 1, the type text, "D%d", "0x%04X", "M%d" (type 0) or
// "D%d".
ModbusListRow modbusListRow(int index, const ModbusRow& row);
// A row from its texts; nothing when the type text is empty or none of the six names.
std::optional<ModbusRow> parseModbusListRow(const ModbusListRow& cells);

// Numbers of the cells: leading digits only, 0 when there are none, kept to 16 bits; an
// instruction address may be "0x" (or "0X") and up to four hexadecimal digits.
uint16_t modbusDecimal(std::string_view text);
uint16_t modbusInstructionAddress(std::string_view text);

class ModbusTableModel {
public:
    std::vector<ModbusListRow>& rows() { return rows_; }
    const std::vector<ModbusListRow>& rows() const { return rows_; }

    // Opening: the working file's rows, or the one default row when it cannot be opened, is
    // empty or unsound.
    void open(const std::filesystem::path& workingFile);
    // "Import": empties the list and loads the file; kModbusImportFailedMessage when it cannot be
    // opened or is unsound.
    bool importFile(const std::filesystem::path& file, Prompt& prompt);
    // "OK", "Download", "Verify": writes the file; false after the system's message. A table
    // that would be too large for the panel is refused before anything is written, so the file
    // keeps the last table that was taken.
    bool save(const std::filesystem::path& file, Prompt& prompt) const;

    // A double click below the rows: a row numbered count + 1 of type "Single Writing".
    void appendRow();
    // The Delete key; the other rows keep their numbers.
    void deleteRow(int index);

    // The rows the file would hold, in list order.
    std::vector<ModbusRow> tableRows() const;

private:
    void fill(const std::vector<ModbusRow>& rows);
    std::vector<ModbusListRow> rows_;
};

} // namespace zorv
