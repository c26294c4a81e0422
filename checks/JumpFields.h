#pragma once
// The page numbers a page points to: its Up and Down keys, its keys' screen jumps, the items of
// its page-jump menus and its password controls' success and failure pages. The page graph
// reads them, and copying pages renumbers them, through this one list.

#include <functional>
#include <string>

#include "checks/PageGraph.h"
#include "model/CPage.h"

namespace zorv {

struct JumpField {
    JumpKind kind = JumpKind::Key; // Alarm: a key's jump to the alarm list, which names no page
    std::string role;              // "", "item 3", "on success", "Up key" ...
    int target = 0;
};

// `widget` is the key, menu or password control, or nothing for the page's Up and Down keys.
using JumpVisit = std::function<void(const WidgetNode* widget, JumpField&)>;

// Every jump of the page in order: Up key, Down key, then the widgets in list order.
void visitPageJumps(const CPage& page, const JumpVisit& visit);
// The same; a target that `visit` changes is written back into the page (one that a 16-bit
// field cannot hold is left as it was; a key's jump to the alarm list is never changed).
void changePageJumps(CPage& page, const JumpVisit& visit);

} // namespace zorv
