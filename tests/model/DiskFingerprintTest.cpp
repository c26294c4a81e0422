// Guards the fingerprint that tells another program's change of the project file: a change that
// keeps the size and the time (a copy that keeps times) taken for none, the same bytes written
// again taken for a change, a file deleted or a folder put in its place confused with the file,
// the editor's own save fingerprinted differently from a read of the same bytes, and a hash that
// drifts (the history folders are named by it too).
#include <gtest/gtest.h>

#include <fstream>

#include "model/ByteHash.h"
#include "model/DiskFingerprint.h"
#include "tests/model/DocumentFolders.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {

class DiskFingerprintTest : public testing::Test {
protected:
    void SetUp() override {
        root = test::freshTestFolder("zorv_print_");
        file = root / "Press.zvd";
    }
    void TearDown() override { fs::remove_all(root); }

    void write(const std::string& s) { std::ofstream(file, std::ios::binary) << s; }
    void setTime(const fs::file_time_type& t) { fs::last_write_time(file, t); }

    fs::path root;
    fs::path file;
};

} // namespace

TEST_F(DiskFingerprintTest, TheBytesDecideWhateverTheTime) {
    write("project bytes");
    const fs::file_time_type opened = fs::last_write_time(file);
    const DiskFingerprint before = DiskFingerprint::of(file);
    EXPECT_TRUE(before.exists);
    EXPECT_TRUE(before.hashed);
    EXPECT_EQ(before.size, 13u);

    // The same bytes written again later (a checkout that changed nothing): no change.
    write("project bytes");
    setTime(opened + std::chrono::seconds(5));
    const DiskFingerprint rewritten = DiskFingerprint::of(file);
    EXPECT_NE(rewritten.modifiedNs, before.modifiedNs);
    EXPECT_TRUE(sameVersion(before, rewritten));

    // Other bytes of the same size with the time put back, as a copy that keeps times leaves.
    write("project BYTES");
    setTime(opened);
    const DiskFingerprint copied = DiskFingerprint::of(file);
    EXPECT_EQ(copied.size, before.size);
    EXPECT_EQ(copied.modifiedNs, before.modifiedNs);
    EXPECT_FALSE(sameVersion(before, copied));

    write("project bytes and more");
    EXPECT_FALSE(sameVersion(before, DiskFingerprint::of(file)));
}

TEST_F(DiskFingerprintTest, AMissingFileIsOnlyTheSameAsAMissingOne) {
    write("project bytes");
    const DiskFingerprint present = DiskFingerprint::of(file);
    fs::remove(file);
    const DiskFingerprint gone = DiskFingerprint::of(file);
    EXPECT_FALSE(gone.exists);
    EXPECT_FALSE(sameVersion(present, gone));
    EXPECT_TRUE(sameVersion(gone, DiskFingerprint::of(root / "never.zvd")));
    // An empty file is there: it is no missing one.
    write("");
    const DiskFingerprint empty = DiskFingerprint::of(file);
    EXPECT_TRUE(empty.exists);
    EXPECT_FALSE(sameVersion(empty, gone));
}

// A folder put where the file was is not read; it stays the same only while its time does, to
// the nanosecond.
TEST_F(DiskFingerprintTest, WhatCannotBeHashedIsToldByItsTime) {
    write("project bytes");
    const DiskFingerprint project = DiskFingerprint::of(file);
    fs::remove(file);
    fs::create_directory(file);
    const DiskFingerprint folder = DiskFingerprint::of(file);
    EXPECT_TRUE(folder.exists);
    EXPECT_FALSE(folder.hashed);
    EXPECT_FALSE(sameVersion(project, folder));
    EXPECT_TRUE(sameVersion(folder, DiskFingerprint::of(file)));

    const fs::file_time_type t = fs::last_write_time(file);
    fs::last_write_time(file, t + std::chrono::nanoseconds(1));
    const DiskFingerprint touched = DiskFingerprint::of(file);
    EXPECT_EQ(touched.modifiedNs, folder.modifiedNs + 1);
    EXPECT_FALSE(sameVersion(folder, touched));
}

TEST_F(DiskFingerprintTest, TheEditorsOwnBytesMatchWhatIsReadBack) {
    const std::string bytes = "enciphered project";
    write(bytes);
    const std::span<const uint8_t> written(reinterpret_cast<const uint8_t*>(bytes.data()),
                                           bytes.size());
    const DiskFingerprint own = DiskFingerprint::written(file, written);
    EXPECT_TRUE(sameVersion(own, DiskFingerprint::of(file)));
    EXPECT_EQ(own.modifiedNs, DiskFingerprint::of(file).modifiedNs);
    // Another program that wrote right after the editor is seen against the editor's bytes.
    write("enciphered PROJECT");
    EXPECT_FALSE(sameVersion(own, DiskFingerprint::of(file)));
}

TEST(ByteHashTest, IsTheStandardFnv1a) {
    EXPECT_EQ(fnv1a(std::string_view()), 0xcbf29ce484222325ull);
    EXPECT_EQ(fnv1a(std::string_view("a")), 0xaf63dc4c8601ec8cull);
    EXPECT_EQ(fnv1a(std::string_view("foobar")), 0x85944171f73967e8ull);
    const uint8_t bytes[] = {'f', 'o', 'o', 'b', 'a', 'r'};
    EXPECT_EQ(fnv1a(std::span<const uint8_t>(bytes)), fnv1a(std::string_view("foobar")));
}
