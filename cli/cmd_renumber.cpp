// zorv renumber IN.zvd OUT.zvd --from D100 --to D200 [--count N] [--pages 2,3]: the project with
// a run of registers moved (--from D100-D119 --to D200-D219 says the same as --count 20) in
// every widget field that uses them, over every page or the pages listed. Each change is listed
// ("page 2 Register 5: register D100 -> D200"); a move that leaves its family's range is
// refused and nothing is written. The tags beside IN go beside OUT, as Save As takes them.

#include <QFileInfo>
#include <cstdio>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "model/RegisterName.h"
#include "model/tags/TagFile.h"
#include "search/Renumber.h"

namespace zorv::cli {

namespace {

int runRenumber(const QStringList& args);

const Command kRenumber{"renumber",
                        "renumber IN.zvd OUT.zvd --from D100 --to D200 [--count N] [--pages 2,3]",
                        "move a run of registers in every widget that uses them", runRenumber};
const CommandRegistration renumberRegistration{kRenumber};

struct RenumberArguments {
    QStringList files;
    QString from, to, count, pages;
};

bool parseArguments(const QStringList& args, RenumberArguments& out) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString* value = arg == "--from"    ? &out.from
                         : arg == "--to"    ? &out.to
                         : arg == "--count" ? &out.count
                         : arg == "--pages" ? &out.pages
                                            : nullptr;
        if (value && i + 1 < args.size() && value->isEmpty())
            *value = args[++i];
        else if (!arg.startsWith("--") && out.files.size() < 2)
            out.files.push_back(arg);
        else
            return false;
    }
    return out.files.size() == 2 && !out.from.isEmpty() && !out.to.isEmpty();
}

bool parsePages(const QString& text, std::vector<uint16_t>& pages) {
    for (const QString& part : text.split(',')) {
        bool ok = false;
        const unsigned number = part.trimmed().toUInt(&ok);
        if (!ok || number > 65535)
            return false;
        pages.push_back(uint16_t(number));
    }
    return true;
}

// The tags of IN beside OUT; a tag file that cannot be read is told and left behind.
void carryTags(const QString& in, const QString& out) {
    TagTable tags;
    std::string message;
    if (!loadTagFile(tagFileOf(in.toStdString()), tags, message)) {
        std::fprintf(stderr, "zorv: %s\n", message.c_str());
        return;
    }
    std::string failure;
    if (!saveTagFile(tagFileOf(out.toStdString()), tags, &failure))
        std::fprintf(stderr, "zorv: %s: %s\n", tagFileOf(out.toStdString()).c_str(),
                     failure.c_str());
}

int runRenumber(const QStringList& args) {
    RenumberArguments a;
    if (!parseArguments(args, a))
        return usageError(kRenumber);
    std::optional<int> count;
    if (!a.count.isEmpty()) {
        bool ok = false;
        count = a.count.toInt(&ok);
        if (!ok)
            return usageError(kRenumber);
    }
    RenumberScope scope;
    if (!a.pages.isEmpty() && !parsePages(a.pages, scope.pages))
        return usageError(kRenumber);
    RegisterMove move;
    std::string message;
    if (!parseRegisterMove(a.from.toStdString(), a.to.toStdString(), count, move, message))
        return fail(message);
    CHCData project;
    if (!loadProject(a.files[0], project, message))
        return fail(message);
    for (uint16_t number : scope.pages) {
        if (!project.pageByNumber(number))
            return fail("the project has no page " + std::to_string(number));
    }
    std::vector<RegisterChange> changes;
    if (!renumber(project, std::span(&move, 1), scope, changes, message))
        return fail(message);
    for (const RegisterChange& c : changes)
        std::printf("page %u %s %d: %s %s -> %s\n", c.page, std::string(typeName(c.kind)).c_str(),
                    c.widgetId, c.field.c_str(), registerText(c.before).c_str(),
                    registerText(c.after).c_str());
    if (!saveProject(a.files[1], project))
        return fail("Failed to open the target file!");
    if (QFileInfo(a.files[0]).absoluteFilePath() != QFileInfo(a.files[1]).absoluteFilePath())
        carryTags(a.files[0], a.files[1]);
    std::fprintf(stderr, "%s: %zu fields changed\n", moveText(move).c_str(), changes.size());
    return 0;
}

} // namespace

} // namespace zorv::cli
