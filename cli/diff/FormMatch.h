#pragma once
// Which page and which widget of one project is which of the other, so that a moved widget is
// one change and not a removal and an addition, and a renumbered page one renumbering.
//
// Pages are matched by their number first. Of the pages left over, an earlier page and a later
// one are the same page renumbered when they hold the same (everything but the number alike),
// or else when they have the same description that is not empty; the first such page in page
// order is taken.
//
// Widgets are matched within a pair of pages and only with widgets of their own kind: first
// each widget with the first widget of the other page whose form is alike in every field but
// the id (so that an added or removed widget leaves the others paired as they were), then each
// widget left, in list order, with the nearest widget of its kind left over: the one with the
// fewest differing fields and, among those, the one closest in order among the widgets of that
// kind, then the first in list order. What stays unpaired was added or removed.

#include <vector>

#include "cli/diff/FormCompare.h"

namespace zorv::diff {

// Indexes into the earlier and the later list; -1 on the side an item is missing from.
struct Pair {
    int before = -1;
    int after = -1;
};

// The pairs of the "pages" arrays of two project forms, ordered by page number (the later
// number, the earlier one for a removed page).
std::vector<Pair> matchPages(const Json& before, const Json& after);

// The pairs of the "widgets" arrays of two page forms: the widgets of the later page in their
// order, then the removed ones in the earlier page's order.
std::vector<Pair> matchWidgets(const Json& before, const Json& after);

// The differing fields of two widget forms (their ids, which follow the list order, left out).
std::vector<FieldChange> widgetChanges(const Json& before, const Json& after);

} // namespace zorv::diff
