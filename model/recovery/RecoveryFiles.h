#pragma once
// The recovery folder of the work folder: one snapshot per running editor that has unsaved
// changes ("SESSION.zvr"), beside the lock that the editor holds while it runs
// ("SESSION.lock"). A snapshot whose lock is not held belongs to an editor that ended without
// dealing with its changes.
//
// Taking a snapshot is split in two: the user-interface thread copies what it must (the
// project stream, the names of the files to read), and a worker enciphers, reads the files
// and writes.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/recovery/RecoverySnapshot.h"

namespace zorv {

class CZorvEditorDoc;

std::filesystem::path recoveryFolder(const std::filesystem::path& workFolder);
std::filesystem::path snapshotFile(const std::filesystem::path& folder, const std::string& session);
std::filesystem::path sessionLockFile(const std::filesystem::path& folder,
                                      const std::string& session);
// The snapshot files of the folder, by name; none when the folder is missing or unreadable.
std::vector<std::filesystem::path> snapshotFiles(const std::filesystem::path& folder);
// The session a snapshot file belongs to.
std::string snapshotSession(const std::filesystem::path& snapshot);

// What the user-interface thread copies of the open project.
struct SnapshotSource {
    std::string projectPath;
    std::vector<uint8_t> stream;
    std::filesystem::path modbusCopy;
    // The pictures to carry: those of a project without a file, which live in the work folder
    // until its first save (a saved project's pictures are beside it already).
    std::filesystem::path pictureFolder;
    std::vector<std::string> pictureNames;
    // The tag file's text as Save would write it; nothing when the file is to stay as it is.
    std::optional<std::string> tagText;
};

SnapshotSource captureSnapshot(const CZorvEditorDoc& document);
// The snapshot of what was captured: the project file enciphered as Save writes it, the
// Modbus table and the pictures read (a picture that cannot be read is left out).
RecoverySnapshot completeSnapshot(const SnapshotSource& source, int64_t takenAt,
                                  const std::string& editorVersion);
// Writes the snapshot under a temporary name, flushed, then renamed over `file`; false, with
// the reason, when it could not be written.
bool writeSnapshot(const std::filesystem::path& file, const RecoverySnapshot& snapshot,
                   std::string& reason);
// Reads a snapshot file; false, with the reason, when it is unreadable or damaged.
bool readSnapshot(const std::filesystem::path& file, RecoverySnapshot& snapshot,
                  std::string& reason);

// Puts the pictures of a recovered snapshot back into the project folder's "pic" folder,
// leaving a file that is there already as it is.
void restoreSnapshotPictures(const RecoverySnapshot& snapshot,
                             const std::filesystem::path& projectFolder);

} // namespace zorv
