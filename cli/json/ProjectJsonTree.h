#pragma once
// The JSON form of a project as a tree, for readers that compare projects field by field
// instead of as text. exportProjectJson writes this tree.

#include "cli/json/JsonValues.h"
#include "model/CHCData.h"

namespace zorv::json {

Json projectJsonTree(const CHCData& project);

} // namespace zorv::json
