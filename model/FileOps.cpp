#include "model/FileOps.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileRead.h"

namespace fs = std::filesystem;

namespace zorv::fileops {

std::optional<std::vector<uint8_t>> readFile(const fs::path& path) {
    FileContents contents = readWholeFile(path);
    if (!contents)
        return std::nullopt;
    return std::move(contents.bytes);
}

namespace {

// False, with the system's reason kept in `failure`, when the call failed.
bool noted(bool ok, std::string* failure) {
    if (!ok && failure)
        *failure = systemReason(errno);
    return ok;
}

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

} // namespace

bool writeFile(const fs::path& path, std::span<const uint8_t> bytes, std::string* failure) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (!noted(fd >= 0, failure))
        return false;
    const bool ok = noted(writeAll(fd, bytes), failure);
    return noted(::close(fd) == 0, ok ? failure : nullptr) && ok;
}

bool replaceFile(const fs::path& target, std::span<const uint8_t> bytes, std::string* failure) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (!noted(fd >= 0, failure))
        return false;
    bool ok = noted(writeAll(fd, bytes) && ::fsync(fd) == 0, failure);
    ok = noted(::close(fd) == 0, ok ? failure : nullptr) && ok;
    if (ok) {
        // Keep the permissions of the file being replaced.
        struct stat st {};
        ::chmod(pattern.c_str(), ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644);
        ok = noted(::rename(pattern.c_str(), target.c_str()) == 0, failure);
    }
    if (!ok) {
        ::unlink(pattern.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool isReadOnly(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR);
}

void clearReadOnly(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !(st.st_mode & S_IWUSR))
        ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR);
}

void removeFile(const fs::path& path) {
    clearReadOnly(path);
    std::error_code ec;
    fs::remove(path, ec);
}

bool copyOver(const fs::path& from, const fs::path& to) {
    clearReadOnly(to);
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    return !ec;
}

bool copyFolderFiles(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (!fs::is_directory(from, ec))
        return true;
    fs::create_directories(to, ec);
    bool ok = true;
    for (const auto& entry : fs::directory_iterator(from, ec)) {
        if (entry.is_regular_file(ec))
            ok = copyOver(entry.path(), to / entry.path().filename()) && ok;
    }
    return ok && !ec;
}

} // namespace zorv::fileops
