#pragma once
// The panel's USB interface: one OUT and one IN interrupt pipe.

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>

namespace zorv {

enum class UsbStatus {
    Ok,
    Failed,     // time-out or any other error: the failure stands
    BadCommand, // the device no longer takes requests (unplugged)
    BadHandle,  // the device is gone or was never opened
};

class UsbDevice {
public:
    virtual ~UsbDevice() = default;
    virtual UsbStatus write(std::span<const uint8_t> packet, std::chrono::milliseconds timeout) = 0;
    // `got` receives the number of bytes read.
    virtual UsbStatus read(std::span<uint8_t> out, std::size_t& got,
                           std::chrono::milliseconds timeout) = 0;
};

// Finds and opens the first panel present.
class UsbBus {
public:
    virtual ~UsbBus() = default;
    virtual std::unique_ptr<UsbDevice> openFirst() = 0;
};

} // namespace zorv
