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
    TagTable tags;                 // empty when no tag file lies beside the project
    GlyphSources fonts;
    std::vector<uint8_t> image; // empty when the compiler refused the project
    CompileStats stats;

    CheckInput input() const;
};

// False, with the system's message, when the project file cannot be read. A tag file that
// cannot be read is told on the error output, and the project is checked without tags.
bool loadCheckedProject(const QString& path, CheckedProject& out, std::string& message);

} // namespace zorv::cli
