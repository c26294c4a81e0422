// zorv report IN.zvd [OUT.txt]: the statistical report of a project, with the Modbus section of
// the ".mdt" beside it; on standard output ("\n" line ends) without OUT, else in text mode.
// zorv report --html IN.zvd OUT.html: the same as one self-contained page with the problems,
// the page map and the register cross-reference.
// zorv import-old IN.qsp OUT.zvd: a project of the older text-display panels as a new project;
// its pictures go to OUT's folder, pic/. Pages that repeat a number are renumbered and told on
// the error output.

#include <QFileInfo>
#include <cstdio>

#include "checks/HtmlReport.h"
#include "cli/CheckedProject.h"
#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "comm/ProjectReport.h"
#include "image/Report.h"
#include "image/Translator.h"

namespace zorv::cli {

namespace {

int runReport(const QStringList& args);
int runImportOld(const QStringList& args);

const Command kReport{"report", "report IN.zvd [OUT.txt] | --html IN.zvd OUT.html",
                      "write the statistical report of a project", runReport};
const Command kImportOld{"import-old", "import-old IN.qsp OUT.zvd",
                         "translate an older text-display project", runImportOld};
const CommandRegistration reportRegistration{kReport};
const CommandRegistration importOldRegistration{kImportOld};

int runHtmlReport(const QStringList& args) {
    if (args.size() != 2)
        return usageError(kReport);
    CheckedProject checked;
    std::string message;
    if (!loadCheckedProject(args[0], checked, message))
        return fail(message);
    const std::string html =
        projectHtmlReport(checked.input(), QFileInfo(args[0]).completeBaseName().toStdString());
    if (!writeFileAtomically(args[1],
                             std::span(reinterpret_cast<const uint8_t*>(html.data()), html.size())))
        return fail(kReportFailedMessage);
    return 0;
}

int runReport(const QStringList& args) {
    if (!args.isEmpty() && args[0] == "--html")
        return runHtmlReport(args.mid(1));
    if (args.size() < 1 || args.size() > 2)
        return usageError(kReport);
    CHCData project;
    std::string message;
    if (!loadProject(args[0], project, message))
        return fail(message);
    const std::filesystem::path modbusTable = modbusFileBeside(args[0]).toStdString();
    if (args.size() == 1) {
        const std::string text = projectReportText(project, modbusTable);
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    if (!writeProjectReportFile(project, modbusTable, args[1].toStdString()))
        return fail(kReportFailedMessage);
    return 0;
}

int runImportOld(const QStringList& args) {
    if (args.size() != 2)
        return usageError(kImportOld);
    std::vector<uint8_t> file;
    std::string message;
    if (!readFileBytes(args[0], file, message))
        return fail(message);
    CHCData project;
    const CTranslator translator(QFileInfo(args[1]).absolutePath().toStdString());
    std::vector<RenumberedPage> renumbered;
    if (!translator.translate(file, project, &renumbered))
        return fail(kImportFailedMessage);
    if (!renumbered.empty())
        std::fprintf(stderr, "zorv: %s\n", renumberedPagesWarning(renumbered).c_str());
    if (!saveProject(args[1], project))
        return fail("Failed to open the target file!");
    std::printf("%d pages, %d alarms\n", project.pageCount(), project.alarmList.entryCount() - 1);
    return 0;
}

} // namespace

} // namespace zorv::cli
