// zorv compile IN.zvd OUT.hc: the download image of a project, compiled with the font files of
// the program folder and the user characters edited in the work folder.
// zorv compile IN.zvd [OUT.hc] --stats [--json]: how much of the panel's memory the image takes,
// the same figures as the editor's memory meter, compiled in memory.

#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "image/ImageCompiler.h"
#include "image/MemoryMeterText.h"
#include "platform/Paths.h"

namespace zorv::cli {

namespace {

int runCompile(const QStringList& args);

const Command kCompile{"compile", "compile IN.zvd [OUT.hc] [--stats [--json]]",
                       "compile a project into its download image, or measure it", runCompile};
const CommandRegistration registration{kCompile};

const char* levelName(MeterLevel level) {
    switch (level) {
    case MeterLevel::Normal:
        return "normal";
    case MeterLevel::Warning:
        return "warning";
    case MeterLevel::Error:
        break;
    }
    return "error";
}

nlohmann::json statsJson(const CompileStats& stats) {
    nlohmann::json out;
    out["ok"] = stats.ok;
    out["level"] = levelName(meterLevel(stats));
    out["text"] = meterSummary(stats);
    if (!stats.ok) {
        out["message"] = stats.message;
        if (stats.refusedAt && stats.refusedAt->pageNumber != CompilePlace::kSystemAlarmList) {
            const CompilePlace& at = *stats.refusedAt;
            out["page"] = at.pageNumber;
            if (at.kind != WidgetKind::None)
                out["widget"] = {{"kind", typeName(at.kind)}, {"x", at.x}, {"y", at.y}};
        }
        return out;
    }
    out["imageBytes"] = stats.imageBytes;
    out["imageLimit"] = kImageLimit;
    out["glyphs"] = stats.glyphCount;
    out["glyphLimit"] = kGlyphLimit;
    nlohmann::json sections = nlohmann::json::object();
    for (int s = 0; s < kImageSectionCount; ++s)
        sections[sectionKey(ImageSection(s))] = stats.bytesOf(ImageSection(s));
    out["sections"] = sections;
    nlohmann::json pages = nlohmann::json::array();
    for (const PageBytes& page : stats.largestPages)
        pages.push_back({{"page", page.number}, {"bytes", page.bytes}});
    out["largestPages"] = pages;
    return out;
}

// The figures as text or JSON on standard output; a refused compile exits with 1.
int printStats(const QString& path, bool json) {
    CHCData project;
    std::string message;
    if (!loadProject(path, project, message))
        return fail(message);
    const CompileStats stats =
        compileStats(project, readGlyphSources(SystemPaths(currentExecutable())));
    if (json)
        std::printf("%s\n", statsJson(stats).dump(2).c_str());
    else if (stats.ok)
        std::printf("%s\n%s\n", meterSummary(stats).c_str(), meterBreakdown(stats).c_str());
    return stats.ok ? 0 : json ? 1 : fail(stats.message);
}

// `summary`: the one-line size report (left out when --stats reports instead).
int writeImage(const QString& in, const QString& out, bool summary) {
    CHCData project;
    std::string message;
    if (!loadProject(in, project, message))
        return fail(message);
    const CompileResult result = compileImage(project, SystemPaths(currentExecutable()));
    if (!result.ok)
        return fail(result.message);
    if (!writeFileAtomically(out, result.image))
        return fail("Failed to open the target file!");
    if (summary)
        std::printf("%zu bytes, %d glyphs (%d for texts, %d for symbols)\n", result.image.size(),
                    result.glyphCount, result.textGlyphCount,
                    result.glyphCount - result.textGlyphCount);
    // The download tool refuses such an image; the file is written all the same.
    if (result.image.size() > kImageLimit)
        std::fprintf(stderr, "zorv: Download file more than 56K!\n");
    return 0;
}

int runCompile(const QStringList& args) {
    QStringList rest = args;
    const bool stats = rest.removeAll("--stats") > 0;
    const bool json = rest.removeAll("--json") > 0;
    // Options stand anywhere; with an output file, --stats reports on the image just written.
    const bool output = rest.size() == 2;
    if (rest.isEmpty() || rest.size() > 2 || (!stats && !output) || (json && !stats))
        return usageError(kCompile);
    const int written = output ? writeImage(rest[0], rest[1], !stats) : 0;
    return written != 0 || !stats ? written : printStats(rest[0], json);
}

} // namespace

} // namespace zorv::cli
