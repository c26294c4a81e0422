// Guards the earlier versions kept in the work folder: more than the last 20 versions or 20 MB
// kept, the newest dropped instead of the oldest, bytes that come back different from those
// kept, a damaged, foreign or half-written entry that breaks the list or the numbering, two
// projects of one name in different folders that share a history, and version names whose order
// or time cannot be read back.
#include <gtest/gtest.h>

#include "model/CHCData.h"
#include "model/FileOps.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "model/history/HistoryNames.h"
#include "model/history/ProjectHistory.h"
#include "tests/TestFolder.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {

// A project file of `pages` pages, enciphered as Save writes it.
std::vector<uint8_t> projectFile(int pages) {
    CHCData project;
    for (int i = 0; i < pages; ++i)
        project.addPage(uint16_t(i + 1), PlaceMode::Insert);
    return encipherProject(projectStream(project));
}

std::vector<uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

class ProjectHistoryTest : public testing::Test {
protected:
    void SetUp() override {
        root = test::freshTestFolder("zorv_history_");
        fs::create_directories(root / "work");
        fs::create_directories(root / "projects");
        project = root / "projects" / "Press.zvd";
    }
    void TearDown() override { fs::remove_all(root); }

    std::vector<uint64_t> numbers(const ProjectHistory& history) {
        std::vector<uint64_t> out;
        for (const KeptVersion& v : history.versions())
            out.push_back(v.number);
        return out;
    }
    int filesIn(const fs::path& folder) {
        return int(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path root;
    fs::path project;
};

} // namespace

TEST_F(ProjectHistoryTest, TwentyFiveSavesKeepTheLastTwenty) {
    ProjectHistory history(root / "work", project);
    for (int i = 1; i <= 25; ++i) {
        const std::vector<uint8_t> table(std::size_t(i), static_cast<uint8_t>(i));
        ASSERT_TRUE(history.keep(projectFile(i), &table, 1700000000 + i * 60));
    }
    const std::vector<KeptVersion> versions = history.versions();
    ASSERT_EQ(versions.size(), 20u);
    // Oldest first: saves 1 to 5 went, and each version is the one kept under its number.
    for (std::size_t k = 0; k < versions.size(); ++k) {
        const int save = int(k) + 6;
        EXPECT_EQ(versions[k].number, uint64_t(save));
        EXPECT_EQ(versions[k].pages, save);
        EXPECT_EQ(versions[k].savedAt, 1700000000 + save * 60);
        EXPECT_EQ(versions[k].size, projectFile(save).size());
    }
    EXPECT_EQ(filesIn(history.folder()), 40); // each with its table, nothing else left
}

TEST_F(ProjectHistoryTest, TheByteBoundDropsTheOldestAndRefusesAVersionLargerThanAll) {
    const std::vector<uint8_t> file = projectFile(0); // 288 bytes
    const std::vector<uint8_t> table(400, 0x5A);
    ProjectHistory history(root / "work", project, {20, 2100});
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(history.keep(file, &table, 1700000000 + i));
    // 688 bytes a version: three fit in 2100, the fourth pushed the first out.
    EXPECT_EQ(numbers(history), (std::vector<uint64_t>{2, 3, 4}));

    // Exactly at the bound is still within it.
    ProjectHistory exact(root / "work", project, {20, 3 * 688});
    ASSERT_TRUE(exact.keep(file, &table, 1700000100));
    EXPECT_EQ(numbers(exact), (std::vector<uint64_t>{3, 4, 5}));

    // A version larger than the whole bound is not kept, and costs the others nothing.
    const std::vector<uint8_t> huge(5000, 1);
    EXPECT_FALSE(exact.keep(file, &huge, 1700000200));
    EXPECT_EQ(numbers(exact), (std::vector<uint64_t>{3, 4, 5}));
}

TEST_F(ProjectHistoryTest, TwentyMegabytesAtMostWithTheDefaultBound) {
    ProjectHistory history(root / "work", project);
    const std::vector<uint8_t> table(7u << 20, 0x11);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(history.keep(projectFile(1), &table, 1700000000 + i));
    EXPECT_EQ(numbers(history), (std::vector<uint64_t>{2, 3}));
}

TEST_F(ProjectHistoryTest, AVersionComesBackByteForByte) {
    ProjectHistory history(root / "work", project);
    const std::vector<uint8_t> withTable = projectFile(3);
    const std::vector<uint8_t> table = bytesOf(std::string("\x00\x01 table \xFF", 11));
    ASSERT_TRUE(history.keep(withTable, &table, 1700000000));
    ASSERT_TRUE(history.keep(projectFile(1), nullptr, 1700000060));
    const std::vector<KeptVersion> versions = history.versions();
    ASSERT_EQ(versions.size(), 2u);

    KeptFiles files;
    ASSERT_TRUE(history.read(versions[0], files));
    EXPECT_EQ(files.projectFile, withTable);
    ASSERT_TRUE(files.modbusTable.has_value());
    EXPECT_EQ(*files.modbusTable, table);
    // A version that had no table beside it brings none back, not an empty one from before.
    ASSERT_TRUE(history.read(versions[1], files));
    EXPECT_EQ(files.projectFile, projectFile(1));
    EXPECT_FALSE(files.modbusTable.has_value());

    // Gone between the list and the restore: a failure, not an empty project.
    fs::remove(versions[0].modbusTable);
    EXPECT_FALSE(history.read(versions[0], files));
    fs::remove(versions[1].projectFile);
    EXPECT_FALSE(history.read(versions[1], files));
}

TEST_F(ProjectHistoryTest, DamagedAndForeignEntriesAreSkipped) {
    ProjectHistory history(root / "work", project, {20, 4096});
    ASSERT_TRUE(history.keep(projectFile(2), nullptr, 1700000000));
    const fs::path folder = history.folder();
    const std::vector<uint8_t> good = projectFile(1);
    const auto put = [&](const std::string& name, std::span<const uint8_t> bytes) {
        ASSERT_TRUE(fileops::writeFile(folder / name, bytes));
    };
    put("000002-20240101-000000.zvd", bytesOf("not a project")); // not whole cipher blocks
    put("000003-20240101-000000.zvd", {});
    put("000004-20240101-000000.zvd", std::span(good).first(96));     // cut short
    put("000005-20240101-000000.zvd", std::vector<uint8_t>(8192, 0)); // beyond the bound
    put("000006-20241399-000000.zvd", good);                          // no such month
    put("7-20240101-000000.zvd", good);                               // too few digits
    put("notes.txt", good);
    put(".000008-20240101-000000.zvd.Ab12Cd", good); // a write that never finished
    put("000009-20240101-000000.mdt", bytesOf("a table whose project never came"));
    fs::create_directories(folder / "000010-20240101-000000.zvd");

    EXPECT_EQ(numbers(history), std::vector<uint64_t>{1});
    // (An entry beyond the bound would count against it and push the others out.)
    fs::remove(folder / "000005-20240101-000000.zvd");
    // The next version is numbered after every file that looks like one (a folder is none), and
    // its keep clears the table left without a project file.
    ASSERT_TRUE(history.keep(good, nullptr, 1700000060));
    EXPECT_EQ(numbers(history), (std::vector<uint64_t>{1, 10}));
    EXPECT_FALSE(fs::exists(folder / "000009-20240101-000000.mdt"));

    // A history folder that is a file lists nothing and keeps nothing.
    const fs::path other = root / "projects" / "Other.zvd";
    ProjectHistory blocked(root / "work", other);
    ASSERT_TRUE(fileops::writeFile(blocked.folder(), good));
    EXPECT_TRUE(blocked.versions().empty());
    EXPECT_FALSE(blocked.keep(good, nullptr, 1700000000));
}

TEST_F(ProjectHistoryTest, ProjectsOfOneNameInTwoFoldersKeepApart) {
    fs::create_directories(root / "projects" / "line2");
    const fs::path second = root / "projects" / "line2" / "Press.zvd";
    ProjectHistory first(root / "work", project);
    ProjectHistory other(root / "work", second);
    EXPECT_NE(first.folder(), other.folder());
    EXPECT_EQ(first.folder().parent_path(), root / "work" / "history");
    EXPECT_EQ(first.folder().filename().string().rfind("Press-", 0), 0u);
    ASSERT_TRUE(first.keep(projectFile(1), nullptr, 1700000000));
    ASSERT_TRUE(other.keep(projectFile(2), nullptr, 1700000000));
    ASSERT_TRUE(other.keep(projectFile(3), nullptr, 1700000060));
    ASSERT_EQ(first.versions().size(), 1u);
    EXPECT_EQ(first.versions()[0].pages, 1);
    ASSERT_EQ(other.versions().size(), 2u);
    EXPECT_EQ(other.versions()[1].pages, 3);
    // The same file named another way is the same project.
    EXPECT_EQ(historyFolder(root / "work", root / "projects" / "line2" / ".." / "Press.zvd"),
              first.folder());
}

TEST_F(ProjectHistoryTest, TheProjectFolderNameStaysReadable) {
    const auto name = [&](const std::string& stem) {
        return historyFolder(root / "work", root / "projects" / (stem + ".zvd"))
            .filename()
            .string();
    };
    EXPECT_EQ(name("Plant A/../x").substr(0, 2), "x-"); // the path's own file name
    EXPECT_EQ(name("Plant A").substr(0, 8), "Plant_A-");
    EXPECT_EQ(name(".hidden").substr(0, 8), "_hidden-");
    EXPECT_EQ(name("主画面").substr(0, 10), "主画面-");
    // Cut at 32 bytes, never inside a character: 11 three-byte characters make 33.
    std::string chinese;
    for (int i = 0; i < 11; ++i)
        chinese += "画";
    const std::string cut = name(chinese);
    EXPECT_EQ(cut.substr(0, cut.size() - 9), chinese.substr(0, 30));
    EXPECT_EQ(cut.size(), 30u + 9u); // the stem, "-" and eight hexadecimal digits
}

TEST_F(ProjectHistoryTest, VersionNamesKeepOrderAndTime) {
    EXPECT_EQ(versionStem({7, 1706711130}), "000007-20240131-142530");
    EXPECT_EQ(versionStem({1234567, 0}), "1234567-19700101-000000");
    for (const VersionName n :
         {VersionName{7, 1706711130}, VersionName{1234567, 0}, VersionName{999999, 4102444799}}) {
        const auto back = parseVersionStem(versionStem(n));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->number, n.number);
        EXPECT_EQ(back->savedAt, n.savedAt);
    }
    for (const char* bad :
         {"", "000007", "000007-20240131", "000007-20240131-1425301", "00000x-20240131-142530",
          "000007-2024013a-142530", "000007-20240131-246000", "000007_20240131-142530",
          "00000000000000000000-20240131-142530"})
        EXPECT_FALSE(parseVersionStem(bad).has_value()) << bad;
}

