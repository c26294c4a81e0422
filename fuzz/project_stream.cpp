// Any bytes as a plain project stream: no read outside the input or a record; what is read
// must write back into a stream that reads again the same way.
#include <cstdlib>

#include "model/ProjectStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zorv::CHCData project;
    if (!zorv::readProjectStream(std::span(data, size), project))
        return 0;
    std::vector<uint8_t> first, second;
    zorv::writeProjectStream(project, first);
    zorv::CHCData again;
    if (!zorv::readProjectStream(first, again))
        std::abort();
    zorv::writeProjectStream(again, second);
    if (first != second)
        std::abort();
    return 0;
}
