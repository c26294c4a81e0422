// The project file commands of the zorv tool: new, export-json, import-json, plain, encipher.

#include <cstdio>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "cli/json/ProjectJson.h"
#include "model/ProjectCipher.h"

namespace zorv::cli {

namespace {

std::span<const uint8_t> bytesOf(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

int runNew(const QStringList& args);
int runExportJson(const QStringList& args);
int runImportJson(const QStringList& args);
int runPlain(const QStringList& args);
int runEncipher(const QStringList& args);

const Command kNew{"new", "new OUT.zvd", "write a new, empty project", runNew};
const Command kExportJson{"export-json", "export-json IN.zvd [OUT.json]",
                          "write a project as JSON (to standard output without OUT)",
                          runExportJson};
const Command kImportJson{"import-json", "import-json IN.json OUT.zvd",
                          "make a project file from its JSON form", runImportJson};
const Command kPlain{"plain", "plain IN.zvd OUT.bin", "write the deciphered plain stream",
                     runPlain};
const Command kEncipher{"encipher", "encipher IN.bin OUT.zvd",
                        "encipher a plain stream into a project file", runEncipher};
const CommandRegistration registrations[] = {
    CommandRegistration{kNew}, CommandRegistration{kExportJson}, CommandRegistration{kImportJson},
    CommandRegistration{kPlain}, CommandRegistration{kEncipher}};

int runNew(const QStringList& args) {
    if (args.size() != 1)
        return usageError(kNew);
    if (!saveProject(args[0], CHCData()))
        return fail("Failed to open the target file!");
    return 0;
}

int runExportJson(const QStringList& args) {
    if (args.size() != 1 && args.size() != 2)
        return usageError(kExportJson);
    CHCData project;
    std::string message;
    if (!loadProject(args[0], project, message))
        return fail(message);
    const std::string text = json::exportProjectJson(project);
    if (args.size() == 1) {
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout))
            return fail("Failed to open the target file!");
        return 0;
    }
    if (!writeFileAtomically(args[1], bytesOf(text)))
        return fail("Failed to open the target file!");
    return 0;
}

int runImportJson(const QStringList& args) {
    if (args.size() != 2)
        return usageError(kImportJson);
    std::vector<uint8_t> text;
    std::string message;
    if (!readFileBytes(args[0], text, message))
        return fail(message);
    CHCData project;
    std::string error;
    if (!json::importProjectJson(
            std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), project,
            error))
        return fail(args[0].toStdString() + ": " + error);
    if (!saveProject(args[1], project))
        return fail("Failed to open the target file!");
    return 0;
}

int runPlain(const QStringList& args) {
    if (args.size() != 2)
        return usageError(kPlain);
    std::vector<uint8_t> file, plain;
    std::string message;
    if (!readFileBytes(args[0], file, message))
        return fail(message);
    if (!decipherProject(file, plain))
        return fail("Failed to open file!");
    if (!writeFileAtomically(args[1], plain))
        return fail("Failed to open the target file!");
    return 0;
}

int runEncipher(const QStringList& args) {
    if (args.size() != 2)
        return usageError(kEncipher);
    std::vector<uint8_t> plain;
    std::string message;
    if (!readFileBytes(args[0], plain, message))
        return fail(message);
    if (!writeFileAtomically(args[1], encipherProject(plain)))
        return fail("Failed to open the target file!");
    return 0;
}

} // namespace

} // namespace zorv::cli
