#pragma once
// The tools of the page canvas, registered in one place for the editing view, the tests and the
// fuzz harnesses: "select" (current afterwards), "move", "rotate", and one creation tool per
// widget type name whose prototype is an object of that kind's class.

#include "oonedraw/GToolMgr.h"

namespace zorv {

void registerPageTools(oonedraw::GToolMgr& tools);

} // namespace zorv
