// Any bytes as a plain project stream: no read outside the input or a record; what is read
// must write back into a stream that reads again the same way.
#include <cstdlib>

#include "model/ProjectStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zorv::CHCData project;
    if (!zorv::readProjectStream(std::span(data, size), project))
        return 0;
    const auto first = zorv::projectStream(project);
    zorv::CHCData again;
    if (!zorv::readProjectStream(first, again))
        std::abort();
    if (first != zorv::projectStream(again))
        std::abort();
    return 0;
}
