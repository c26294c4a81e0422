#pragma once
// The differences that matter between two projects, in a stable order: the system parameters,
// the system alarm list, the rows of the Modbus tables, then page by page (in page number
// order) the page added, removed, renumbered or changed and its widgets added, removed or
// changed. Each changed field is named as the JSON form of the project names it, with its old
// and new value; texts are fields of both languages ("text1", "text2"), pictures are compared
// by content. How pages and widgets are paired is told in FormMatch.h.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "cli/diff/FormCompare.h"
#include "comm/ModbusTable.h"
#include "model/CHCData.h"

namespace zorv::diff {

enum class Area : uint8_t { Header, AlarmList, Modbus, Page, Widget };
enum class Change : uint8_t { Changed, Added, Removed, Renumbered };

struct DiffEntry {
    Area area = Area::Header;
    Change change = Change::Changed;
    // Page and Widget: the page's number in the earlier and the later project; -1 on the side
    // that has no such page.
    int32_t pageBefore = -1;
    int32_t pageAfter = -1;
    // Widget: its id in its page (in the later project; in the earlier one when removed).
    // Modbus: the row's number, from 1.
    int32_t item = 0;
    std::string kind; // Widget: the type name
    // Changed, and a renumbered page whose other fields changed too.
    std::vector<FieldChange> fields;
    Json value; // Added and Removed: the item's form
};

struct ProjectSide {
    const CHCData& project;
    std::span<const ModbusRow> modbus; // empty without a table beside the project
};

std::vector<DiffEntry> diffProjects(const ProjectSide& before, const ProjectSide& after);

// The pages that a difference touches, as {pageBefore, pageAfter} of their entries, each once,
// in the order of the entries.
std::vector<std::pair<int32_t, int32_t>> changedPages(std::span<const DiffEntry> entries);

} // namespace zorv::diff
