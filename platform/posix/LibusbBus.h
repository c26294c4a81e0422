#pragma once
// The panel on libusb-1.0: the first device whose Microsoft OS descriptors announce the panel's
// device interface class, or whose VID:PID is listed in the setting "Usb/Devices"
// ("VVVV:PPPP" entries, hexadecimal, separated by commas or blanks).

#include <string>

#include "platform/Registry.h"
#include "platform/UsbDevice.h"

namespace zorv {

inline constexpr const char* kPanelInterfaceGuid = "{8143B09F-F3B6-426F-8CD5-F434B506078C}";

class LibusbBus : public UsbBus {
public:
    explicit LibusbBus(const Registry* settings = nullptr) : settings_(settings) {}
    std::unique_ptr<UsbDevice> openFirst() override;

private:
    const Registry* settings_;
};

} // namespace zorv
