// USB replies and packets on arbitrary bytes: the judgements, the checksum of a packet whose
// length field lies, and the panel simulator's packet handler.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "comm/UsbPackets.h"
#include "sim/PanelDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> in(data, size);
    zorv::judgeUsbReply(in, zorv::usbConnectPacket(), zorv::usbDownloadErrorPacket());
    zorv::isRunningReply(in);
    std::vector<uint8_t> copy(data, data + size);
    zorv::checksum16(copy);
    zorv::sim::PanelDevice device;
    device.usbPacket(in);
    return 0;
}
