// Language text files of any shape must import, and confirming must stay within the capacity.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "image/LanguageTexts.h"
#include "platform/ScriptedPrompt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zorv::LanguageTextsModel model(zorv::kMenuTable);
    zorv::ScriptedPrompt prompt;
    model.importText(std::span(data, size), prompt);
    zorv::LanguageTable table(zorv::kMenuTable.capacity);
    model.confirm(table);
    if (table.count > table.capacity() || table.widths[0] > 24 || table.widths[1] > 24)
        std::abort();
    return 0;
}
