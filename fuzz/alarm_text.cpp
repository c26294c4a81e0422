// Alarm list text files of any shape must import into rows of at most 24-byte cells, and the
// confirmed list must stay within the record.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "image/AlarmList.h"
#include "platform/ScriptedPrompt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zorv::AlarmListModel model;
    zorv::ScriptedPrompt prompt;
    model.importText(std::span(data, size), prompt);
    for (const auto& row : model.rows())
        for (const auto& cell : row)
            if (cell.size() > 24)
                std::abort();
    zorv::AlarmListRecord record = zorv::AlarmListRecord::makeSystemDefault();
    if (model.confirm(record, prompt) && record.entryCount() > 65)
        std::abort();
    return 0;
}
