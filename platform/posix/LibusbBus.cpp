#include "platform/posix/LibusbBus.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <libusb.h>
#include <sstream>
#include <utility>
#include <vector>

namespace zorv {

namespace {

UsbStatus statusOf(int r) {
    switch (r) {
    case LIBUSB_SUCCESS:
        return UsbStatus::Ok;
    // A vanished device answers like a closed handle; a halted or broken pipe like a device
    // that no longer takes commands. Both are taken as an unplug.
    case LIBUSB_ERROR_NO_DEVICE:
    case LIBUSB_ERROR_NOT_FOUND:
        return UsbStatus::BadHandle;
    case LIBUSB_ERROR_IO:
    case LIBUSB_ERROR_PIPE:
        return UsbStatus::BadCommand;
    default:
        return UsbStatus::Failed;
    }
}

class LibusbDevice : public UsbDevice {
public:
    LibusbDevice(libusb_context* ctx, libusb_device_handle* h, int iface, uint8_t in, uint8_t out)
        : ctx_(ctx), h_(h), iface_(iface), in_(in), out_(out) {}
    ~LibusbDevice() override {
        libusb_release_interface(h_, iface_);
        libusb_close(h_);
        libusb_exit(ctx_);
    }
    UsbStatus write(std::span<const uint8_t> packet, std::chrono::milliseconds timeout) override {
        int done = 0;
        std::vector<uint8_t> copy(packet.begin(), packet.end());
        const int r = libusb_interrupt_transfer(h_, out_, copy.data(), int(copy.size()), &done,
                                                unsigned(timeout.count()));
        if (r == LIBUSB_SUCCESS && std::size_t(done) != packet.size())
            return UsbStatus::Failed;
        return statusOf(r);
    }
    UsbStatus read(std::span<uint8_t> out, std::size_t& got,
                   std::chrono::milliseconds timeout) override {
        // The IN pipe hands over whole packets; read into a buffer of the pipe's size.
        std::vector<uint8_t> buffer(std::max<std::size_t>(out.size(), 64));
        int done = 0;
        const int r = libusb_interrupt_transfer(h_, in_, buffer.data(), int(buffer.size()), &done,
                                                unsigned(timeout.count()));
        got = std::min(out.size(), std::size_t(std::max(done, 0)));
        std::copy_n(buffer.begin(), got, out.begin());
        return statusOf(r);
    }

private:
    libusb_context* ctx_;
    libusb_device_handle* h_;
    int iface_;
    uint8_t in_, out_;
};

std::vector<std::pair<uint16_t, uint16_t>> listedIds(const Registry* settings) {
    std::vector<std::pair<uint16_t, uint16_t>> ids;
    if (!settings)
        return ids;
    std::string text = settings->value("Usb/Devices").value_or("");
    std::replace(text.begin(), text.end(), ',', ' ');
    std::stringstream in(text);
    for (std::string entry; in >> entry;) {
        unsigned vid = 0, pid = 0;
        if (std::sscanf(entry.c_str(), "%4x:%4x", &vid, &pid) == 2)
            ids.emplace_back(uint16_t(vid), uint16_t(pid));
    }
    return ids;
}

// The GUID from the device's Microsoft OS 1.0 extended properties: string descriptor 0xEE gives
// the vendor request code, the request (index 5) gives the properties in UTF-16.
bool announcesPanelGuid(libusb_device_handle* h, int iface) {
    unsigned char os[18];
    const int n = libusb_get_string_descriptor(h, 0xEE, 0, os, sizeof os);
    if (n < 18 || os[1] != LIBUSB_DT_STRING || os[2] != 'M' || os[4] != 'S')
        return false;
    const uint8_t vendorCode = os[16];
    std::vector<unsigned char> props(4096);
    const int got = libusb_control_transfer(
        h,
        uint8_t(int(LIBUSB_ENDPOINT_IN) | int(LIBUSB_REQUEST_TYPE_VENDOR) |
                int(LIBUSB_RECIPIENT_INTERFACE)),
        vendorCode, uint16_t(iface), 5, props.data(), uint16_t(props.size()), 1000);
    if (got <= 0)
        return false;
    // Look for the GUID text in the UTF-16 property data, ignoring case.
    std::string ascii;
    for (int i = 0; i + 1 < got; i += 2)
        ascii.push_back(props[std::size_t(i + 1)] == 0 ? char(std::toupper(props[std::size_t(i)]))
                                                       : '?');
    return ascii.find(kPanelInterfaceGuid) != std::string::npos;
}

} // namespace

std::unique_ptr<UsbDevice> LibusbBus::openFirst() {
    libusb_context* ctx = nullptr;
    if (libusb_init(&ctx) != 0)
        return nullptr;
    const auto ids = listedIds(settings_);
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(ctx, &list);
    std::unique_ptr<UsbDevice> found;
    for (ssize_t i = 0; i < count && !found; ++i) {
        libusb_device_descriptor desc{};
        if (libusb_get_device_descriptor(list[i], &desc) != 0)
            continue;
        libusb_device_handle* h = nullptr;
        if (libusb_open(list[i], &h) != 0)
            continue;
        const bool listed = std::find(ids.begin(), ids.end(),
                                      std::pair(desc.idVendor, desc.idProduct)) != ids.end();
        libusb_config_descriptor* config = nullptr;
        if ((!listed && !announcesPanelGuid(h, 0)) ||
            libusb_get_active_config_descriptor(list[i], &config) != 0 ||
            config->bNumInterfaces < 1 || config->interface[0].num_altsetting < 1) {
            if (config)
                libusb_free_config_descriptor(config);
            libusb_close(h);
            continue;
        }
        // Alternate setting 0 of the first interface: only interrupt pipes are taken.
        const libusb_interface_descriptor& alt = config->interface[0].altsetting[0];
        uint8_t in = 0, out = 0;
        for (int e = 0; e < alt.bNumEndpoints; ++e) {
            const auto& ep = alt.endpoint[e];
            if ((ep.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK) != LIBUSB_TRANSFER_TYPE_INTERRUPT)
                continue;
            (ep.bEndpointAddress & LIBUSB_ENDPOINT_IN ? in : out) = ep.bEndpointAddress;
        }
        const int iface = alt.bInterfaceNumber;
        libusb_free_config_descriptor(config);
        libusb_set_auto_detach_kernel_driver(h, 1);
        if (in == 0 || out == 0 || libusb_claim_interface(h, iface) != 0) {
            libusb_close(h);
            continue;
        }
        found = std::make_unique<LibusbDevice>(ctx, h, iface, in, out);
    }
    libusb_free_device_list(list, 1);
    if (!found)
        libusb_exit(ctx);
    return found;
}

} // namespace zorv
