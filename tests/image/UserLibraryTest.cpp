// Guards the character tool's library editing against: the two copies of a record written from
// different pictures or with the wrong row order and bit sense, a count in the head that does
// not follow the highest code, codes that move when a character in the middle is deleted, a
// blank character added by the tool lost on the next read, a damaged file taken (a count beyond
// 128, a length that does not match the count, a cut head), a failed save that damages the
// previous file or leaves a temporary file behind, and a user library read from the program
// folder while the work folder holds the edited one.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

#include "image/GlyphFiles.h"
#include "image/UserLibrary.h"
#include "model/Bytes.h"
#include "model/FileOps.h"
#include "tests/TestFolder.h"

using namespace zorv;
namespace fs = std::filesystem;
using oonedraw::GlyphRows;

namespace {

constexpr std::size_t kHead = 34, kRecord = 84;

GlyphRows rowsWith(std::initializer_list<std::pair<int, int>> ink) {
    GlyphRows rows{};
    for (auto [x, y] : ink)
        rows[std::size_t(y)] |= uint16_t(0x8000u >> x);
    return rows;
}

uint32_t countOf(const std::vector<uint8_t>& file) {
    return *libraryCharacterCount(file);
}

fs::path freshFolder(const std::string& name) {
    return test::freshTestFolder("zorv_user_library_" + name + "_");
}

TEST(UserLibrary, BothCopiesOfEveryRecordShowOnePicture) {
    UserLibrary library;
    ASSERT_TRUE(library.put(0x80, rowsWith({{0, 0}, {15, 15}, {8, 9}})));
    const std::vector<uint8_t> file = library.bytes();
    ASSERT_EQ(file.size(), kHead + kRecord);
    const uint8_t* record = file.data() + kHead;
    // On-screen copy: bottom row stored first, cleared bit = ink.
    EXPECT_EQ(record[0], 0xFF);
    EXPECT_EQ(record[1], 0xFE);         // bottom row, rightmost pixel
    EXPECT_EQ(record[2 * 6 + 1], 0x7F); // row 9, pixel 8: the second byte's high bit
    EXPECT_EQ(record[30], 0x7F);        // top row, leftmost pixel
    // Image copy: per column, rows 0-7 then 8-15, bit r = row r.
    const FullGlyph band = *readLibraryGlyph(file, 0);
    EXPECT_EQ(band[0], 0x01);          // column 0, row 0
    EXPECT_EQ(band[2 * 8 + 1], 0x02);  // column 8, row 9
    EXPECT_EQ(band[2 * 15 + 1], 0x80); // column 15, row 15
    EXPECT_EQ(std::count_if(band.begin(), band.end(), [](uint8_t b) { return b != 0; }), 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(record + 64)), "&80");
}

TEST(UserLibrary, ShippedLibraryReadsAndWritesByteForByte) {
    const auto shipped = fileops::readFile(fs::path(ZORV_SOURCE_DIR) / "data/program/UserLib.dat");
    ASSERT_TRUE(shipped);
    UserLibrary library;
    std::string problem;
    ASSERT_TRUE(library.parse(*shipped, problem)) << problem;
    EXPECT_EQ(library.characters().size(), countOf(*shipped));
    EXPECT_TRUE(library.differingCopies().empty());
    EXPECT_EQ(library.bytes(), *shipped);
}

