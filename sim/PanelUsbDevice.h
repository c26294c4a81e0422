#pragma once
// The panel on an in-process USB bus: packets go to a PanelDevice; unplugs and absence can be
// staged for retry tests.

#include <deque>

#include "platform/UsbDevice.h"
#include "sim/PanelDevice.h"

namespace zorv::sim {

class PanelUsbBus : public UsbBus {
public:
    explicit PanelUsbBus(PanelDevice& device) : device_(device) {}
    std::unique_ptr<UsbDevice> openFirst() override;

    bool present = true;
    int opens = 0;
    // Results handed out, one per transfer, before the device is asked (e.g. BadCommand).
    std::deque<UsbStatus> staged;

private:
    friend class PanelUsbDevice;
    PanelDevice& device_;
};

class PanelUsbDevice : public UsbDevice {
public:
    explicit PanelUsbDevice(PanelUsbBus& bus) : bus_(bus) {}
    UsbStatus write(std::span<const uint8_t> packet, std::chrono::milliseconds) override;
    UsbStatus read(std::span<uint8_t> out, std::size_t& got, std::chrono::milliseconds) override;

private:
    PanelUsbBus& bus_;
    std::vector<uint8_t> reply_;
};

} // namespace zorv::sim
