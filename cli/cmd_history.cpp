// zorv history PROJECT.zvd [--restore N OUT.zvd]: the earlier versions of a project that the
// editor's saves kept in the work folder, and one of them written out byte for byte.

#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "model/FileOps.h"
#include "model/history/ProjectHistory.h"
#include "platform/Paths.h"

namespace zorv::cli {

namespace {

int runHistory(const QStringList& args);

const Command kHistory{"history", "history PROJECT.zvd [--restore N OUT.zvd]",
                       "list the earlier versions the editor kept, or write one out", runHistory};
const CommandRegistration registration{kHistory};

std::string localTime(int64_t seconds) {
    const std::time_t t = std::time_t(seconds);
    std::tm local{};
    char text[32] = "?";
    if (localtime_r(&t, &local))
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::filesystem::path pathOf(const QString& file) {
    return QFileInfo(file).absoluteFilePath().toStdString();
}

int list(const QString& project, const ProjectHistory& history,
         const std::vector<KeptVersion>& versions) {
    const std::string name = QFileInfo(project).fileName().toStdString();
    const std::string folder = history.folder().string();
    if (versions.empty()) {
        std::printf("No earlier versions of %s are kept in %s\n", name.c_str(), folder.c_str());
        return 0;
    }
    std::printf("Earlier versions of %s, newest first, kept in %s\n", name.c_str(), folder.c_str());
    std::printf("  %-7s %-19s %12s %6s  %s\n", "Number", "Saved", "Bytes", "Pages", "Modbus table");
    for (auto v = versions.rbegin(); v != versions.rend(); ++v)
        std::printf("  %-7llu %-19s %12llu %6d  %s\n", static_cast<unsigned long long>(v->number),
                    localTime(v->savedAt).c_str(), static_cast<unsigned long long>(v->size),
                    v->pages, v->modbusTable.empty() ? "none" : "kept");
    return 0;
}

int restore(const ProjectHistory& history, const std::vector<KeptVersion>& versions,
            uint64_t number, const QString& out) {
    const auto version =
        std::find_if(versions.begin(), versions.end(),
                     [number](const KeptVersion& v) { return v.number == number; });
    if (version == versions.end())
        return fail("no earlier version " + std::to_string(number) + " is kept");
    KeptFiles files;
    if (!history.read(*version, files))
        return fail("Failed to open file!\n" + version->projectFile.string());
    const std::filesystem::path target = pathOf(out);
    const std::filesystem::path table = pathOf(modbusFileBeside(out));
    // Writing over a project keeps the file it replaces, as the editor's Save does.
    keepReplacedVersion(SystemPaths(currentExecutable()).workFolder(), target, table,
                        files.projectFile);
    if ((files.modbusTable && !fileops::replaceFile(table, *files.modbusTable)) ||
        !fileops::replaceFile(target, files.projectFile))
        return fail("Failed to open the target file!");
    std::printf("Version %llu written to %s%s\n", static_cast<unsigned long long>(number),
                qPrintable(out), files.modbusTable ? ", with its Modbus table" : "");
    return 0;
}

int runHistory(const QStringList& args) {
    if (args.size() != 1 && !(args.size() == 4 && args[1] == "--restore"))
        return usageError(kHistory);
    const ProjectHistory history(SystemPaths(currentExecutable()).workFolder(), pathOf(args[0]));
    const std::vector<KeptVersion> versions = history.versions();
    if (args.size() == 1)
        return list(args[0], history, versions);
    bool ok = false;
    const qulonglong number = args[2].toULongLong(&ok);
    if (!ok || number == 0)
        return usageError(kHistory);
    return restore(history, versions, number, args[3]);
}

} // namespace

} // namespace zorv::cli
