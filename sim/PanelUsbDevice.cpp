#include "sim/PanelUsbDevice.h"

#include <algorithm>

namespace zorv::sim {

std::unique_ptr<UsbDevice> PanelUsbBus::openFirst() {
    ++opens;
    if (!present)
        return nullptr;
    return std::make_unique<PanelUsbDevice>(*this);
}

UsbStatus PanelUsbDevice::write(std::span<const uint8_t> packet, std::chrono::milliseconds) {
    if (!bus_.staged.empty()) {
        const UsbStatus s = bus_.staged.front();
        bus_.staged.pop_front();
        if (s != UsbStatus::Ok)
            return s;
    }
    reply_ = bus_.device_.usbPacket(packet);
    return UsbStatus::Ok;
}

UsbStatus PanelUsbDevice::read(std::span<uint8_t> out, std::size_t& got,
                               std::chrono::milliseconds) {
    got = 0;
    if (reply_.empty())
        return UsbStatus::Failed; // nothing came within the time-out
    got = std::min(out.size(), reply_.size());
    std::copy_n(reply_.begin(), got, out.begin());
    reply_.clear();
    return UsbStatus::Ok;
}

} // namespace zorv::sim
