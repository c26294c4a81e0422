#pragma once
// Tags out of and into comma-separated text: the tag file beside the project (header
// "name,register,comment") and the lists that PLC tools export, whose columns are chosen by
// their header names or their positions.

#include <string>
#include <string_view>
#include <vector>

#include "model/tags/TagTable.h"

namespace zorv {

// A column of the file: the one whose header is `name` (ASCII case aside), or, with a header
// name left empty, the one at `index` (0 the first). No name and a negative index: not read.
struct CsvColumn {
    std::string name;
    int index = -1;
    bool required = true; // false: a header without the named column leaves it unread
};

struct TagImportOptions {
    CsvColumn name{"name"}, reg{"register"}, comment{"comment", -1, false};
    // The first row names the columns (and is no tag); columns by name need it.
    bool header = true;
    char separator = ',';
    // False: the file's tags take the place of the table's; true: they are added, and a tag of
    // the same name in the table takes the file's register and comment.
    bool merge = false;
};

// Reads every row before anything changes. On any fault the table stays as it was and `faults`
// names each faulty row with its line: "line 4: duplicate name \"Pump\" (also on line 2)",
// "line 6: unreadable register \"Q12\"". True when the table took the file's tags.
bool importTags(std::string_view text, const TagImportOptions& options, TagTable& table,
                std::vector<std::string>& faults);

// The table as the tag file holds it: the header, then one row a tag in table order.
std::string exportTags(const TagTable& table);

} // namespace zorv
