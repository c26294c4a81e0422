#include "comm/UsbPackets.h"

#include <algorithm>

namespace zorv {

bool checksum16(std::span<uint8_t> packet) {
    if (packet.size() < 9)
        return false;
    const std::size_t n = std::size_t(packet[7] << 8 | packet[8]);
    if (packet.size() < 12 + n)
        return false;
    unsigned sum = 0;
    for (std::size_t i = 1; i <= 8 + n; ++i)
        sum += packet[i];
    packet[10 + n] = uint8_t(sum >> 8);
    packet[11 + n] = uint8_t(sum);
    return true;
}

UsbPacket usbCommand(uint8_t cls, uint8_t code, uint8_t flag) {
    UsbPacket p{0x02, cls, code, flag, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x03, 0, 0};
    checksum16(p);
    return p;
}

std::array<uint8_t, kUsbWriteSize> usbWritePacket(uint32_t address, std::span<const uint8_t> data) {
    std::array<uint8_t, kUsbWriteSize> p{};
    const std::size_t n = std::min(data.size(), kUsbMaxData);
    p[0] = 0x02;
    p[1] = 0xB1;
    p[2] = 0xA2;
    p[4] = uint8_t(address >> 16);
    p[5] = uint8_t(address >> 8);
    p[6] = uint8_t(address);
    p[7] = uint8_t(n >> 8);
    p[8] = uint8_t(n);
    std::copy_n(data.begin(), n, p.begin() + 9);
    p[9 + n] = 0x03;
    checksum16(p);
    return p;
}

#define ZORV_FIXED_PACKET(name, ...)                                                               \
    const UsbPacket& name() {                                                                      \
        static const UsbPacket p = usbCommand(__VA_ARGS__);                                        \
        return p;                                                                                  \
    }
ZORV_FIXED_PACKET(usbConnectPacket, 0xB1, 0xA1)
ZORV_FIXED_PACKET(usbEndDataPacket, 0xB1, 0xA2, 0xFF)
ZORV_FIXED_PACKET(usbCompletePacket, 0xA1, 0xA5)
ZORV_FIXED_PACKET(usbQueryRunningPacket, 0xA1, 0xA9)
ZORV_FIXED_PACKET(usbRunPacket, 0xA5, 0xE4)
ZORV_FIXED_PACKET(usbStopPacket, 0xA5, 0xE5)
ZORV_FIXED_PACKET(usbWriteAckPacket, 0xB1, 0xA2)
ZORV_FIXED_PACKET(usbDownloadErrorPacket, 0xE1, 0xFF)
ZORV_FIXED_PACKET(usbUploadErrorPacket, 0xE2, 0xFF)
#undef ZORV_FIXED_PACKET

const std::array<uint8_t, kUsbRunningReplySize>& usbRunningReply() {
    static const auto p = [] {
        std::array<uint8_t, kUsbRunningReplySize> r{0x02, 0xA1, 0xA9, 0x00, 0xFF, 0xFF, 0xFF,
                                                    0x00, 0x01, 0x01, 0x03, 0,    0};
        checksum16(r);
        return r;
    }();
    return p;
}

UsbVerdict judgeUsbReply(std::span<const uint8_t> reply, std::span<const uint8_t> success,
                         std::span<const uint8_t> error) {
    if (std::ranges::equal(reply, success))
        return UsbVerdict::Success;
    if (!error.empty() && std::ranges::equal(reply, error))
        return UsbVerdict::Error;
    return UsbVerdict::Other;
}

bool isRunningReply(std::span<const uint8_t> reply) {
    return std::ranges::equal(reply, usbRunningReply());
}

} // namespace zorv
