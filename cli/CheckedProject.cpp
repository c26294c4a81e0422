#include "cli/CheckedProject.h"

#include "cli/ProjectFiles.h"
#include "platform/Paths.h"

namespace zorv::cli {

CheckInput CheckedProject::input() const {
    CheckInput in{project, &stats, modbus};
    setLibrarySizes(in, fonts);
    return in;
}

bool loadCheckedProject(const QString& path, CheckedProject& out, std::string& message) {
    if (!loadProject(path, out.project, message))
        return false;
    // A missing or unsound table is no table: the panel then runs no Modbus rows.
    if (!loadModbusTableFile(modbusFileBeside(path).toStdString(), out.modbus))
        out.modbus.clear();
    out.fonts = readGlyphSources(SystemPaths(currentExecutable()));
    out.stats = compileStats(out.project, out.fonts);
    return true;
}

} // namespace zorv::cli
