// Block-read replies of the serial link and the panel simulator's frame parser on arbitrary
// bytes: nothing may be read past the input.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "comm/SerialFrames.h"
#include "sim/PanelDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::size_t count = data[0] % (zorv::kMaxBlock + 1);
    std::vector<uint8_t> out(count);
    zorv::parseReadReply({data + 1, size - 1}, out);
    zorv::sim::PanelDevice device;
    for (std::size_t i = 1; i < size; ++i)
        device.receive(data[i]);
    return 0;
}
