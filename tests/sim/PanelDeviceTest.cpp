// Guards against: a simulator that accepts what the panel would refuse (bad checksums, lower-case
// or missing digits, blocks out of sequence or outside a transfer, over-long frames) and so
// hides faults of the link, or that refuses a repeated block that a retry sends.

#include <gtest/gtest.h>

#include "comm/SerialFrames.h"
#include "sim/PanelDevice.h"

using namespace zorv;

namespace {
std::vector<uint8_t> feed(sim::PanelDevice& d, const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> last;
    for (uint8_t b : bytes) {
        auto r = d.receive(b);
        if (!r.empty())
            last = r;
    }
    return last;
}
const std::vector<uint8_t> kAckOnly{kAck}, kNakOnly{kNak};
} // namespace

TEST(PanelDevice, ChecksFramesAndSequence) {
    sim::PanelDevice d;
    EXPECT_EQ(feed(d, {kEnq}), kAckOnly);
    EXPECT_EQ(feed(d, startFrame('D', 0x40)), kAckOnly);
    const uint8_t data[3] = {1, 2, 3};
    EXPECT_EQ(feed(d, writeBlockFrame('D', 0x2040, data)), kNakOnly); // not the first address
    EXPECT_EQ(feed(d, writeBlockFrame('D', 0x2000, data)), kAckOnly);
    EXPECT_EQ(feed(d, writeBlockFrame('D', 0x2000, data)), kAckOnly); // a retry
    EXPECT_EQ(feed(d, writeBlockFrame('D', 0x2003, data)), kAckOnly);
    auto bad = writeBlockFrame('D', 0x2006, data);
    bad.back() = bad.back() == '0' ? '1' : '0';
    EXPECT_EQ(feed(d, bad), kNakOnly);
    EXPECT_EQ(feed(d, serialFrame("D1120060201")), kNakOnly); // count says 2, one byte follows
    EXPECT_EQ(feed(d, endFrame('C')), kNakOnly);              // not the area started
    EXPECT_EQ(feed(d, endFrame('D')), kAckOnly);
    EXPECT_TRUE(d.imageComplete());
    EXPECT_EQ(d.problems().size(), 4u);
    // The frames carried the bytes unscrambled, so the panel holds them scrambled.
    std::vector<uint8_t> first{1, 2, 3}, second{1, 2, 3};
    scramble(first, 0x40, 0x2000);
    scramble(second, 0x40, 0x2003);
    first.insert(first.end(), second.begin(), second.end());
    EXPECT_EQ(d.interfaceImage(), first);
}

TEST(PanelDevice, StrayAndOverlongInputIsRecorded) {
    sim::PanelDevice d;
    EXPECT_TRUE(feed(d, {'x'}).empty());
    std::vector<uint8_t> longFrame{kStx};
    longFrame.resize(200, 'A');
    EXPECT_TRUE(feed(d, longFrame).empty());
    EXPECT_GE(d.problems().size(), 2u);
    EXPECT_EQ(feed(d, {kEnq}), kAckOnly); // and it resynchronises
}

TEST(PanelDevice, ReadServesScrambledConfiguration) {
    sim::PanelDevice d;
    d.setConfig({9, 8, 7, 6});
    feed(d, startFrame('C', 0x77));
    const auto reply = feed(d, readBlockFrame(0x4000, 4));
    ASSERT_EQ(reply.size(), readReplySize(4));
    std::vector<uint8_t> out(4);
    ASSERT_TRUE(parseReadReply(reply, out));
    scramble(out, 0x77, 0x4000);
    EXPECT_EQ(out, (std::vector<uint8_t>{9, 8, 7, 6}));
}
