// The recovery snapshot's file form: what is written reads back whole, and a snapshot that a
// crash or a full disk cut short, or whose lengths were damaged, is refused before anything is
// allocated for it.
#include <gtest/gtest.h>

#include "model/recovery/RecoverySnapshot.h"

using namespace zorv;

namespace {

RecoverySnapshot sample() {
    RecoverySnapshot s;
    s.projectPath = "/plant/mixer.zvd";
    s.takenAt = int64_t(1) << 33; // past 2038: the high half is kept
    s.editorVersion = "ZorvEditor v00.06.00";
    s.projectFile = std::vector<uint8_t>(4096, 0xA5);
    s.modbusTable = {1, 2, 3};
    s.pictures = {{"pic\\logo.bmp", {'B', 'M', 0, 1}}, {"pic\\empty.bmp", {}}};
    s.tagFile = std::vector<uint8_t>{'n', ',', 'r'};
    return s;
}

TEST(RecoverySnapshot, ReadsBackWhatWasWritten) {
    const RecoverySnapshot s = sample();
    const auto decoded = decodeSnapshot(encodeSnapshot(s));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->projectPath, s.projectPath);
    EXPECT_EQ(decoded->takenAt, s.takenAt);
    EXPECT_EQ(decoded->editorVersion, s.editorVersion);
    EXPECT_EQ(decoded->projectFile, s.projectFile);
    EXPECT_EQ(decoded->modbusTable, s.modbusTable);
    ASSERT_EQ(decoded->pictures.size(), 2u);
    EXPECT_EQ(decoded->pictures[0].name, "pic\\logo.bmp");
    EXPECT_EQ(decoded->pictures[0].bytes, s.pictures[0].bytes);
    EXPECT_TRUE(decoded->pictures[1].bytes.empty());

    EXPECT_EQ(decoded->tagFile, s.tagFile);

    RecoverySnapshot untitled;
    const auto empty = decodeSnapshot(encodeSnapshot(untitled));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->projectPath.empty());
    EXPECT_FALSE(empty->tagFile);
}

TEST(RecoverySnapshot, ASnapshotOfAnEditorBeforeTagsStillReads) {
    RecoverySnapshot s = sample();
    s.tagFile.reset();
    std::vector<uint8_t> older = encodeSnapshot(s);
    older[7] = '1';
    older.resize(older.size() - 4); // it ends after the pictures
    const auto decoded = decodeSnapshot(older);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->pictures.size(), 2u);
    EXPECT_FALSE(decoded->tagFile);

    std::vector<uint8_t> flagged = encodeSnapshot(s);
    flagged[flagged.size() - 4] = 2; // neither "no tags" nor "tags follow"
    EXPECT_FALSE(decodeSnapshot(flagged));
}

TEST(RecoverySnapshot, EverySnapshotCutShortIsRefused) {
    const std::vector<uint8_t> bytes = encodeSnapshot(sample());
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(decodeSnapshot({bytes.data(), size})) << size;
}

TEST(RecoverySnapshot, DamagedLengthsAndStrayBytesAreRefused) {
    std::vector<uint8_t> bytes = encodeSnapshot(sample());
    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(decodeSnapshot(longer));

    // The path's length (after the magic and the time) claims 4 GB.
    std::vector<uint8_t> huge = bytes;
    for (int i = 16; i < 20; ++i)
        huge[std::size_t(i)] = 0xFF;
    EXPECT_FALSE(decodeSnapshot(huge));

    // The picture count (the four bytes before the tag flag) claims more than fit.
    RecoverySnapshot none = sample();
    none.pictures.clear();
    none.tagFile.reset();
    std::vector<uint8_t> counted = encodeSnapshot(none);
    counted[counted.size() - 8] = 0xFF;
    EXPECT_FALSE(decodeSnapshot(counted));

    bytes[0] = 'X';
    EXPECT_FALSE(decodeSnapshot(bytes));
}

} // namespace
