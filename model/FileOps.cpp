#include "model/FileOps.h"

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zorv::fileops {

std::optional<std::vector<uint8_t>> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    if (in.bad())
        return std::nullopt;
    return bytes;
}

namespace {

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

} // namespace

bool writeFile(const fs::path& path, std::span<const uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = writeAll(fd, bytes);
    return ::close(fd) == 0 && ok;
}

bool replaceFile(const fs::path& target, std::span<const uint8_t> bytes) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) {
        // Keep the permissions of the file being replaced.
        struct stat st {};
        ::chmod(pattern.c_str(), ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644);
        ok = ::rename(pattern.c_str(), target.c_str()) == 0;
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
