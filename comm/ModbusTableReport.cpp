#include "comm/ModbusTableReport.h"

#include <cstdio>
#include <vector>

namespace zorv {

void writeModbusReport(std::span<const ModbusRow> rows, std::string& out) {
    out += "\n\nModbus Protocol configuration:\n\n";
    int number = 1;
    for (const ModbusRow& r : rows) {
        char line[160];
        std::snprintf(
            line, sizeof line,
            "%02d  Device address = D%d,  Instruction address = 0x%04X,  SoftAddr = %c%d\n",
            number++, r.device, r.instruction, r.type == 0 ? 'M' : 'D', r.softAddr);
        out += line;
    }
}

void writeModbusReportOfFile(const std::filesystem::path& file, std::string& out) {
    std::vector<ModbusRow> rows;
    if (!loadModbusTableFile(file, rows))
        rows.clear();
    writeModbusReport(rows, out);
}

} // namespace zorv
