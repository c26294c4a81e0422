// Guards the one reader of whole files: an exception out of a failed read (which ended the
// program), a named pipe or a device that holds the read for ever, a folder or a loop of links
// reported as a missing file, files of /proc that announce no size read as empty, and a size
// limit that lets one byte too many through.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/FileRead.h"
#include "platform/MemorySource.h"
#include "tests/TestFolder.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {

class FileReadTest : public testing::Test {
protected:
    void SetUp() override { root = test::freshTestFolder("zorv_file_read_"); }
    void TearDown() override { fs::remove_all(root); }

    fs::path write(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(root / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return root / name;
    }

    fs::path root;
};

} // namespace

TEST_F(FileReadTest, RegularFilesAreReadWhole) {
    // Larger than one read step, so that the steps join up.
    std::vector<uint8_t> large(3 * 1024 * 1024 + 5);
    for (std::size_t i = 0; i < large.size(); ++i)
        large[i] = uint8_t(i * 7);
    for (const auto& bytes : {std::vector<uint8_t>{}, std::vector<uint8_t>{1, 2, 3}, large}) {
        const FileContents file = readWholeFile(write("f.bin", bytes));
        ASSERT_TRUE(file) << file.failure;
        EXPECT_EQ(file.bytes, bytes);
    }
    // Files of /proc announce no size and hold text all the same.
    const FileContents status = readWholeFile("/proc/self/status");
    ASSERT_TRUE(status) << status.failure;
    EXPECT_NE(std::string(status.bytes.begin(), status.bytes.end()).find("Name:"),
              std::string::npos);
}

TEST_F(FileReadTest, SizeLimitIsExact) {
    const fs::path file = write("f.bin", std::vector<uint8_t>(100, 9));
    EXPECT_TRUE(readWholeFile(file, 100));
    EXPECT_EQ(readWholeFile(file, 99).failure, "File too large");
    // A source that announces less than it holds is stopped at the limit too.
    const std::vector<uint8_t> bytes(100, 1);
    struct Understated : ByteSource {
        MemorySource inner;
        explicit Understated(std::span<const uint8_t> b) : inner(b) {}
        bool read(std::size_t n, std::vector<uint8_t>& out) override { return inner.read(n, out); }
        const std::string& failure() const override { return inner.failure(); }
    } understated(bytes);
    const FileContents cut = readRest(understated, 99);
    EXPECT_EQ(cut.failure, "File too large");
    EXPECT_TRUE(cut.bytes.empty());
}

TEST_F(FileReadTest, PlacesThatAreNoReadableFileSayWhy) {
    const fs::path pipe = root / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    const fs::path loop = root / "loop";
    fs::create_symlink("loop", loop);
    const fs::path socketPath = root / "socket";
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::vector<std::pair<fs::path, std::string>> places{
        {root, "Is a directory"},
        {"/proc/self/mem", "Input/output error"},
        {pipe, "Is a named pipe, not a file"},
        {socketPath, "Is a socket, not a file"},
        {"/dev/zero", "Is a device, not a file"},
        {loop, "Too many levels of symbolic links"},
        {root / "none", "No such file or directory"},
    };
    for (const auto& [place, reason] : places) {
        SCOPED_TRACE(place.string());
        const FileContents file = readWholeFile(place);
        EXPECT_FALSE(file);
        EXPECT_EQ(file.failure, reason);
        EXPECT_TRUE(file.bytes.empty());
        // Only a name with nothing behind it is a missing file.
        EXPECT_EQ(file.missing, place == root / "none");
    }
    ::close(sock);
}

TEST_F(FileReadTest, NumberFilesGiveTheirLeadingNumber) {
    const auto number = [&](const std::string& text) {
        return readNumberFile(write("n", std::vector<uint8_t>(text.begin(), text.end())));
    };
    EXPECT_EQ(number("1\n"), 1);
    EXPECT_EQ(number(" 255 x"), 255);
    EXPECT_EQ(number("-3"), -3);
    EXPECT_EQ(number("x1"), std::nullopt);
    EXPECT_EQ(number(""), std::nullopt);
    EXPECT_EQ(readNumberFile(root), std::nullopt);
}

TEST_F(FileReadTest, AReadThatFailsPartWayGivesNoBytesAndTheReason) {
    const std::vector<uint8_t> bytes(5000, 3);
    MemorySource source(bytes, 4096);
    const FileContents file = readRest(source);
    EXPECT_EQ(file.failure, "Input/output error");
    EXPECT_TRUE(file.bytes.empty());
    // Reads in steps hand out what lies before the bad place, then fail.
    MemorySource stepped(bytes, 10, "Stale file handle");
    std::vector<uint8_t> out;
    EXPECT_TRUE(stepped.read(8, out));
    EXPECT_FALSE(stepped.read(8, out));
    EXPECT_EQ(out.size(), 10u);
    EXPECT_EQ(stepped.failure(), "Stale file handle");
}
