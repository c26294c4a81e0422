#pragma once
// The USB link's packets: 0x02, class, code, flag, 24-bit address, 16-bit length, data, 0x03
// and a 16-bit additive checksum, all big-endian.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace zorv {

constexpr std::size_t kUsbCommandSize = 12;
constexpr std::size_t kUsbWriteSize = 64;
constexpr std::size_t kUsbMaxData = 52;
constexpr std::size_t kUsbRunningReplySize = 13;

using UsbPacket = std::array<uint8_t, kUsbCommandSize>;

// Stores the sum of the bytes from offset 1 through the last data byte at 10 + n. False (and
// nothing written) when the packet is too short for its own length field.
bool checksum16(std::span<uint8_t> packet);

// A command without data: address 0xFFFFFF, length 0.
UsbPacket usbCommand(uint8_t cls, uint8_t code, uint8_t flag = 0x00);
// The 64-byte data write; n must be at most 52.
std::array<uint8_t, kUsbWriteSize> usbWritePacket(uint32_t address, std::span<const uint8_t> data);

const UsbPacket& usbConnectPacket();
const UsbPacket& usbEndDataPacket();
const UsbPacket& usbCompletePacket();
const UsbPacket& usbQueryRunningPacket();
const UsbPacket& usbRunPacket();
const UsbPacket& usbStopPacket();
const UsbPacket& usbWriteAckPacket();
const UsbPacket& usbDownloadErrorPacket(); // "Download failed!"
const UsbPacket& usbUploadErrorPacket();   // "Failed to upload!"
// The only reply that means "running": length 1, data byte 0x01.
const std::array<uint8_t, kUsbRunningReplySize>& usbRunningReply();

enum class UsbVerdict { Success, Error, Other };
UsbVerdict judgeUsbReply(std::span<const uint8_t> reply, std::span<const uint8_t> success,
                         std::span<const uint8_t> error);
bool isRunningReply(std::span<const uint8_t> reply);

} // namespace zorv
