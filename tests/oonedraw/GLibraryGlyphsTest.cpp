// Guards against: glyph rows not flipped bottom-up, bytes or bits read in the wrong order, set
// bits drawn as ink, user codes read from the system library, reads past a short file or a
// count larger than the file, a missing library reported on every paint or never retried, and
// a library edited on disk drawn from stale bytes.
#include "oonedraw/GLibraryGlyphs.h"
#include "tests/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

using namespace oonedraw;
namespace fs = std::filesystem;
using Status = GGlyphSource::Status;

namespace {

using Copy = std::array<uint8_t, 32>;

// A drawing copy inked only at the given pixels (x from the left, y from the top).
Copy CopyWithInk(std::initializer_list<std::pair<int, int>> ink) {
    Copy copy;
    copy.fill(0xFF);
    for (auto [x, y] : ink)
        copy[2 * (15 - y) + x / 8] &= uint8_t(~(0x80 >> (x % 8)));
    return copy;
}

// Head with `count` at offset 10, then 84-byte entries; cut to `size` bytes when given.
void WriteLibrary(const fs::path& path, uint32_t count, const std::vector<Copy>& entries,
                  size_t size = SIZE_MAX) {
    std::vector<uint8_t> bytes(34, 0);
    for (int i = 0; i < 4; ++i)
        bytes[10 + i] = uint8_t(count >> (8 * i));
    for (const Copy& copy : entries) {
        bytes.insert(bytes.end(), copy.begin(), copy.end());
        bytes.resize(bytes.size() + 52, 0);
    }
    bytes.resize(std::min(size, bytes.size()));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

int InkCount(const GBitmap& b) {
    return int(std::count(b.pixels().begin(), b.pixels().end(), 0x000000u));
}

class LibraryGlyphs : public ::testing::Test {
protected:
    // A fresh folder per test, made before the glyph source that keeps its path.
    static fs::path FreshFolder() { return zorv::test::freshTestFolder("zorv_library_glyphs_"); }
    void TearDown() override { fs::remove_all(folder); }
    Status Glyph(uint8_t code) { return glyphs.Glyph(code, out); }

    fs::path folder = FreshFolder();
    std::vector<std::string> messages;
    GLibraryGlyphs glyphs{folder, [this](const std::string& m) { messages.push_back(m); }};
    GBitmap out;
};

} // namespace

TEST_F(LibraryGlyphs, CopyRowsBottomUpFirstByteLeftClearedBitInk) {
    Copy copy;
    copy.fill(0xFF);
    copy[0] = 0x7F;  // first stored row, first byte: bottom-left pixel
    copy[3] = 0x7F;  // second stored row, second byte: ninth pixel of the row above
    copy[31] = 0xFE; // last stored row: top-right pixel
    WriteLibrary(folder / "Syslib1.dat", 1, {copy});
    ASSERT_EQ(Glyph(0x00), Status::Found);
    ASSERT_EQ(out.width(), 16);
    ASSERT_EQ(out.height(), 16);
    EXPECT_EQ(out.pixel(0, 15), 0x000000u);
    EXPECT_EQ(out.pixel(8, 14), 0x000000u);
    EXPECT_EQ(out.pixel(15, 0), 0x000000u);
    EXPECT_EQ(out.pixel(1, 15), 0xFFFFFFu);
    EXPECT_EQ(InkCount(out), 3);
}

TEST_F(LibraryGlyphs, CodesFrom80ComeFromTheUserLibrary) {
    WriteLibrary(folder / "Syslib1.dat", 2, {CopyWithInk({}), CopyWithInk({{1, 1}})});
    WriteLibrary(folder / "UserLib.dat", 2, {CopyWithInk({}), CopyWithInk({{2, 2}, {3, 3}})});
    ASSERT_EQ(Glyph(0x01), Status::Found);
    EXPECT_EQ(InkCount(out), 1);
    ASSERT_EQ(Glyph(0x81), Status::Found);
    EXPECT_EQ(InkCount(out), 2);
    EXPECT_EQ(Glyph(0x82), Status::NoEntry);
    EXPECT_TRUE(messages.empty());
}

struct BoundsCase {
    uint32_t count;
    int entries;
    size_t size;
    uint8_t code;
};

class LibraryBounds : public LibraryGlyphs, public ::testing::WithParamInterface<BoundsCase> {};

TEST_P(LibraryBounds, NoEntryUnlessCountAndFileHoldIt) {
    const BoundsCase& c = GetParam();
    WriteLibrary(folder / "Syslib1.dat", c.count, std::vector<Copy>(c.entries, CopyWithInk({})),
                 c.size);
    EXPECT_EQ(Glyph(c.code), Status::NoEntry);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, LibraryBounds,
                         ::testing::Values(BoundsCase{3, 3, SIZE_MAX, 3}, // number = count
                                           BoundsCase{5, 3, SIZE_MAX, 4}, // count beyond file
                                           BoundsCase{0xFFFFFFFF, 1, SIZE_MAX, 0x7F},
                                           BoundsCase{2, 2, 34 + 84 + 31, 1}, // copy cut short
                                           BoundsCase{1, 0, 12, 0}));         // no whole count

TEST_F(LibraryGlyphs, MissingFileReportedOnceAndRetried) {
    EXPECT_EQ(Glyph(0x05), Status::NoLibrary);
    EXPECT_EQ(Glyph(0x06), Status::NoLibrary);
    EXPECT_EQ(messages, std::vector<std::string>{"Failed to open file!"});
    WriteLibrary(folder / "Syslib1.dat", 6, std::vector<Copy>(6, CopyWithInk({})));
    EXPECT_EQ(Glyph(0x05), Status::Found);
    // Once read, a later loss is reported again; the user library is a file of its own.
    fs::remove(folder / "Syslib1.dat");
    EXPECT_EQ(Glyph(0x05), Status::NoLibrary);
    EXPECT_EQ(Glyph(0x80), Status::NoLibrary);
    EXPECT_EQ(messages.size(), 3u);
}

TEST_F(LibraryGlyphs, EditedFileIsReadAgain) {
    const fs::path path = folder / "UserLib.dat";
    WriteLibrary(path, 1, {CopyWithInk({{0, 0}})});
    ASSERT_EQ(Glyph(0x80), Status::Found);
    const auto before = fs::last_write_time(path);
    WriteLibrary(path, 1, {CopyWithInk({{0, 0}, {5, 5}})});
    fs::last_write_time(path, before + std::chrono::seconds(2));
    ASSERT_EQ(Glyph(0x80), Status::Found);
    EXPECT_EQ(InkCount(out), 2);
}

// A user library that appears in another folder (the character tool's first save into the work
// folder) is read from there, even with the same size and time as the one read before.
TEST_F(LibraryGlyphs, LibraryThatMovesIsReadFromItsNewPlace) {
    fs::create_directories(folder / "work");
    fs::path user = folder / "UserLib.dat";
    GLibraryGlyphs moving(
        [&](GLibraryGlyphs::Library library) {
            return library == GLibraryGlyphs::Library::User ? user : folder / "Syslib1.dat";
        },
        nullptr);
    WriteLibrary(user, 1, {CopyWithInk({{0, 0}})});
    ASSERT_EQ(moving.Glyph(0x80, out), Status::Found);
    const fs::path edited = folder / "work" / "UserLib.dat";
    WriteLibrary(edited, 1, {CopyWithInk({{0, 0}, {1, 1}})});
    fs::last_write_time(edited, fs::last_write_time(user));
    user = edited;
    ASSERT_EQ(moving.Glyph(0x80, out), Status::Found);
    EXPECT_EQ(InkCount(out), 2);
}