TEST_F(ProjectHistoryTest, SaveKeepsTheReplacedFileOnlyWhenItChanges) {
    const fs::path table = root / "projects" / "Press.mdt";
    const fs::path work = root / "work";
    // No file yet: nothing is due.
    EXPECT_TRUE(keepReplacedVersion(work, project, table, projectFile(1)));
    EXPECT_FALSE(fs::exists(work / "history"));

    ASSERT_TRUE(fileops::writeFile(project, projectFile(1)));
    ASSERT_TRUE(fileops::writeFile(table, bytesOf("table one")));
    EXPECT_TRUE(keepReplacedVersion(work, project, table, projectFile(1)));
    EXPECT_FALSE(fs::exists(work / "history"));

    EXPECT_TRUE(keepReplacedVersion(work, project, table, projectFile(2)));
    ProjectHistory history(work, project);
    const std::vector<KeptVersion> versions = history.versions();
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].pages, 1);
    // Saved when the replaced file was written.
    EXPECT_NEAR(double(versions[0].savedAt), double(std::time(nullptr)), 60.0);
    KeptFiles files;
    ASSERT_TRUE(history.read(versions[0], files));
    ASSERT_TRUE(files.modbusTable.has_value());
    EXPECT_EQ(*files.modbusTable, bytesOf("table one"));

    // A file beside the project that cannot be read as one is still kept as it is.
    ASSERT_TRUE(fileops::writeFile(project, bytesOf("odd")));
    fs::remove(table);
    EXPECT_TRUE(keepReplacedVersion(work, project, table, projectFile(2)));
    EXPECT_EQ(filesIn(history.folder()), 3);
    EXPECT_EQ(history.versions().size(), 1u); // but never offered
}
