// The line time of a cycle: a wrong byte count of a function or a lost silence makes the
// measured cycle look faster or slower against its bound than it is.

#include <gtest/gtest.h>

#include "plc/LineBound.h"

using namespace zorv::plc;

TEST(LineBound, FramesOfEachFunction) {
    EXPECT_EQ(rtuFrameBytes(1, 9), (FrameBytes{8, 7}));   // 9 coils take 2 bytes
    EXPECT_EQ(rtuFrameBytes(2, 8), (FrameBytes{8, 6}));   // 8 discrete inputs, 1 byte
    EXPECT_EQ(rtuFrameBytes(3, 10), (FrameBytes{8, 25})); // 10 words
    EXPECT_EQ(rtuFrameBytes(4, 125), (FrameBytes{8, 255}));
    EXPECT_EQ(rtuFrameBytes(5, 1), (FrameBytes{8, 8}));
    EXPECT_EQ(rtuFrameBytes(6, 1), (FrameBytes{8, 8}));
    EXPECT_EQ(rtuFrameBytes(15, 17), (FrameBytes{12, 8}));
    EXPECT_EQ(rtuFrameBytes(16, 3), (FrameBytes{15, 8}));
    EXPECT_EQ(rtuFrameBytes(7, 1), (FrameBytes{}));
}

TEST(LineBound, CharactersAndSilencesAtTheBaudRate) {
    // 8 + 25 bytes and two silences of 3.5 characters: 40 characters of 11 bits.
    EXPECT_DOUBLE_EQ(physicalBoundMs({{8, 25}}, 9600), 40 * 11 * 1000.0 / 9600);
    EXPECT_DOUBLE_EQ(physicalBoundMs({{8, 25}, {8, 7}}, 19200), (40 + 22) * 11 * 1000.0 / 19200);
    EXPECT_DOUBLE_EQ(physicalBoundMs({}, 9600), 0.0);
}
