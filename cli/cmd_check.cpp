// zorv check IN.zvd [--json]: the problems of a project, one a line, or as a JSON array; exit
// status 0 without errors, 1 with one, 2 when the file cannot be read.
// zorv xref IN.zvd [--csv]: every register and coil the project uses, with where and how, and
// its tag when the project has tags.

#include <QFileInfo>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "checks/RegisterUses.h"
#include "cli/CheckedProject.h"
#include "cli/Command.h"
#include "model/tags/CsvText.h"

namespace zorv::cli {

namespace {

int runCheck(const QStringList& args);
int runXref(const QStringList& args);

const Command kCheck{"check", "check IN.zvd [--json]", "list the problems of a project", runCheck};
const Command kXref{"xref", "xref IN.zvd [--csv]", "list every register the project uses", runXref};
const CommandRegistration checkRegistration{kCheck};
const CommandRegistration xrefRegistration{kXref};

// The project file and whether the option was given; false for any other argument.
bool fileAndOption(const QStringList& args, const char* option, QString& file, bool& given) {
    given = false;
    file.clear();
    for (const QString& arg : args) {
        if (arg == option && !given)
            given = true;
        else if (!arg.startsWith("--") && file.isEmpty())
            file = arg;
        else
            return false;
    }
    return !file.isEmpty();
}

nlohmann::json findingJson(const Finding& f) {
    nlohmann::json j{{"severity", severityName(f.severity)},
                     {"code", f.code},
                     {"page", nullptr},
                     {"widget", nullptr},
                     {"message", f.message}};
    if (f.page)
        j["page"] = *f.page;
    if (const auto& w = f.widget)
        j["widget"] = {
            {"kind", std::string(typeName(w->kind))}, {"id", w->id}, {"x", w->x}, {"y", w->y}};
    return j;
}

int runCheck(const QStringList& args) {
    QString file;
    bool json = false;
    if (!fileAndOption(args, "--json", file, json))
        return usageError(kCheck);
    CheckedProject checked;
    std::string message;
    if (!loadCheckedProject(file, checked, message)) {
        std::fprintf(stderr, "zorv: %s\n", message.c_str());
        return 2;
    }
    const Findings findings = runChecks(checked.input());
    if (json) {
        nlohmann::json list = nlohmann::json::array();
        for (const Finding& f : findings)
            list.push_back(findingJson(f));
        std::printf("%s\n", list.dump(2).c_str());
    } else {
        for (const Finding& f : findings)
            std::printf("%s\n", findingLine(f).c_str());
    }
    return errorCount(findings) > 0 ? 1 : 0;
}

int runXref(const QStringList& args) {
    QString file;
    bool csv = false;
    if (!fileAndOption(args, "--csv", file, csv))
        return usageError(kXref);
    CheckedProject checked;
    std::string message;
    if (!loadCheckedProject(file, checked, message))
        return fail(message);
    const auto uses = registerUses(checked.project, checked.modbus);
    // The tag column shows only when the project has tags.
    const bool tagged = !checked.tags.empty();
    if (csv)
        std::printf("register,%sarea,address,width,station,use,where,detail\n",
                    tagged ? "tag," : "");
    for (const RegisterUseEntry& u : uses) {
        const std::string tag = tagged ? tagNameOf(checked.tags, u) : std::string();
        if (csv)
            std::printf("%s,%s%s,%u,%d,%u,%s,%s,%s\n", registerSpan(u).c_str(),
                        tagged ? (csvField(tag) + ",").c_str() : "", registerLetter(u.type),
                        u.address, u.width, u.station, registerUseName(u.use),
                        csvField(useWhere(u)).c_str(), csvField(u.detail).c_str());
        else if (tagged)
            std::printf("%-11s %-20s %-18s %-32s %s\n", registerSpan(u).c_str(), tag.c_str(),
                        registerUseName(u.use), useWhere(u).c_str(), u.detail.c_str());
        else
            std::printf("%-11s %-18s %-32s %s\n", registerSpan(u).c_str(), registerUseName(u.use),
                        useWhere(u).c_str(), u.detail.c_str());
    }
    return 0;
}

} // namespace

} // namespace zorv::cli
