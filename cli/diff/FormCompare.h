#pragma once
// Field-by-field comparison of two parts of the JSON form of a project, so that a difference
// names each field as the form does. Nested objects are compared member by member
// ("upperBound.input", "reserved.8"), tables of entries element by element ("states[1].text2").
// Picture data (an array of hexadecimal rows) is compared by its content and shown by its size
// and a digest instead of row by row.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/json/JsonValues.h"

namespace zorv::diff {

using json::Json;

struct FieldChange {
    std::string field;
    Json before, after; // null on the side that lacks the field
};

// The differing members of `a` and `b`, in the order of `a`'s members and then of the members
// only `b` has; the members named in `skip` are left out.
void compareMembers(const Json& a, const Json& b, std::span<const std::string_view> skip,
                    std::vector<FieldChange>& out);

// A value as a difference shows it: picture data at any depth replaced by
// {"bytes": N, "digest": "16 hexadecimal digits"}.
Json shownValue(const Json& value);

} // namespace zorv::diff
