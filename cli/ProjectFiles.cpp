#include "cli/ProjectFiles.h"

#include "model/FileOps.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"

namespace zorv::cli {

namespace {
std::filesystem::path pathOf(const QString& path) {
    return std::filesystem::path(path.toStdString());
}
} // namespace

bool readFileBytes(const QString& path, std::vector<uint8_t>& bytes) {
    auto data = fileops::readFile(pathOf(path));
    if (!data)
        return false;
    bytes = std::move(*data);
    return true;
}

bool writeFileAtomically(const QString& path, std::span<const uint8_t> bytes) {
    return fileops::replaceFile(pathOf(path), bytes);
}

bool loadProject(const QString& path, CHCData& project, std::string& message) {
    std::vector<uint8_t> file, plain;
    if (!readFileBytes(path, file) || !decipherProject(file, plain)) {
        message = "Failed to open file!";
        return false;
    }
    if (!readProjectStream(plain, project)) {
        message = "File format error, open failed!";
        return false;
    }
    return true;
}

bool saveProject(const QString& path, const CHCData& project) {
    return writeFileAtomically(path, encipherProject(projectStream(project)));
}

QString modbusFileBeside(const QString& project) {
    const int dot = project.lastIndexOf('.');
    return (dot < 0 ? project : project.left(dot)) + ".mdt";
}

} // namespace zorv::cli
