#pragma once
// The USB link to the panel: one packet out, one packet in, per command. A transfer that finds
// the device unplugged waits, opens it again and repeats, three times at most.

#include <array>
#include <chrono>
#include <functional>
#include <memory>

#include "platform/Prompt.h"
#include "platform/UsbDevice.h"

namespace zorv {

inline constexpr const char* kUsbDownloadFailedMessage = "Download failed!";
inline constexpr const char* kUsbUploadFailedMessage = "Failed to upload!";

class CUsbComm {
public:
    CUsbComm(UsbBus& bus, Prompt& prompt);

    // Closes whatever is open, then opens the first panel.
    bool Open();
    void Close();
    bool isOpen() const { return device_ != nullptr; }

    bool Connect();
    // n from 0 to 52.
    bool WriteData(const uint8_t* data, int n, uint32_t address);
    bool EndData();
    bool CompleteDownload();
    bool QueryRunning();
    bool Run();
    bool Stop();

    using Sleep = std::function<void(std::chrono::milliseconds)>;
    // The waits before each new Open after an unplug (1, 2 and 3 s); tests shorten them.
    void setUnplugWaits(std::array<std::chrono::milliseconds, 3> waits, Sleep sleep);
    void setTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

private:
    // Writes `out` and reads into `in`; `got` is the number of bytes read.
    bool transfer(std::span<const uint8_t> out, std::span<uint8_t> in, std::size_t& got);
    template <class Op> bool withReplug(Op op);
    // Sends the packet and judges the 12-byte reply; an error packet shows `message`.
    bool command(std::span<const uint8_t> packet, std::span<const uint8_t> success,
                 std::span<const uint8_t> error, const char* message);

    UsbBus& bus_;
    Prompt& prompt_;
    std::unique_ptr<UsbDevice> device_;
    std::chrono::milliseconds timeout_{1500};
    std::array<std::chrono::milliseconds, 3> waits_;
    Sleep sleep_;
};

} // namespace zorv
