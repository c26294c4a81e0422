#include "model/recovery/RecoveryFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>

#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"
#include "model/PictureFiles.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "model/tags/TagFile.h"

namespace fs = std::filesystem;

namespace zorv {

namespace {

constexpr const char* kSnapshotEnding = ".zvr";

} // namespace

fs::path recoveryFolder(const fs::path& workFolder) {
    return workFolder / "recovery";
}

fs::path snapshotFile(const fs::path& folder, const std::string& session) {
    return folder / (session + kSnapshotEnding);
}

fs::path sessionLockFile(const fs::path& folder, const std::string& session) {
    return folder / (session + ".lock");
}

std::vector<fs::path> snapshotFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == kSnapshotEnding && it->is_regular_file(ec))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string snapshotSession(const fs::path& snapshot) {
    return snapshot.stem().string();
}

SnapshotSource captureSnapshot(const CZorvEditorDoc& document) {
    SnapshotSource source;
    source.projectPath = document.path().string();
    source.stream = projectStream(document.project());
    source.modbusCopy = document.modbusWorkingCopy();
    if (!document.tagFileUnread())
        source.tagText = tagFileText(document.tags());
    if (document.path().empty()) {
        source.pictureFolder = document.projectFolder();
        std::set<std::string> seen;
        for (const auto& page : document.project().pages())
            for (const WidgetNode& node : page->widgets)
                for (std::string& name : pictureNamesOf(node))
                    if (seen.insert(name).second)
                        source.pictureNames.push_back(std::move(name));
    }
    return source;
}

RecoverySnapshot completeSnapshot(const SnapshotSource& source, int64_t takenAt,
                                  const std::string& editorVersion) {
    RecoverySnapshot snapshot;
    snapshot.projectPath = source.projectPath;
    snapshot.takenAt = takenAt;
    snapshot.editorVersion = editorVersion;
    snapshot.projectFile = encipherProject(source.stream);
    if (!source.modbusCopy.empty())
        snapshot.modbusTable =
            fileops::readFile(source.modbusCopy).value_or(std::vector<uint8_t>{});
    for (const std::string& name : source.pictureNames) {
        if (auto bytes = fileops::readFile(picturePath(source.pictureFolder, name)))
            snapshot.pictures.push_back({name, std::move(*bytes)});
    }
    if (source.tagText)
        snapshot.tagFile.emplace(source.tagText->begin(), source.tagText->end());
    return snapshot;
}

bool writeSnapshot(const fs::path& file, const RecoverySnapshot& snapshot, std::string& reason) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    errno = 0;
    if (fileops::replaceFile(file, encodeSnapshot(snapshot)))
        return true;
    reason = errno ? std::strerror(errno) : "the file could not be written";
    return false;
}

bool readSnapshot(const fs::path& file, RecoverySnapshot& snapshot, std::string& reason) {
    errno = 0;
    const auto bytes = fileops::readFile(file);
    if (!bytes) {
        reason = errno ? std::strerror(errno) : "the file could not be read";
        return false;
    }
    auto decoded = decodeSnapshot(*bytes);
    if (!decoded) {
        reason = "the snapshot is damaged";
        return false;
    }
    snapshot = std::move(*decoded);
    return true;
}

void restoreSnapshotPictures(const RecoverySnapshot& snapshot, const fs::path& projectFolder) {
    for (const SnapshotPicture& picture : snapshot.pictures) {
        const fs::path target = picturePath(projectFolder, picture.name);
        // Only a name inside the project folder's own "pic" folder is taken.
        if (target.parent_path() != pictureFolder(projectFolder))
            continue;
        std::error_code ec;
        if (fs::exists(target, ec))
            continue;
        fs::create_directories(target.parent_path(), ec);
        fileops::writeFile(target, picture.bytes);
    }
}

} // namespace zorv
