#include "platform/FileRead.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zorv {

namespace {

// Read in steps of this size, so that a file that announces no size still grows by steps.
constexpr std::size_t kReadStep = std::size_t(1) << 20;

// Why a path that is not a regular file is refused: reading a named pipe or a device could wait
// for ever or never end.
std::string notAFileReason(mode_t mode) {
    if (S_ISDIR(mode))
        return systemReason(EISDIR);
    if (S_ISFIFO(mode))
        return "Is a named pipe, not a file";
    if (S_ISSOCK(mode))
        return "Is a socket, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "Is a device, not a file";
    return "Is not a regular file";
}

} // namespace

std::string systemReason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

InputFile::InputFile(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        missing_ = errno == ENOENT;
        failure_ = systemReason(errno);
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        failure_ = notAFileReason(st.st_mode);
        return;
    }
    // Not blocking, so that a pipe put in the file's place since the look above cannot hold the
    // open; the look at the opened file below then refuses it.
    do
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) {
        failure_ = systemReason(errno);
        return;
    }
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        failure_ = S_ISREG(st.st_mode) ? systemReason(errno) : notAFileReason(st.st_mode);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    size_ = std::uintmax_t(st.st_size);
}

InputFile::~InputFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool InputFile::read(std::size_t count, std::vector<uint8_t>& out) {
    if (fd_ < 0)
        return false;
    const std::size_t start = out.size();
    out.resize(start + count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd_, out.data() + start + got, count - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failure_ = systemReason(errno);
            out.resize(start + got);
            return false;
        }
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    out.resize(start + got);
    return true;
}

FileContents readRest(ByteSource& source, std::uintmax_t maxSize) {
    FileContents contents;
    if (!source.failure().empty()) {
        contents.failure = source.failure();
        return contents;
    }
    const std::uintmax_t announced = source.announcedSize();
    if (announced > maxSize) {
        contents.failure = systemReason(EFBIG);
        return contents;
    }
    contents.bytes.reserve(std::size_t(announced));
    for (;;) {
        const std::size_t before = contents.bytes.size();
        // One byte past the limit tells a file of exactly maxSize bytes from a larger one.
        const std::uintmax_t room = maxSize - std::min<std::uintmax_t>(before, maxSize);
        const std::size_t step = room >= kReadStep ? kReadStep : std::size_t(room) + 1;
        if (!source.read(step, contents.bytes)) {
            contents.failure = source.failure();
            contents.bytes.clear();
            return contents;
        }
        if (contents.bytes.size() > maxSize) {
            contents.failure = systemReason(EFBIG);
            contents.bytes.clear();
            return contents;
        }
        if (contents.bytes.size() - before < step)
            return contents;
    }
}

FileContents readWholeFile(const std::filesystem::path& path, std::uintmax_t maxSize) {
    InputFile file(path);
    FileContents contents = readRest(file, maxSize);
    contents.missing = file.missing();
    return contents;
}

std::optional<long> readNumberFile(const std::filesystem::path& path) {
    constexpr std::uintmax_t kNumberFileLimit = 4096;
    const FileContents file = readWholeFile(path, kNumberFileLimit);
    if (!file)
        return std::nullopt;
    const char* first = reinterpret_cast<const char*>(file.bytes.data());
    const char* last = first + file.bytes.size();
    while (first != last && (*first == ' ' || *first == '\t' || *first == '\n'))
        ++first;
    long value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end == first)
        return std::nullopt;
    return value;
}

} // namespace zorv
