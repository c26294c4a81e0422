#pragma once
// Registers renumbered over a project: a run of registers of one family moved by an offset
// (D100-D119 to D200-D219) in every widget field that uses them, over the whole project, some
// pages or some widgets. The plan lists each change for a preview before anything changes.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/CHCData.h"

namespace zorv {

// `count` registers of the family `type` from `first` on move `offset` places.
struct RegisterMove {
    uint8_t type = 0;
    uint16_t first = 0;
    uint16_t count = 1;
    int32_t offset = 0;
};

// "D100-D119" to "D200-D219", or "D100" to "D200" for `count` registers (one without it). False,
// with the reason, for an unreadable register, two families, ranges of different lengths or a
// move that leaves its family's range.
bool parseRegisterMove(std::string_view from, std::string_view to, std::optional<int> count,
                       RegisterMove& move, std::string& message);
// "D100-D119 to D200-D219".
std::string moveText(const RegisterMove& move);

struct RenumberScope {
    std::vector<uint16_t> pages; // page numbers; none: every page
    // (page number, widget id) pairs; none: every widget of the pages
    std::vector<std::pair<uint16_t, int32_t>> widgets;
};
// Whether the widget `id` of page `page` lies in the scope.
bool inScope(const RenumberScope& scope, uint16_t page, int32_t id);

struct RegisterChange {
    uint16_t page = 0;
    int widget = 0; // index in the page's widget list
    int32_t widgetId = 0;
    WidgetKind kind = WidgetKind::None;
    std::string field; // "register", "upper bound", "relation bit", "alarm bits" ...
    RegisterRef before, after;
};

// What the moves change, page by page in list order; a field moves when its first register lies
// in a move's run. False, with the reason and nothing planned, when a move leaves its family's
// range or two moves of one family overlap.
bool planRenumber(const CHCData& project, std::span<const RegisterMove> moves,
                  const RenumberScope& scope, std::vector<RegisterChange>& changes,
                  std::string& message);
// The same changes made in the project; on refusal the project is left as it was.
bool renumber(CHCData& project, std::span<const RegisterMove> moves, const RenumberScope& scope,
              std::vector<RegisterChange>& changes, std::string& message);

} // namespace zorv
