// Any bytes as a page template: no read outside the input or a record; what is read must write
// back into a template that reads again to the same bytes.
#include <cstdlib>

#include "model/PageTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zorv::PageTemplate pages;
    std::string message;
    if (!zorv::readPageTemplate(std::span(data, size), pages, message))
        return 0;
    std::vector<uint8_t> first;
    zorv::writePageTemplate(pages, first);
    zorv::PageTemplate again;
    if (!zorv::readPageTemplate(first, again, message))
        std::abort();
    std::vector<uint8_t> second;
    zorv::writePageTemplate(again, second);
    if (first != second)
        std::abort();
    return 0;
}
