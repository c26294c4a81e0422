#include "model/DiskFingerprint.h"

#include <chrono>

#include "model/ByteHash.h"
#include "model/FileOps.h"

namespace fs = std::filesystem;

namespace zorv {

namespace {

int64_t modifiedNsOf(const fs::path& path) {
    std::error_code ec;
    const fs::file_time_type modified = fs::last_write_time(path, ec);
    if (ec)
        return 0;
    return std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch())
        .count();
}

} // namespace

DiskFingerprint DiskFingerprint::of(const fs::path& path) {
    DiskFingerprint print;
    std::error_code ec;
    // Only a regular file is read: a folder or a pipe put in its place is no project.
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status))
        return print;
    print.exists = true;
    print.modifiedNs = modifiedNsOf(path);
    if (!fs::is_regular_file(status))
        return print;
    print.size = fs::file_size(path, ec);
    if (ec)
        print.size = 0;
    if (print.size > kHashedSizeLimit)
        return print;
    if (const auto bytes = fileops::readFile(path)) {
        // The size read is the one that counts: the file may have grown since it was asked.
        print.size = bytes->size();
        print.hash = fnv1a(*bytes);
        print.hashed = true;
    }
    return print;
}

DiskFingerprint DiskFingerprint::written(const fs::path& path, std::span<const uint8_t> bytes) {
    DiskFingerprint print;
    print.exists = true;
    print.hashed = true;
    print.size = bytes.size();
    print.modifiedNs = modifiedNsOf(path);
    print.hash = fnv1a(bytes);
    return print;
}

bool sameVersion(const DiskFingerprint& a, const DiskFingerprint& b) {
    if (a.exists != b.exists)
        return false;
    if (!a.exists)
        return true;
    if (a.size != b.size)
        return false;
    if (a.hashed && b.hashed)
        return a.hash == b.hash;
    // Without the bytes of both (a file made unreadable keeps its time), only an untouched file
    // counts as the same.
    return a.modifiedNs == b.modifiedNs;
}

} // namespace zorv
