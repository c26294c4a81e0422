#pragma once
// The serial link to the panel: finds the port the panel answers on, keeps it open for one
// transfer, and offers one operation per protocol command. Every operation reports success by
// its result and shows nothing; the callers retry and report. A reply always answers the frame
// just sent: the panel answers every frame it receives, in order, so the answers still owed to
// frames whose time-out ran out are read and dropped before a different frame goes out.

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
    // Draws a fresh transfer seed for the blocks that follow; a retry after a start that went
    // unanswered sends the same one, so that the blocks match whichever copy the panel takes.
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
    // The last command was answered with NAK: the panel is there and refused the frame.
    bool refused() const { return refused_; }

    void setTimeouts(SerialTimeouts timeouts) { timeouts_ = timeouts; }
    void setSeedSource(std::function<uint8_t()> source) { seedSource_ = std::move(source); }

private:
    // Drop the answers owed to earlier frames, purge, write the whole frame, read exactly
    // reply.size() bytes; a data reply (`framed`) from its STX on.
    bool exchange(PortHandle handle, std::span<const uint8_t> frame, std::span<uint8_t> reply,
                  bool framed);
    bool acked(PortHandle handle, std::span<const uint8_t> frame);
    std::size_t readReply(PortHandle handle, std::span<uint8_t> reply, bool framed);
    // Reads and drops owed answers, each read waiting up to `wait`; once a wait brings nothing,
    // the rest are taken as lost. Without a wait only what has arrived is dropped.
    void dropOwedAnswers(PortHandle handle, std::chrono::milliseconds wait);
    // A port opened or closed: nothing is owed on it.
    void forgetLine();

    SerialPortSystem& ports_;
    std::string chosenPort_;
    std::vector<PortAttempt> tried_;
    std::string portName_; // the path of the port found; empty until then
    std::unique_ptr<SerialPort> port_;
    uint8_t seed_ = 0;
    bool refused_ = false;
    std::vector<uint8_t> lastFrame_; // the frame last written to the port
    std::size_t owed_ = 0;           // reply bytes the panel may still send for earlier frames
    std::string settings_;
    SerialTimeouts timeouts_;
    std::function<uint8_t()> seedSource_;
};

} // namespace zorv
