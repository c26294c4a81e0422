// Tag lists of any shape, read with columns chosen by name or by position, must be taken or
// refused without reading out of bounds; a refusal changes nothing, and the tags taken write
// out as a tag file that reads back to the same table.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/tags/TagImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    // The first byte chooses how the file is read: header names or column positions, the
    // separator and merging into a table that holds a tag already.
    const uint8_t how = data[0];
    zorv::TagImportOptions options;
    if (how & 1) {
        options.header = (how & 2) != 0;
        options.name = {"", (how >> 2) & 3};
        options.reg = {"", (how >> 4) & 3};
        options.comment = {"", -1, false};
    }
    options.separator = (how & 0x40) ? ';' : ',';
    options.merge = (how & 0x80) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    zorv::TagTable table;
    table.add({"Kept", {1, uint8_t(zorv::RegisterType::D), 7}, ""});
    const zorv::TagTable before = table;
    std::vector<std::string> faults;
    if (!zorv::importTags(text, options, table, faults)) {
        if (table != before || faults.empty())
            std::abort();
        return 0;
    }
    zorv::TagTable again;
    std::vector<std::string> none;
    if (!zorv::importTags(zorv::exportTags(table), {}, again, none) || again != table)
        std::abort();
    return 0;
}
