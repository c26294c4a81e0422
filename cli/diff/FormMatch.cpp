#include "cli/diff/FormMatch.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace zorv::diff {

namespace {

constexpr std::string_view kWidgetSkip[] = {"id"};
constexpr std::string_view kPageSkip[] = {"number"};

int pageNumber(const Json& page) {
    return page.value("number", 0);
}

bool samePage(const Json& a, const Json& b) {
    std::vector<FieldChange> changes;
    compareMembers(a, b, kPageSkip, changes);
    return changes.empty();
}

bool sameDescription(const Json& a, const Json& b) {
    const Json description = a.value("description", Json());
    return !description.is_null() && description != "" &&
           b.value("description", Json()) == description;
}

// Pairs every unpaired earlier item with the first unpaired later one that `alike` accepts.
template <class Alike>
void pairFirst(const Json& before, const Json& after, std::vector<int>& partner,
               std::vector<bool>& taken, Alike alike) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        for (std::size_t j = 0; partner[i] < 0 && j < after.size(); ++j) {
            if (!taken[j] && alike(before[i], after[j])) {
                partner[i] = int(j);
                taken[j] = true;
            }
        }
    }
}

// Pairs in the order the header promises: later items in order, then the removed ones.
std::vector<Pair> orderedPairs(const std::vector<int>& partner, std::size_t afterCount) {
    std::vector<int> earlier(afterCount, -1);
    for (std::size_t i = 0; i < partner.size(); ++i) {
        if (partner[i] >= 0)
            earlier[std::size_t(partner[i])] = int(i);
    }
    std::vector<Pair> pairs;
    for (std::size_t j = 0; j < afterCount; ++j)
        pairs.push_back({earlier[j], int(j)});
    for (std::size_t i = 0; i < partner.size(); ++i) {
        if (partner[i] < 0)
            pairs.push_back({int(i), -1});
    }
    return pairs;
}

// The place of each widget among the widgets of its kind in its list.
std::vector<int> kindRanks(const Json& widgets) {
    std::vector<int> ranks;
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        int rank = 0;
        for (std::size_t k = 0; k < i; ++k)
            rank += widgets[k].value("kind", "") == widgets[i].value("kind", "") ? 1 : 0;
        ranks.push_back(rank);
    }
    return ranks;
}

bool sameKind(const Json& a, const Json& b) {
    return a.value("kind", "") == b.value("kind", "");
}

} // namespace

std::vector<FieldChange> widgetChanges(const Json& before, const Json& after) {
    std::vector<FieldChange> changes;
    compareMembers(before, after, kWidgetSkip, changes);
    return changes;
}

std::vector<Pair> matchPages(const Json& before, const Json& after) {
    std::vector<int> partner(before.size(), -1);
    std::vector<bool> taken(after.size(), false);
    auto sameNumber = [](const Json& a, const Json& b) { return pageNumber(a) == pageNumber(b); };
    pairFirst(before, after, partner, taken, sameNumber);
    pairFirst(before, after, partner, taken, samePage);
    pairFirst(before, after, partner, taken, sameDescription);
    std::vector<Pair> pairs = orderedPairs(partner, after.size());
    auto key = [&](const Pair& p) {
        return p.after >= 0 ? pageNumber(after[std::size_t(p.after)])
                            : pageNumber(before[std::size_t(p.before)]);
    };
    std::stable_sort(pairs.begin(), pairs.end(),
                     [&](const Pair& x, const Pair& y) { return key(x) < key(y); });
    return pairs;
}

std::vector<Pair> matchWidgets(const Json& before, const Json& after) {
    std::vector<int> partner(before.size(), -1);
    std::vector<bool> taken(after.size(), false);
    pairFirst(before, after, partner, taken, [](const Json& a, const Json& b) {
        return sameKind(a, b) && widgetChanges(a, b).empty();
    });
    const std::vector<int> ranksBefore = kindRanks(before), ranksAfter = kindRanks(after);
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (partner[i] >= 0)
            continue;
        std::pair<std::size_t, int> best{std::numeric_limits<std::size_t>::max(), 0};
        for (std::size_t j = 0; j < after.size(); ++j) {
            if (taken[j] || !sameKind(before[i], after[j]))
                continue;
            const std::pair<std::size_t, int> cost{widgetChanges(before[i], after[j]).size(),
                                                   std::abs(ranksBefore[i] - ranksAfter[j])};
            if (cost < best) {
                best = cost;
                partner[i] = int(j);
            }
        }
        if (partner[i] >= 0)
            taken[std::size_t(partner[i])] = true;
    }
    return orderedPairs(partner, after.size());
}

} // namespace zorv::diff
