#pragma once
// What a project file on disk looked like when the editor last read or wrote it: whether it was
// there, its size, its modification time (nanoseconds) and a hash of its bytes. Another
// program's change shows as other bytes; the same bytes written again (a copy, a checkout that
// changed nothing) are no change. A file that cannot be read, or one far larger than any
// project, is told apart by its size and time alone.

#include <cstdint>
#include <filesystem>
#include <span>

namespace zorv {

struct DiskFingerprint {
    // Larger files are not read for their hash.
    static constexpr std::uintmax_t kHashedSizeLimit = 64u << 20;

    bool exists = false;
    // The hash holds the file's bytes.
    bool hashed = false;
    std::uintmax_t size = 0;
    int64_t modifiedNs = 0;
    uint64_t hash = 0;

    static DiskFingerprint of(const std::filesystem::path& path);
    // Of `bytes` the editor itself just wrote to `path`: the size and the hash from the bytes,
    // the time from the file, so that another program writing right after is still noticed.
    static DiskFingerprint written(const std::filesystem::path& path,
                                   std::span<const uint8_t> bytes);
};

// Whether both name the same file contents: both missing, or both there with the same bytes.
bool sameVersion(const DiskFingerprint& a, const DiskFingerprint& b);

} // namespace zorv
