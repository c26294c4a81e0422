#pragma once
// Serial ports on POSIX termios: raw mode, the settings of the link, DTR raised, opened
// exclusively.

#include <optional>

#include "platform/SerialPort.h"

namespace zorv {

class PosixSerialPortSystem : public SerialPortSystem {
public:
    // With `only`, the search list is just those paths (a port named by the user).
    explicit PosixSerialPortSystem(std::optional<std::vector<std::string>> only = std::nullopt)
        : only_(std::move(only)) {}
    // /dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM* that exist, then every path of ZORV_SERIAL_PORTS.
    std::vector<std::string> ports() const override;
    std::unique_ptr<SerialPort> open(const std::string& path,
                                     const SerialSettings& settings) override;

private:
    std::optional<std::vector<std::string>> only_;
};

} // namespace zorv
