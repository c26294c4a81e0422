// zorv tags PROJECT.zvd [--import FILE.csv [--columns NAME,REGISTER[,COMMENT]] [--no-header]
//                        [--merge]] [--export FILE.csv]: the tags beside a project. Without an
// option the tag file is listed; --import takes the tags of a CSV file (its columns chosen by
// header name, or "#2" for the second column) into the tag file, and refuses the whole file,
// naming each faulty line, when one row is faulty; --export writes the tags to a CSV file.
// The project file itself never changes.

#include <QFileInfo>
#include <cstdio>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "model/tags/TagFile.h"
#include "model/tags/TagImport.h"

namespace zorv::cli {

namespace {

int runTags(const QStringList& args);

const Command kTags{"tags",
                    "tags PROJECT.zvd [--import FILE.csv [--columns NAME,REGISTER[,COMMENT]] "
                    "[--no-header] [--merge]] [--export FILE.csv]",
                    "list, import or export the tags of a project", runTags};
const CommandRegistration tagsRegistration{kTags};

struct TagsArguments {
    QString project, importFile, exportFile, columns;
    bool noHeader = false, merge = false;
};

bool parseArguments(const QStringList& args, TagsArguments& out) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--import" && hasValue && out.importFile.isEmpty())
            out.importFile = args[++i];
        else if (arg == "--export" && hasValue && out.exportFile.isEmpty())
            out.exportFile = args[++i];
        else if (arg == "--columns" && hasValue && out.columns.isEmpty())
            out.columns = args[++i];
        else if (arg == "--no-header")
            out.noHeader = true;
        else if (arg == "--merge")
            out.merge = true;
        else if (!arg.startsWith("--") && out.project.isEmpty())
            out.project = arg;
        else
            return false;
    }
    const bool importOptions = !out.columns.isEmpty() || out.noHeader || out.merge;
    return !out.project.isEmpty() && (out.importFile.size() > 0 || !importOptions);
}

// "Tag,Address,Remark" or "#2,#1": each column by its header name or, after "#", its position.
bool parseColumns(const QString& text, TagImportOptions& options) {
    const QStringList parts = text.split(',');
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    CsvColumn* columns[] = {&options.name, &options.reg, &options.comment};
    options.comment = {};
    for (int k = 0; k < parts.size(); ++k) {
        const QString part = parts[k].trimmed();
        if (part.isEmpty())
            return false;
        if (part.startsWith('#')) {
            bool ok = false;
            const int position = part.mid(1).toInt(&ok);
            if (!ok || position < 1 || position > 64)
                return false;
            *columns[k] = {"", position - 1};
        } else {
            *columns[k] = {part.toStdString(), -1};
        }
    }
    return true;
}

int importInto(const TagsArguments& a, const std::filesystem::path& tagFile, TagTable& tags) {
    TagImportOptions options;
    options.header = !a.noHeader;
    options.merge = a.merge;
    if (!a.columns.isEmpty() && !parseColumns(a.columns, options))
        return usageError(kTags);
    std::vector<uint8_t> bytes;
    std::string message;
    if (!readFileBytes(a.importFile, bytes, message))
        return fail(message);
    std::vector<std::string> faults;
    if (!importTags(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                    options, tags, faults)) {
        for (const std::string& fault : faults)
            std::fprintf(stderr, "zorv: %s: %s\n", a.importFile.toLocal8Bit().constData(),
                         fault.c_str());
        return fail("the import was refused; the tags are as they were");
    }
    std::string failure;
    if (!saveTagFile(tagFile, tags, &failure))
        return fail(tagFile.string() + ": " + failure);
    return 0;
}

int runTags(const QStringList& args) {
    TagsArguments a;
    if (!parseArguments(args, a))
        return usageError(kTags);
    if (!QFileInfo(a.project).isFile())
        return fail(std::string("Failed to open file!\n") + a.project.toStdString());
    const std::filesystem::path tagFile = tagFileOf(a.project.toStdString());
    TagTable tags;
    std::string message;
    // A replacing import needs nothing of the tag file it replaces.
    const bool replacing = !a.importFile.isEmpty() && !a.merge;
    if (!replacing && !loadTagFile(tagFile, tags, message))
        return fail(message);
    if (!a.importFile.isEmpty()) {
        if (const int status = importInto(a, tagFile, tags))
            return status;
    }
    const std::string text = exportTags(tags);
    if (!a.exportFile.isEmpty()) {
        if (!writeFileAtomically(
                a.exportFile,
                std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())))
            return fail("cannot write " + a.exportFile.toStdString());
    } else if (a.importFile.isEmpty()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return 0;
}

} // namespace

} // namespace zorv::cli