TEST(UserLibrary, CodesNeverMoveAndTheCountFollowsTheHighestCode) {
    UserLibrary library;
    for (uint8_t code : {0x80, 0x81, 0x82})
        library.put(code, rowsWith({{code & 15, 0}}));
    ASSERT_TRUE(library.remove(0x81));
    EXPECT_FALSE(library.remove(0x81));
    std::vector<uint8_t> file = library.bytes();
    EXPECT_EQ(countOf(file), 3u);
    // The hole is a blank record: no ink in either copy, no label.
    const auto hole = std::span(file).subspan(kHead + kRecord, kRecord);
    EXPECT_TRUE(std::all_of(hole.begin(), hole.begin() + 32, [](uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(hole.begin() + 32, hole.end(), [](uint8_t b) { return b == 0; }));
    UserLibrary read;
    std::string problem;
    ASSERT_TRUE(read.parse(file, problem));
    ASSERT_EQ(read.characters().size(), 2u);
    EXPECT_EQ(read.find(0x82)->rows, rowsWith({{2, 0}}));
    EXPECT_EQ(read.nextFreeCode(), 0x81);
    // Deleting the last character shortens the file.
    read.remove(0x82);
    EXPECT_EQ(countOf(read.bytes()), 1u);
    read.remove(0x80);
    EXPECT_EQ(read.bytes().size(), kHead);
}

TEST(UserLibrary, BlankCharacterAddedByTheToolSurvivesARead) {
    UserLibrary library;
    library.put(0x80, {});
    UserLibrary read;
    std::string problem;
    ASSERT_TRUE(read.parse(library.bytes(), problem));
    ASSERT_NE(read.find(0x80), nullptr);
    EXPECT_EQ(read.nextFreeCode(), 0x81);
}

TEST(UserLibrary, FreeCodesAndTheirLimits) {
    UserLibrary library;
    EXPECT_FALSE(library.put(0x7F, {}));
    for (unsigned code = 0x80; code <= 0xFF; ++code)
        library.put(uint8_t(code), {});
    EXPECT_EQ(library.nextFreeCode(), std::nullopt);
    EXPECT_EQ(library.bytes().size(), kHead + 128 * kRecord);
    library.put(0x80, rowsWith({{3, 3}})); // replaces, keeps the label
    EXPECT_EQ(library.characters().size(), 128u);
    EXPECT_EQ(library.characters().front().label[0], '&');
}

TEST(UserLibrary, DifferingCopiesAreReportedAndMended) {
    UserLibrary library;
    library.put(0x80, rowsWith({{1, 1}}));
    std::vector<uint8_t> file = library.bytes();
    file[kHead + 32] ^= 0x01; // an ink pixel in the image copy only
    UserLibrary read;
    std::string problem;
    ASSERT_TRUE(read.parse(file, problem));
    EXPECT_EQ(read.differingCopies(), std::vector<uint8_t>{0x80});
    EXPECT_EQ(read.find(0x80)->rows, rowsWith({{1, 1}})); // the picture the page shows
    EXPECT_EQ(read.bytes(), library.bytes());
}

struct DamagedCase {
    const char* name;
    std::size_t size;
    uint32_t count;
};

class DamagedLibrary : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedLibrary, IsRefusedAndTheLibraryKept) {
    const DamagedCase& c = GetParam();
    std::vector<uint8_t> file(c.size, 0);
    if (file.size() >= 14)
        le::putU32(file.data() + 10, c.count);
    UserLibrary library;
    library.put(0x85, rowsWith({{5, 5}}));
    const std::vector<uint8_t> before = library.bytes();
    std::string problem;
    EXPECT_FALSE(library.parse(file, problem));
    EXPECT_FALSE(problem.empty());
    EXPECT_EQ(library.bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedLibrary,
                         testing::Values(DamagedCase{"Empty", 0, 0}, DamagedCase{"CountCut", 12, 0},
                                         DamagedCase{"HeadCut", 20, 0},
                                         DamagedCase{"CountBeyondFile", kHead + 4 * kRecord, 5},
                                         DamagedCase{"RecordCut", kHead + 2 * kRecord - 1, 2},
                                         DamagedCase{"BytesAfterRecords", kHead + 2 * kRecord + 1,
                                                     2},
                                         DamagedCase{"MoreThan128", kHead + 129 * kRecord, 129},
                                         DamagedCase{"HugeCount", kHead, 0xFFFFFFFF}),
                         [](const auto& info) { return std::string(info.param.name); });

class UserLibraryFiles : public testing::Test {
protected:
    fs::path folder = freshFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
    void TearDown() override { fs::remove_all(folder); }
};

TEST_F(UserLibraryFiles, SaveReplacesAndReadsBack) {
    const fs::path path = folder / "UserLib.dat";
    UserLibrary library;
    library.put(0x80, rowsWith({{7, 7}}));
    ASSERT_TRUE(saveUserLibrary(path, library));
    library.put(0x81, rowsWith({{8, 8}}));
    ASSERT_TRUE(saveUserLibrary(path, library));
    UserLibrary read;
    std::string problem;
    ASSERT_TRUE(readUserLibrary(path, read, problem)) << problem;
    EXPECT_EQ(read.bytes(), library.bytes());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_FALSE(saveUserLibrary(folder / "missing" / "UserLib.dat", library));
}

TEST_F(UserLibraryFiles, FailedSaveLeavesThePreviousFile) {
    const fs::path path = folder / "UserLib.dat";
    UserLibrary library;
    library.put(0x80, rowsWith({{1, 2}}));
    ASSERT_TRUE(saveUserLibrary(path, library));
    const auto before = fileops::readFile(path);
    for (unsigned code = 0x81; code <= 0xFF; ++code)
        library.put(uint8_t(code), rowsWith({{3, 4}}));
    // The disk takes no more than 200 bytes of a file: the write fails half-way.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved200 = saveUserLibrary(path, library);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved200);
    EXPECT_EQ(fileops::readFile(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(UserLibraryFiles, OversizedFileIsRefusedBeforeReading) {
    const fs::path path = folder / "UserLib.dat";
    std::ofstream(path, std::ios::binary) << std::string(kHead + 129 * kRecord, '\0');
    UserLibrary library;
    std::string problem;
    EXPECT_FALSE(readUserLibrary(path, library, problem));
    EXPECT_FALSE(readUserLibrary(folder / "none.dat", library, problem));
}

TEST_F(UserLibraryFiles, WorkFolderCopyOfTheUserLibraryIsReadFirst) {
    const fs::path program = folder / "program", work = folder / "work";
    fs::create_directories(program);
    fs::create_directories(work);
    const FixedPaths paths(program, work, folder);
    for (FontFile f : {FontFile::Asc16, FontFile::Hzk14, FontFile::UserLib, FontFile::Syslib1})
        std::ofstream(program / fontFileName(f)) << "program";
    EXPECT_EQ(fontFilePath(paths, FontFile::UserLib), program / "UserLib.dat");
    EXPECT_EQ(userLibrarySavePath(paths), work / "UserLib.dat");
    std::ofstream(work / "UserLib.dat") << "work";
    std::ofstream(work / "Syslib1.dat") << "work"; // only the user library is edited
    EXPECT_EQ(fontFilePath(paths, FontFile::UserLib), work / "UserLib.dat");
    EXPECT_EQ(fontFilePath(paths, FontFile::Syslib1), program / "Syslib1.dat");
    const GlyphSources sources = readGlyphSources(paths);
    EXPECT_EQ(sources.file(FontFile::UserLib)->size(), 4u);
    EXPECT_EQ(sources.file(FontFile::Syslib1)->size(), 7u);
    // A folder of that name is no copy.
    fs::remove(work / "UserLib.dat");
    fs::create_directory(work / "UserLib.dat");
    EXPECT_EQ(fontFilePath(paths, FontFile::UserLib), program / "UserLib.dat");
}

} // namespace
