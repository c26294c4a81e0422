#pragma once
// The statistical report: a plain-text summary of the system parameters, every page with its
// widgets, the alarm list and the number of multi-language strings. The Modbus protocol section
// that follows it is written by the Modbus table (comm/ModbusTableReport.h).

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/CHCData.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"

namespace zorv {

inline constexpr const char* kReportFailedMessage = " Failed to Create Report!";

// Appends the report (with "\n" line ends) to `out`. Always true: the text has no file that
// could be missing.
bool writeProjectReport(const CHCData& project, std::string& out);

// Register type letter of the report: M, D, Y, and X for any other code.
char reportRegisterLetter(uint8_t typeCode);

// "<title> 2016-03-01,14-05-09.txt".
std::string reportFileName(std::string_view title, const std::tm& localTime);

// Writes `text` in text mode (CR LF line ends) as a new file in the work folder's "report/"
// (created when missing); the file's path, or nothing when it could not be written.
std::optional<std::filesystem::path> storeReport(const Paths& paths, std::string_view title,
                                                 const std::tm& localTime, std::string_view text);
// storeReport, telling the user kReportFailedMessage when it fails.
std::optional<std::filesystem::path> saveReport(const Paths& paths, std::string_view title,
                                                const std::tm& localTime, std::string_view text,
                                                Prompt& prompt);

// "\n" line ends as CR LF.
std::string toTextMode(std::string_view text);

} // namespace zorv
