#pragma once
// Reading files whole, without waiting on them and without exceptions: only a regular file is
// opened (a folder, a named pipe or a device is refused before it could block the reader), and
// a failed read ends the read with the system's reason ("Input/output error").

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace zorv {

inline constexpr std::uintmax_t kAnyFileSize = std::numeric_limits<std::uintmax_t>::max();

// The system's words for an error number: "Is a directory", "No space left on device".
std::string systemReason(int error);

// Bytes read in steps, from a file or, in tests, from memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Appends up to `count` bytes to `out`, fewer only at the end; false when the read failed,
    // and failure() then says why. What was read before the failure stays in `out`.
    virtual bool read(std::size_t count, std::vector<uint8_t>& out) = 0;
    // Why the source cannot be read; empty while it can.
    virtual const std::string& failure() const = 0;
    // The size the source announces, 0 when it does not know (files of /proc announce 0 too).
    virtual std::uintmax_t announcedSize() const { return 0; }
};

// A regular file opened for reading; failure() says why it could not be opened.
class InputFile final : public ByteSource {
public:
    explicit InputFile(const std::filesystem::path& path);
    ~InputFile() override;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool read(std::size_t count, std::vector<uint8_t>& out) override;
    const std::string& failure() const override { return failure_; }
    std::uintmax_t announcedSize() const override { return size_; }
    // No file by that name (a name that leads nowhere, as a loop of links does, is no missing
    // file but one that cannot be read).
    bool missing() const { return missing_; }

private:
    int fd_ = -1;
    bool missing_ = false;
    std::uintmax_t size_ = 0;
    std::string failure_;
};

struct FileContents {
    std::vector<uint8_t> bytes;
    std::string failure;  // why the bytes could not be read whole; empty when they were
    bool missing = false; // the file does not exist
    explicit operator bool() const { return failure.empty(); }
};

// The rest of a source, to its end. More than `maxSize` bytes in all fail with "File too large".
FileContents readRest(ByteSource& source, std::uintmax_t maxSize = kAnyFileSize);
// The whole file at `path`.
FileContents readWholeFile(const std::filesystem::path& path,
                           std::uintmax_t maxSize = kAnyFileSize);
// The decimal number a small text file begins with (after blanks), as the files of /sys hold
// one; nothing when the file cannot be read or holds none.
std::optional<long> readNumberFile(const std::filesystem::path& path);

} // namespace zorv
