// Translation files of any shape, CSV or XLIFF, must be read or refused with the line of the
// fault named, without reading out of bounds or recursing without limit.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "cli/texts/TranslationFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (auto read : {zorv::readTextsCsv, zorv::readTextsXliff}) {
        std::vector<zorv::TranslatedText> texts;
        std::string fault;
        if (!read(text, texts, fault) && fault.empty())
            std::abort();
    }
    return 0;
}
