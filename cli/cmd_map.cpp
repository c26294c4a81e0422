// zorv map IN.zvd OUT.svg|OUT.png: the page map, pages as boxes and jumps as arrows, laid out
// by Graphviz; unreachable pages stand out in red.

#include <cstdio>

#include "checks/PageMap.h"
#include "cli/Command.h"
#include "cli/ProjectFiles.h"

namespace zorv::cli {

namespace {

int runMap(const QStringList& args);

const Command kMap{"map", "map IN.zvd OUT.svg|OUT.png", "draw the page map of a project", runMap};
const CommandRegistration registration{kMap};

int runMap(const QStringList& args) {
    if (args.size() != 2)
        return usageError(kMap);
    const QString out = args[1].toLower();
    if (!out.endsWith(".svg") && !out.endsWith(".png"))
        return usageError(kMap);
    CHCData project;
    std::string message;
    if (!loadProject(args[0], project, message))
        return fail(message);
    const PageGraph graph = pageGraph(project);
    if (const std::string tooLarge = pageMapTooLarge(graph); !tooLarge.empty())
        return fail(tooLarge);
    std::vector<uint8_t> picture;
    const MapFormat format = out.endsWith(".svg") ? MapFormat::Svg : MapFormat::Png;
    if (!renderPageMap(pageMapDot(graph), format, picture))
        return fail("Graphviz could not draw the page map!");
    if (!writeFileAtomically(args[1], picture))
        return fail("Failed to open the target file!");
    return 0;
}

} // namespace

} // namespace zorv::cli
