#pragma once
// A serial port as the links use it: purge, write a whole frame, read with a total time-out.

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace zorv {

// "9600,e,7,1": baud, parity (n, e, o), data bits, stop bits.
struct SerialSettings {
    int baud = 9600;
    char parity = 'e';
    int dataBits = 7;
    int stopBits = 1;
};
// False for a text that is not of that form or names values the port cannot take.
bool parseSerialSettings(const std::string& text, SerialSettings& out);

class SerialPort {
public:
    virtual ~SerialPort() = default;
    // Discards whatever waits in the transmit and receive queues.
    virtual bool purge() = 0;
    // The number of bytes written before the time-out.
    virtual std::size_t write(std::span<const uint8_t> bytes, std::chrono::milliseconds total) = 0;
    // Reads until `out` is full or the total time-out ends; the number of bytes read.
    virtual std::size_t read(std::span<uint8_t> out, std::chrono::milliseconds total) = 0;
};

// The ports of this machine and how to open them.
class SerialPortSystem {
public:
    virtual ~SerialPortSystem() = default;
    // Port paths in search order.
    virtual std::vector<std::string> ports() const = 0;
    // The open, configured port, or nothing, with `why` telling what stood in the way.
    virtual std::unique_ptr<SerialPort> open(const std::string& path,
                                             const SerialSettings& settings, std::string& why) = 0;
};

} // namespace zorv
