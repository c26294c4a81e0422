// zorv compile IN.zvd OUT.hc: the download image of a project, compiled with the font files of
// the program folder and the user characters edited in the work folder.

#include <cstdio>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "image/ImageCompiler.h"
#include "platform/Paths.h"

namespace zorv::cli {

namespace {

int runCompile(const QStringList& args);

const Command kCompile{"compile", "compile IN.zvd OUT.hc",
                       "compile a project into its download image", runCompile};
const CommandRegistration registration{kCompile};

int runCompile(const QStringList& args) {
    if (args.size() != 2)
        return usageError(kCompile);
    CHCData project;
    std::string message;
    if (!loadProject(args[0], project, message))
        return fail(message);
    const CompileResult result = compileImage(project, SystemPaths(currentExecutable()));
    if (!result.ok)
        return fail(result.message);
    if (!writeFileAtomically(args[1], result.image))
        return fail("Failed to open the target file!");
    std::printf("%zu bytes, %d glyphs (%d for texts, %d for symbols)\n", result.image.size(),
                result.glyphCount, result.textGlyphCount,
                result.glyphCount - result.textGlyphCount);
    // The download tool refuses such an image; the file is written all the same.
    if (result.image.size() > kImageLimit)
        std::fprintf(stderr, "zorv: Download file more than 56K!\n");
    return 0;
}

} // namespace

} // namespace zorv::cli
