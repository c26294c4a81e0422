// Guards against: packet checksums that differ from the panel's fixed packets, a data write not
// padded to 64 bytes or overflowing it, a checksum written past a short packet, and a
// "not running" reply taken for "running".

#include <gtest/gtest.h>

#include "comm/UsbPackets.h"

using namespace zorv;

TEST(UsbPackets, FixedPacketsCarryTheirChecksums) {
    const std::vector<std::pair<UsbPacket, std::array<uint8_t, 2>>> cases = {
        {usbConnectPacket(), {0x04, 0x4F}},     {usbEndDataPacket(), {0x05, 0x4F}},
        {usbCompletePacket(), {0x04, 0x43}},    {usbQueryRunningPacket(), {0x04, 0x47}},
        {usbRunPacket(), {0x04, 0x86}},         {usbStopPacket(), {0x04, 0x87}},
        {usbWriteAckPacket(), {0x04, 0x50}},    {usbDownloadErrorPacket(), {0x04, 0xDD}},
        {usbUploadErrorPacket(), {0x04, 0xDE}},
    };
    for (const auto& [packet, sum] : cases) {
        EXPECT_EQ(packet[10], sum[0]);
        EXPECT_EQ(packet[11], sum[1]);
        EXPECT_EQ(packet[9], 0x03);
    }
    EXPECT_EQ(usbRunningReply()[11], 0x04);
    EXPECT_EQ(usbRunningReply()[12], 0x49);
}

TEST(UsbPackets, WritePacketLayout) {
    std::vector<uint8_t> data(52);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t(i + 1);
    const auto full = usbWritePacket(0x010203, data);
    EXPECT_EQ(full[4], 0x01);
    EXPECT_EQ(full[6], 0x03);
    EXPECT_EQ(full[8], 52);
    EXPECT_EQ(full[9 + 51], 52);
    EXPECT_EQ(full[61], 0x03);
    unsigned sum = 0;
    for (std::size_t i = 1; i <= 60; ++i)
        sum += full[i];
    EXPECT_EQ(full[62], uint8_t(sum >> 8));
    EXPECT_EQ(full[63], uint8_t(sum));

    const auto small = usbWritePacket(104, std::span(data).first(10));
    EXPECT_EQ(small[19], 0x03);
    for (std::size_t i = 22; i < 64; ++i)
        EXPECT_EQ(small[i], 0) << i;
}

TEST(UsbPackets, ChecksumRefusesShortPacket) {
    std::vector<uint8_t> p{0x02, 0xB1, 0xA2, 0, 0, 0, 0, 0x00, 0x10, 0x03, 0, 0};
    EXPECT_FALSE(checksum16(p)); // says 16 data bytes, holds none
    EXPECT_EQ(p[10], 0);
}

TEST(UsbPackets, RunningOnlyForTheExactReply) {
    auto reply = usbRunningReply();
    EXPECT_TRUE(isRunningReply(reply));
    reply[9] = 0x00;
    checksum16(reply);
    EXPECT_FALSE(isRunningReply(reply));
    EXPECT_FALSE(isRunningReply(std::span(usbRunningReply()).first(12)));
    EXPECT_EQ(judgeUsbReply(usbDownloadErrorPacket(), usbConnectPacket(), usbDownloadErrorPacket()),
              UsbVerdict::Error);
    EXPECT_EQ(judgeUsbReply(usbRunPacket(), usbConnectPacket(), usbDownloadErrorPacket()),
              UsbVerdict::Other);
}
