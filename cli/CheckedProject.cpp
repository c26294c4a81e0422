#include "cli/CheckedProject.h"

#include <cstdio>

#include "cli/ProjectFiles.h"
#include "image/ImageCompiler.h"
#include "model/tags/TagFile.h"
#include "platform/Paths.h"

namespace zorv::cli {

CheckInput CheckedProject::input() const {
    CheckInput in{project, &stats, modbus, image};
    setLibrarySizes(in, fonts);
    in.tags = &tags;
    return in;
}

bool loadCheckedProject(const QString& path, CheckedProject& out, std::string& message) {
    if (!loadProject(path, out.project, message))
        return false;
    out.modbus = modbusRowsOrNone(modbusFileBeside(path).toStdString());
    std::string tagFault;
    if (!loadTagFile(tagFileOf(path.toStdString()), out.tags, tagFault))
        std::fprintf(stderr, "zorv: %s\n", tagFault.c_str());
    out.fonts = readGlyphSources(SystemPaths(currentExecutable()));
    const CompileResult compiled = compileImage(out.project, out.fonts);
    out.image = compiled.image;
    out.stats = compiled.ok ? imageStats(compiled.image, compiled.glyphCount)
                            : compileStats(out.project, out.fonts);
    return true;
}

} // namespace zorv::cli
