#pragma once
// The time a serial line needs at the least for a cycle's requests: every byte of a request and
// of its reply at 11 bits a character (start, 8 data, parity or a second stop bit, stop), and
// the silence of 3.5 characters that ends each RTU frame.

#include <cstdint>
#include <vector>

namespace zorv::plc {

// The bytes of one request and of its reply on an RTU line.
struct FrameBytes {
    int request = 0;
    int reply = 0;
    bool operator==(const FrameBytes&) const = default;
};

// The RTU frames of a request by its function code (1 to 6, 15, 16) for `count` bits or words,
// answered normally; {0, 0} for another function.
FrameBytes rtuFrameBytes(uint8_t function, uint16_t count);

// The line time of the frames, in milliseconds, at `baud` (positive).
double physicalBoundMs(const std::vector<FrameBytes>& frames, int baud);

} // namespace zorv::plc
