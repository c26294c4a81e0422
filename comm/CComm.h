#pragma once
// The serial link to the panel: finds the port the panel answers on, keeps it open for one
// transfer, and offers one operation per protocol command. Every operation reports success by
// its result and shows nothing; the callers retry and report.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "comm/PortsTried.h"
#include "comm/SerialTimeouts.h"
#include "platform/SerialPort.h"

namespace zorv {

// The open port an operation talks to; nullptr is the invalid handle.
using PortHandle = SerialPort*;

class CComm {
public:
    explicit CComm(SerialPortSystem& ports);

    // Re-probes an open port; otherwise keeps the first port that answers ENQ with ACK open,
    // searching the chosen port alone or, without one, every port the system lists.
    bool FindPort();
    // "PATH:9600,e,7,1" (a third field is ignored; the path may hold colons of its own); the open
    // port or nothing, with `why` (when given) telling what stood in the way.
    std::unique_ptr<SerialPort> OpenPort(const std::string& text, std::string* why = nullptr);
    bool ClosePort();

    bool Probe(PortHandle handle);
    bool MatchType(PortHandle handle);
    bool QueryStatus(PortHandle handle);
    // Draws a fresh transfer seed for the blocks that follow.
    bool StartTransfer(PortHandle handle, char area);
    bool EndTransfer(PortHandle handle, char area);
    // 1 to 64 bytes; the caller's bytes are left as they are.
    bool WriteBlock(PortHandle handle, char area, const uint8_t* data, int count, uint16_t address);
    // Configuration area only; `count` bytes, descrambled.
    bool ReadBlock(PortHandle handle, uint8_t* data, int count, uint16_t address);

    // The one port to search; empty: every port the system lists.
    void setPort(std::string path) { chosenPort_ = std::move(path); }
    // What the last search tried, in order (the open port alone when it was re-probed).
    const std::vector<PortAttempt>& portsTried() const { return tried_; }

    PortHandle handle() const { return port_.get(); }
    const std::string& portName() const { return portName_; }
    const std::string& portSettings() const { return settings_; }
    uint8_t seed() const { return seed_; }

    void setTimeouts(SerialTimeouts timeouts) { timeouts_ = timeouts; }
    void setSeedSource(std::function<uint8_t()> source) { seedSource_ = std::move(source); }

private:
    // Purge, write the whole frame, read exactly reply.size() bytes.
    bool exchange(PortHandle handle, std::span<const uint8_t> frame, std::span<uint8_t> reply);
    bool acked(PortHandle handle, std::span<const uint8_t> frame);

    SerialPortSystem& ports_;
    std::string chosenPort_;
    std::vector<PortAttempt> tried_;
    std::string portName_; // the path of the port found; empty until then
    std::unique_ptr<SerialPort> port_;
    uint8_t seed_ = 0;
    std::string settings_;
    SerialTimeouts timeouts_;
    std::function<uint8_t()> seedSource_;
};

} // namespace zorv
