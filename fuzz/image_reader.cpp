// Feeds arbitrary bytes to the download-image reader: it must fail with a message or succeed,
// never read outside the input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "sim/ImageReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zorv::sim::ImageDescription image;
    std::string error;
    const bool ok = zorv::sim::readImage({data, size}, image, error);
    if (ok == error.empty())
        return 0;
    __builtin_trap(); // a failure must come with its message, a success without one
}
