#pragma once
// The panel's side of the serial and USB protocols: checks every request, keeps both memory
// areas, answers as the panel does. Faults can be injected for retry tests.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zorv::sim {

struct FaultPlan {
    int dropEvery = 0;              // every Nth request is carried out but not answered
    int nakEvery = 0;               // every Nth request is refused with NAK
    int corruptEvery = 0;           // every Nth request arrives with one byte changed
    std::optional<int> silentAfter; // no answers after this many requests
};

class PanelDevice {
public:
    explicit PanelDevice(FaultPlan faults = {}, bool running = false)
        : faults_(faults), running_(running) {}

    // Serial: one received byte; the reply bytes, if this byte completed a request.
    std::vector<uint8_t> receive(uint8_t byte);
    // USB: one packet; the reply packet (empty: no reply).
    std::vector<uint8_t> usbPacket(std::span<const uint8_t> packet);

    void setConfig(std::vector<uint8_t> bytes) { config_ = std::move(bytes); }
    const std::vector<uint8_t>& interfaceImage() const { return image_; }
    const std::vector<uint8_t>& config() const { return config_; }
    // Set when an end command closed a transfer of that area.
    bool imageComplete() const { return imageDone_; }
    bool configComplete() const { return configDone_; }
    bool running() const { return running_; }
    const std::vector<std::string>& problems() const { return problems_; }
    int requests() const { return requests_; }
    // Serial block writes and reads carried out, repeats of a block included.
    int blocksServed() const { return blocksServed_; }

private:
    std::vector<uint8_t> request(std::vector<uint8_t> frame);
    std::vector<uint8_t> command(const std::string& text);
    std::vector<uint8_t> dataReply(const std::string& hex) const;
    bool inSequence(uint32_t address, std::size_t count, uint32_t base);
    std::vector<uint8_t> nak(const std::string& problem);

    FaultPlan faults_;
    bool running_;
    std::vector<uint8_t> pending_; // a frame being received
    std::vector<uint8_t> image_, config_;
    bool imageDone_ = false, configDone_ = false;
    char area_ = 0; // the area of the transfer in progress
    uint8_t seed_ = 0;
    std::optional<uint32_t> lastAddress_;
    std::size_t lastCount_ = 0;
    bool usbConnected_ = false;
    std::vector<std::string> problems_;
    int requests_ = 0;
    int blocksServed_ = 0;
};

} // namespace zorv::sim
