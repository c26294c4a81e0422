#pragma once
// The serial protocol's frames: STX, command text, ETX, two checksum digits. Data bytes of block
// writes and block reads travel scrambled with a key stream from the transfer seed and the
// block's address.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

constexpr uint8_t kStx = 0x02;
constexpr uint8_t kEtx = 0x03;
constexpr uint8_t kEnq = 0x05;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15; // sent only by the panel simulator
constexpr std::size_t kMaxBlock = 64;
constexpr uint8_t kScrambleOffset = 0x3B;
constexpr char kInterfaceArea = 'D';
constexpr char kConfigArea = 'C';
constexpr const char* kSerialSettings = "9600,e,7,1";

uint8_t checksum8(std::span<const uint8_t> bytes);
// STX, text, ETX and the checksum digits over text and ETX.
std::vector<uint8_t> serialFrame(std::string_view text);

// XORs the block with the key stream of (seed, address); the same call undoes it.
void scramble(std::span<uint8_t> block, uint8_t seed, uint16_t address);

std::vector<uint8_t> typeQueryFrame();
std::vector<uint8_t> statusQueryFrame();
std::vector<uint8_t> startFrame(char area, uint8_t seed);
std::vector<uint8_t> endFrame(char area);
// The block as given (already scrambled) at `address`.
std::vector<uint8_t> writeBlockFrame(char area, uint16_t address, std::span<const uint8_t> data);
std::vector<uint8_t> readBlockFrame(uint16_t address, std::size_t count);

// Reply lengths of the data replies.
constexpr std::size_t kTypeReplySize = 8;
constexpr std::size_t kStatusReplySize = 6;
constexpr std::size_t readReplySize(std::size_t count) {
    return 4 + 2 * count;
}

// The `out.size()` data bytes of a block-read reply, still scrambled. The reply must be
// readReplySize long and start with STX; its checksum is not looked at. Digits that are not
// hexadecimal fail the reply rather than give made-up bytes.
bool parseReadReply(std::span<const uint8_t> reply, std::span<uint8_t> out);

// Two hexadecimal digits; false when either is not one.
bool hexByte(uint8_t hi, uint8_t lo, uint8_t& out);
void appendHex(std::string& text, unsigned value, int digits);

} // namespace zorv
