#pragma once
// A project file with what its checks take: the Modbus table beside it, the font files of the
// program folder and the statistics of its compile.

#include <QString>
#include <string>
#include <vector>

#include "checks/Checks.h"

namespace zorv::cli {

struct CheckedProject {
    CHCData project;
    std::vector<ModbusRow> modbus; // empty when no table lies beside the project
    GlyphSources fonts;
    std::vector<uint8_t> image; // empty when the compiler refused the project
    CompileStats stats;

    CheckInput input() const;
};

// False, with the system's message, when the project file cannot be read.
bool loadCheckedProject(const QString& path, CheckedProject& out, std::string& message);

} // namespace zorv::cli
