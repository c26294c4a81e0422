#pragma once
// The statistical report as the "Statistical Report" command and `zorv report` make it: the
// project's report followed by the Modbus section of the table file beside the project.

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include "model/CHCData.h"
#include "platform/Paths.h"

namespace zorv {

// The whole report with "\n" line ends.
std::string projectReportText(const CHCData& project, const std::filesystem::path& modbusTable);

// Writes the report in text mode to `file`; false when the file cannot be written.
bool writeProjectReportFile(const CHCData& project, const std::filesystem::path& modbusTable,
                            const std::filesystem::path& file);

// Writes the report as a new file "<title> %Y-%m-%d,%H-%M-%S.txt" in the work folder's
// "report/" (created when missing) and gives its path; nothing when it could not be made. Shows
// no message: bound to its Paths it serves as DocumentHooks::makeReport, and the document tells
// the user of a failure.
std::optional<std::filesystem::path> makeProjectReport(const Paths& paths, const CHCData& project,
                                                       const std::filesystem::path& modbusTable,
                                                       const std::string& title,
                                                       const std::tm& localTime);
// The same at the current local time.
std::optional<std::filesystem::path> makeProjectReport(const Paths& paths, const CHCData& project,
                                                       const std::filesystem::path& modbusTable,
                                                       const std::string& title);

} // namespace zorv
