#pragma once
// The differences of two projects as a person reads them (one heading line per entry, then
// one indented line per changed field: "    x: 48 -> 60") and as JSON for scripts
// ({"entries": [{"area": "widget", "change": "changed", "page": 1, "widget": 2, ...}]}).

#include <span>
#include <string>

#include "cli/diff/ProjectDiff.h"

namespace zorv::diff {

std::string diffText(std::span<const DiffEntry> entries);
std::string diffJson(std::span<const DiffEntry> entries);

} // namespace zorv::diff
