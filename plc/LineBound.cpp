#include "plc/LineBound.h"

namespace zorv::plc {

namespace {

constexpr int kBitsPerCharacter = 11;
constexpr double kSilenceCharacters = 3.5;
// Unit, function and CRC around every frame; a request names the address and the count too.
constexpr int kFrameBytes = 4;
constexpr int kAddressAndCount = 4;

int bitBytes(uint16_t count) {
    return (count + 7) / 8;
}

} // namespace

FrameBytes rtuFrameBytes(uint8_t function, uint16_t count) {
    const int fixed = kFrameBytes + kAddressAndCount;
    switch (function) {
    case 1: // read coils
    case 2: // read discrete inputs
        return {fixed, kFrameBytes + 1 + bitBytes(count)};
    case 3: // read holding registers
    case 4: // read input registers
        return {fixed, kFrameBytes + 1 + 2 * count};
    case 5: // write single coil
    case 6: // write single register
        return {fixed, fixed};
    case 15: // write multiple coils
        return {fixed + 1 + bitBytes(count), fixed};
    case 16: // write multiple registers
        return {fixed + 1 + 2 * count, fixed};
    default:
        return {};
    }
}

double physicalBoundMs(const std::vector<FrameBytes>& frames, int baud) {
    double characters = 0;
    for (const FrameBytes& frame : frames)
        characters += frame.request + frame.reply + 2 * kSilenceCharacters;
    return baud > 0 ? characters * kBitsPerCharacter * 1000.0 / baud : 0.0;
}

} // namespace zorv::plc
