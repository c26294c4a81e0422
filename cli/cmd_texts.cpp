// zorv texts export PROJECT OUT.csv|OUT.xlf: every text the panel shows, with its id, its two
// languages, its limits and its place, for a spreadsheet (CSV) or a translation tool (XLIFF).
// zorv texts import PROJECT IN OUT.zvd: the project with the texts of a translation file, each
// change listed; a file with a faulty text is refused whole, each fault named with its line,
// and nothing is written (exit status 1).

#include <QFileInfo>
#include <cstdio>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "cli/texts/TextImport.h"
#include "platform/Paths.h"

namespace zorv::cli {

namespace {

int runTexts(const QStringList& args);

const Command kTexts{"texts",
                     "texts export PROJECT OUT.csv|OUT.xlf | texts import PROJECT IN OUT.zvd",
                     "write the texts for translation, or take translated texts in", runTexts};
const CommandRegistration textsRegistration{kTexts};

int exportTexts(const QString& projectFile, const QString& out) {
    CHCData project;
    std::string message;
    if (!loadProject(projectFile, project, message))
        return fail(message);
    const std::vector<TextEntry> entries = textInventory(project);
    const std::string text =
        isXliffName(out.toStdString())
            ? textsXliff(entries, QFileInfo(projectFile).fileName().toStdString())
            : textsCsv(entries);
    if (!writeFileAtomically(out, {reinterpret_cast<const uint8_t*>(text.data()), text.size()}))
        return fail("Failed to open the target file!");
    return 0;
}

int importTexts(const QString& projectFile, const QString& in, const QString& out) {
    CHCData project;
    std::string message;
    if (!loadProject(projectFile, project, message))
        return fail(message);
    std::vector<uint8_t> file;
    if (!readFileBytes(in, file, message))
        return fail(message);
    std::vector<TranslatedText> texts;
    if (!readTranslationFile(file, texts, message))
        return fail(in.toStdString() + ": " + message);
    const GlyphSources fonts = readGlyphSources(SystemPaths(currentExecutable()));
    const TextImportPlan plan = planTextImport(project, texts, fonts);
    if (!plan.faults.empty())
        return fail(textImportRefusal(plan.faults));
    applyTextChanges(project, plan.changes);
    if (!saveProject(out, project))
        return fail("Failed to open the target file!");
    for (const TextChange& change : plan.changes)
        std::printf("%s\n", textChangeLine(change).c_str());
    return 0;
}

int runTexts(const QStringList& args) {
    if (args.size() == 3 && args[0] == "export")
        return exportTexts(args[1], args[2]);
    if (args.size() == 4 && args[0] == "import")
        return importTexts(args[1], args[2], args[3]);
    return usageError(kTexts);
}

} // namespace

} // namespace zorv::cli
