#pragma once
// A recovery snapshot: what the editor keeps of an open project with unsaved changes, so that
// the work survives a crash. It holds the project file exactly as Save would write it, the
// working Modbus table, the tag table, the pictures that exist nowhere beside a saved project
// yet, and a
// small header: the project's path (empty for a project without a file), when the snapshot
// was taken and by which editor.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zorv {

struct SnapshotPicture {
    // The name the records keep ("pic\logo.bmp").
    std::string name;
    std::vector<uint8_t> bytes;
};

struct RecoverySnapshot {
    std::string projectPath;
    // Seconds since the epoch.
    int64_t takenAt = 0;
    std::string editorVersion;
    std::vector<uint8_t> projectFile;
    std::vector<uint8_t> modbusTable;
    std::vector<SnapshotPicture> pictures;
    // The tag file as Save would write it; nothing when the tag file beside the project is to
    // stay as it is (it could not be read, or the snapshot is of an older editor).
    std::optional<std::vector<uint8_t>> tagFile;
};

// The file form: "ZVRECOV2", the time as two 32-bit halves, then each string and byte block
// as its 32-bit length and its bytes, the pictures after their count, then the tag file after a
// 32-bit 0 (none) or 1; little-endian. A "ZVRECOV1" snapshot ends after the pictures.
std::vector<uint8_t> encodeSnapshot(const RecoverySnapshot& snapshot);
// Nothing unless the bytes are one whole snapshot: every length within what is left and
// within its bound, nothing after the last picture.
std::optional<RecoverySnapshot> decodeSnapshot(std::span<const uint8_t> bytes);

} // namespace zorv
