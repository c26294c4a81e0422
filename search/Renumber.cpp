#include "search/Renumber.h"

#include <algorithm>

#include "checks/RegisterFields.h"
#include "model/RegisterName.h"

namespace zorv {

namespace {

// A register name or a run "D100-D119": the family, the first register and the count.
bool parseRun(std::string_view text, uint8_t& type, uint16_t& first, int& count,
              std::string& message) {
    const auto dash = text.find('-');
    const auto head = parseRegisterText(text.substr(0, dash));
    const auto tail =
        dash == std::string_view::npos ? head : parseRegisterText(text.substr(dash + 1));
    if (!head || !tail || head->station != 1 || tail->station != 1) {
        message = "unreadable register \"" + std::string(text) + "\"";
        return false;
    }
    if (head->type != tail->type || tail->address < head->address) {
        message = "\"" + std::string(text) + "\" is no run of registers of one family";
        return false;
    }
    type = head->type;
    first = head->address;
    count = tail->address - head->address + 1;
    return true;
}

std::string runText(uint8_t type, int first, int count) {
    std::string text = registerName(type, uint16_t(first));
    if (count > 1)
        text += "-" + registerName(type, uint16_t(first + count - 1));
    return text;
}

std::string familyRange(uint8_t type) {
    return runText(type, 0, maxAddress(type) + 1);
}

bool checkMoves(std::span<const RegisterMove> moves, std::string& message) {
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const RegisterMove& m = moves[i];
        const int64_t last = int64_t(m.first) + m.count - 1;
        const int64_t to = int64_t(m.first) + m.offset;
        if (!isRegisterTypeCode(m.type) || m.count == 0 || last > maxAddress(m.type) || to < 0 ||
            to + m.count - 1 > maxAddress(m.type)) {
            message = "moving " + runText(m.type, m.first, std::max<int>(m.count, 1)) + " by " +
                      std::to_string(m.offset) + " leaves " + familyRange(m.type);
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            const RegisterMove& o = moves[j];
            if (o.type == m.type && o.first <= last && m.first < o.first + o.count) {
                message = runText(o.type, o.first, o.count) + " and " +
                          runText(m.type, m.first, m.count) + " overlap";
                return false;
            }
        }
    }
    return true;
}

std::optional<RegisterRef> moved(const RegisterRef& reg, std::span<const RegisterMove> moves) {
    for (const RegisterMove& m : moves) {
        if (reg.type == m.type && reg.address >= m.first && reg.address < m.first + m.count)
            return RegisterRef{reg.station, reg.type, uint16_t(reg.address + m.offset)};
    }
    return std::nullopt;
}

// Plans the moves and, with a `target` (the project itself), makes them.
bool renumberInto(const CHCData& project, CHCData* target, std::span<const RegisterMove> moves,
                  const RenumberScope& scope, std::vector<RegisterChange>& changes,
                  std::string& message) {
    changes.clear();
    if (!checkMoves(moves, message))
        return false;
    for (int p = 0; p < project.pageCount(); ++p) {
        const CPage& page = *project.page(p);
        for (std::size_t w = 0; w < page.widgets.size(); ++w) {
            const WidgetNode& node = page.widgets[w];
            if (!inScope(scope, page.number(), node.id))
                continue;
            const std::size_t firstChange = changes.size();
            auto move = [&](RegisterField& field) {
                const auto after = moved(field.reg, moves);
                if (!after)
                    return;
                // A field the panel uses twice (shown and entered) is one change.
                const bool told =
                    std::any_of(changes.begin() + std::ptrdiff_t(firstChange), changes.end(),
                                [&](const RegisterChange& c) { return c.field == field.name; });
                if (!told)
                    changes.push_back(
                        {page.number(), int(w), node.id, node.kind, field.name, field.reg, *after});
                field.reg = *after;
            };
            if (target)
                changeRegisterFields(target->page(p)->widgets[w], move);
            else
                visitRegisterFields(node, move);
        }
    }
    return true;
}

} // namespace

bool inScope(const RenumberScope& scope, uint16_t page, int32_t id) {
    if (!scope.pages.empty() &&
        std::find(scope.pages.begin(), scope.pages.end(), page) == scope.pages.end())
        return false;
    return scope.widgets.empty() || std::find(scope.widgets.begin(), scope.widgets.end(),
                                              std::make_pair(page, id)) != scope.widgets.end();
}

bool parseRegisterMove(std::string_view from, std::string_view to, std::optional<int> count,
                       RegisterMove& move, std::string& message) {
    uint8_t fromType = 0, toType = 0;
    uint16_t fromFirst = 0, toFirst = 0;
    int fromCount = 0, toCount = 0;
    if (!parseRun(from, fromType, fromFirst, fromCount, message) ||
        !parseRun(to, toType, toFirst, toCount, message))
        return false;
    if (fromType != toType) {
        message = "registers move within their family: " + std::string(from) + " and " +
                  std::string(to) + " are of two families";
        return false;
    }
    const bool toIsRun = to.find('-') != std::string_view::npos;
    int n = fromCount;
    if (count) {
        if (*count < 1 || fromCount > 1) {
            message = fromCount > 1 ? "a count goes with a single first register"
                                    : "the count must be 1 or more";
            return false;
        }
        n = *count;
    }
    if (toIsRun && toCount != n) {
        message = runText(fromType, fromFirst, n) + " and " + std::string(to) +
                  " are runs of different lengths";
        return false;
    }
    move = {fromType, fromFirst, uint16_t(std::min(n, 0xFFFF)),
            int32_t(toFirst) - int32_t(fromFirst)};
    return checkMoves(std::span(&move, 1), message);
}

std::string moveText(const RegisterMove& move) {
    return runText(move.type, move.first, move.count) + " to " +
           runText(move.type, int(move.first) + move.offset, move.count);
}

bool planRenumber(const CHCData& project, std::span<const RegisterMove> moves,
                  const RenumberScope& scope, std::vector<RegisterChange>& changes,
                  std::string& message) {
    return renumberInto(project, nullptr, moves, scope, changes, message);
}

bool renumber(CHCData& project, std::span<const RegisterMove> moves, const RenumberScope& scope,
              std::vector<RegisterChange>& changes, std::string& message) {
    return renumberInto(project, &project, moves, scope, changes, message);
}

} // namespace zorv
