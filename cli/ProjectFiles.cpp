#include "cli/ProjectFiles.h"

#include <QFileInfo>

#include "image/ImageCompiler.h"

#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"
#include "model/OpenFailure.h"
#include "model/ProjectCipher.h"
#include "model/ProjectFileReader.h"
#include "model/ProjectStream.h"
#include "platform/Paths.h"

namespace zorv::cli {

namespace {
std::filesystem::path pathOf(const QString& path) {
    return std::filesystem::path(path.toStdString());
}
} // namespace

bool readFileBytes(const QString& path, std::vector<uint8_t>& bytes, std::string& message) {
    FileContents file = readWholeFile(pathOf(path));
    if (!file) {
        message = openFailureMessage(docmsg::kOpenFailed, pathOf(path), file.failure);
        return false;
    }
    bytes = std::move(file.bytes);
    return true;
}

bool writeFileAtomically(const QString& path, std::span<const uint8_t> bytes) {
    return fileops::replaceFile(pathOf(path), bytes);
}

bool loadProject(const QString& path, CHCData& project, std::string& message) {
    std::vector<uint8_t> plain;
    if (!readProjectPlain(pathOf(path), plain, message))
        return false;
    StreamFault fault;
    if (!readProjectStream(plain, project, &fault)) {
        message = openFailureMessage(docmsg::kFormatError, pathOf(path), streamFaultReason(fault));
        return false;
    }
    return true;
}

bool saveProject(const QString& path, const CHCData& project) {
    return writeFileAtomically(path, encipherProject(projectStream(project)));
}

bool loadPanelImage(const QString& path, panel::PanelImage& image, std::string& message) {
    std::vector<uint8_t> bytes;
    if (QFileInfo(path).suffix().compare("hc", Qt::CaseInsensitive) == 0) {
        if (!readFileBytes(path, bytes, message))
            return false;
    } else {
        CHCData project;
        if (!loadProject(path, project, message))
            return false;
        CompileResult result = compileImage(project, SystemPaths(currentExecutable()));
        if (!result.ok) {
            message = result.message;
            return false;
        }
        bytes = std::move(result.image);
    }
    if (image.load(bytes, message))
        return true;
    message = "not a sound download image: " + message;
    return false;
}

QString modbusFileBeside(const QString& project) {
    const int dot = project.lastIndexOf('.');
    return (dot < 0 ? project : project.left(dot)) + ".mdt";
}

} // namespace zorv::cli
