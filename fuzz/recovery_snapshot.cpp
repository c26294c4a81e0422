// Recovery snapshots of any shape must decode or be refused without reading out of bounds, and
// a snapshot of the present form must encode back to exactly the bytes it was read from.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "model/recovery/RecoverySnapshot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto snapshot = zorv::decodeSnapshot(std::span(data, size));
    if (!snapshot || std::memcmp(data, "ZVRECOV2", 8) != 0)
        return 0;
    const std::vector<uint8_t> again = zorv::encodeSnapshot(*snapshot);
    if (again.size() != size || std::memcmp(again.data(), data, size) != 0)
        std::abort();
    return 0;
}
