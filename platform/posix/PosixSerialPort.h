#pragma once
// Serial ports on POSIX termios: raw mode, the settings of the link, DTR raised, opened
// exclusively.

#include <filesystem>
#include <optional>

#include "platform/SerialPort.h"

namespace zorv {

// The serial ports under `devices` (/dev) in search order: ttyS*, ttyUSB*, ttyACM*, each group
// in number order, without the ttyS lines that `ttyClass` (/sys/class/tty) reports as having no
// UART behind them (type 0), as most of the 32 standard ones have.
std::vector<std::string> serialPortsIn(const std::filesystem::path& devices,
                                       const std::filesystem::path& ttyClass);

class PosixSerialPortSystem : public SerialPortSystem {
public:
    // With `only`, the search list is just those paths (a port named by the user).
    explicit PosixSerialPortSystem(std::optional<std::vector<std::string>> only = std::nullopt)
        : only_(std::move(only)) {}
    // The serial ports of /dev, then every path of ZORV_SERIAL_PORTS (colon-separated).
    std::vector<std::string> ports() const override;
    std::unique_ptr<SerialPort> open(const std::string& path, const SerialSettings& settings,
                                     std::string& why) override;

private:
    std::optional<std::vector<std::string>> only_;
};

} // namespace zorv
