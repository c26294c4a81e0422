#include "comm/ProjectReport.h"

#include "comm/ModbusTableReport.h"
#include "image/LanguageTextsFile.h"
#include "image/Report.h"

namespace zorv {

std::string projectReportText(const CHCData& project, const std::filesystem::path& modbusTable) {
    std::string text;
    writeProjectReport(project, text);
    writeModbusReportOfFile(modbusTable, text);
    return text;
}

bool writeProjectReportFile(const CHCData& project, const std::filesystem::path& modbusTable,
                            const std::filesystem::path& file) {
    return writeWholeFile(file, toTextMode(projectReportText(project, modbusTable)));
}

std::optional<std::filesystem::path> makeProjectReport(const Paths& paths, const CHCData& project,
                                                       const std::filesystem::path& modbusTable,
                                                       const std::string& title,
                                                       const std::tm& localTime) {
    return storeReport(paths, title, localTime, projectReportText(project, modbusTable));
}

std::optional<std::filesystem::path> makeProjectReport(const Paths& paths, const CHCData& project,
                                                       const std::filesystem::path& modbusTable,
                                                       const std::string& title) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return makeProjectReport(paths, project, modbusTable, title, local);
}

} // namespace zorv
