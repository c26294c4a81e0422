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

    RecoverySnapshot untitled;
    const auto empty = decodeSnapshot(encodeSnapshot(untitled));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->projectPath.empty());
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

    // The picture count (the last four bytes before the pictures) claims more than fit.
    RecoverySnapshot none = sample();
    none.pictures.clear();
    std::vector<uint8_t> counted = encodeSnapshot(none);
    counted[counted.size() - 4] = 0xFF;
    EXPECT_FALSE(decodeSnapshot(counted));

    bytes[0] = 'X';
    EXPECT_FALSE(decodeSnapshot(bytes));
}

} // namespace
