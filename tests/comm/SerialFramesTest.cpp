// Guards against: wrong frame bytes or checksums of the fixed commands, a worked block frame
// that differs from the panel's, a key stream that does not undo itself or does not follow the
// seed and address, block-read replies parsed past their end or from bad digits, time-outs that
// do not grow with the transfer, and settings strings taken wrongly.

#include <gtest/gtest.h>

#include <string>

#include "comm/SerialFrames.h"
#include "comm/SerialTimeouts.h"
#include "platform/SerialPort.h"

using namespace zorv;

namespace {
std::vector<uint8_t> framed(const std::string& text, const std::string& sum) {
    std::vector<uint8_t> f{kStx};
    f.insert(f.end(), text.begin(), text.end());
    f.push_back(kEtx);
    f.insert(f.end(), sum.begin(), sum.end());
    return f;
}
} // namespace

TEST(SerialFrames, FixedFramesAndChecksums) {
    EXPECT_EQ(typeQueryFrame(), framed("00E0202", "6C"));
    EXPECT_EQ(typeQueryFrame().size(), 11u);
    EXPECT_EQ(statusQueryFrame(), framed("E0001C001", "DD"));
    EXPECT_EQ(endFrame('D'), framed("D8760E", "61"));
    EXPECT_EQ(endFrame('C'), framed("C8760E", "60"));
    EXPECT_EQ(startFrame('D', 0xA5).size(), 12u);
    const auto start = startFrame('C', 0x0F);
    EXPECT_EQ(std::string(start.begin() + 1, start.begin() + 9), "C7760E0F");
}

TEST(SerialFrames, WorkedWriteBlockExample) {
    const uint8_t data[] = {0x12, 0x34};
    const auto frame = writeBlockFrame('D', 0x2000, data);
    EXPECT_EQ(frame, framed("D112000021234", "97"));
    EXPECT_EQ(frame.size(), 17u);
    std::vector<uint8_t> full(kMaxBlock, 0xAB);
    EXPECT_EQ(writeBlockFrame('C', 0x4000, full).size(), 141u);
}

TEST(SerialFrames, ReadFrameAddressThenCount) {
    EXPECT_EQ(readBlockFrame(0x4040, 64), serialFrame("C01404040"));
    EXPECT_EQ(readBlockFrame(0x4040, 64).size(), 13u);
}

TEST(Scramble, KeyStreamOfZerosIsFibonacciLike) {
    std::vector<uint8_t> zeros(40, 0);
    scramble(zeros, 0x5C, 0x2040);
    // first key: seed + low byte of (address + 0x3B); each later key the sum of the two before
    EXPECT_EQ(zeros[0], uint8_t(0x5C + uint8_t(0x2040 + 0x3B)));
    EXPECT_EQ(zeros[1], uint8_t(uint8_t(0x2040 + 0x3B) + zeros[0]));
    for (std::size_t i = 2; i < zeros.size(); ++i)
        EXPECT_EQ(zeros[i], uint8_t(zeros[i - 1] + zeros[i - 2])) << i;
}

TEST(Scramble, RoundTripAndDependenceOnSeedAndAddress) {
    std::vector<uint8_t> data(64);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t(i * 7 + 1);
    auto a = data;
    scramble(a, 0x11, 0x2000);
    EXPECT_NE(a, data);
    auto b = data;
    scramble(b, 0x11, 0x2040);
    EXPECT_NE(a, b);
    auto c = data;
    scramble(c, 0x12, 0x2000);
    EXPECT_NE(a, c);
    scramble(a, 0x11, 0x2000);
    EXPECT_EQ(a, data);
}

TEST(ReadReply, ParsesOnlyWhatIsThere) {
    std::vector<uint8_t> out(2);
    // a wrong checksum is still taken: only the STX and the length count
    auto reply = framed("A0FF", "00");
    EXPECT_TRUE(parseReadReply(reply, out));
    EXPECT_EQ(out, (std::vector<uint8_t>{0xA0, 0xFF}));
    reply[0] = 'X';
    EXPECT_FALSE(parseReadReply(reply, out));
    const auto good = framed("A0FF", "00");
    EXPECT_FALSE(parseReadReply(std::span(good).first(7), out));
    EXPECT_FALSE(parseReadReply(framed("A0G1", "00"), out));
}

TEST(SerialTimeouts, TotalGrowsPerByte) {
    const SerialTimeouts t;
    EXPECT_EQ(t.total(0).count(), 400);
    EXPECT_EQ(t.total(1).count(), 410);
    EXPECT_EQ(t.total(132).count(), 1720);
    const SerialTimeouts quick{std::chrono::milliseconds(1), std::chrono::milliseconds(30)};
    EXPECT_EQ(quick.total(141).count(), 171);
}

struct SettingsCase {
    const char* text;
    bool ok;
    int baud, dataBits, stopBits;
    char parity;
};

class SerialSettingsTest : public testing::TestWithParam<SettingsCase> {};

TEST_P(SerialSettingsTest, Parses) {
    const auto& c = GetParam();
    SerialSettings s;
    ASSERT_EQ(parseSerialSettings(c.text, s), c.ok) << c.text;
    if (c.ok) {
        EXPECT_EQ(s.baud, c.baud);
        EXPECT_EQ(s.parity, c.parity);
        EXPECT_EQ(s.dataBits, c.dataBits);
        EXPECT_EQ(s.stopBits, c.stopBits);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, SerialSettingsTest,
                         testing::Values(SettingsCase{"9600,e,7,1", true, 9600, 7, 1, 'e'},
                                         SettingsCase{"19200,N,8,2", true, 19200, 8, 2, 'n'},
                                         SettingsCase{"9600,e,9,1", false, 0, 0, 0, 0},
                                         SettingsCase{"9600,x,7,1", false, 0, 0, 0, 0},
                                         SettingsCase{"fast,e,7,1", false, 0, 0, 0, 0},
                                         SettingsCase{"9600,e,7", false, 0, 0, 0, 0}));
