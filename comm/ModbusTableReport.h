#pragma once
// The Modbus protocol section of the statistical report.

#include <filesystem>
#include <span>
#include <string>

#include "comm/ModbusTable.h"

namespace zorv {

// The heading "\n\nModbus Protocol configuration:\n\n" and one line per row ("\n" line ends).
void writeModbusReport(std::span<const ModbusRow> rows, std::string& out);
// The section of a ".mdt" file; the heading alone when the file cannot be opened or is unsound.
void writeModbusReportOfFile(const std::filesystem::path& file, std::string& out);

} // namespace zorv
