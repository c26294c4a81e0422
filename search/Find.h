#pragma once
// Find over a whole project: texts in both languages, registers (an address, a run such as
// D100-D119, or a tag name), widget kinds and page descriptions.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/CHCData.h"
#include "model/tags/TagTable.h"

namespace zorv {

enum FindTarget : unsigned {
    FindTexts = 1u << 0,
    FindRegisters = 1u << 1,
    FindKinds = 1u << 2,
    FindDescriptions = 1u << 3,
    FindEverything = FindTexts | FindRegisters | FindKinds | FindDescriptions,
};

struct FindHit {
    uint16_t page = 0;
    std::optional<int> widget; // index in the page's widget list; none for the page itself
    // "language 2 text \"Pumpe an\"", "register D105 (value)", "kind Key",
    // "description \"Mixer\""
    std::string what;
    bool operator==(const FindHit&) const = default;
};

// The registers a query names: a tag name, "D100", "2:D100" or a run "D100-D119"; a register
// without a station matches every station. Nothing when the query names no register.
struct RegisterQuery {
    uint8_t station = 0; // 0: any
    uint8_t type = 0;
    uint16_t first = 0, last = 0;
};
std::optional<RegisterQuery> registerQuery(std::string_view query, const TagTable* tags);

// Every hit of `query` in page and widget order; texts are compared without regard to the case
// of ASCII letters, the query in UTF-8.
std::vector<FindHit> findInProject(const CHCData& project, std::string_view query,
                                   const TagTable* tags = nullptr,
                                   unsigned targets = FindEverything);

} // namespace zorv
