#pragma once
// Where pasted widgets land on a page: each keeps its position when no widget of the page stands
// there; otherwise the whole group moves by one snap step, towards the display's middle on an
// axis where a step outwards would leave the display.

#include <cstdint>
#include <vector>

#include "model/CPage.h"

namespace zorv {

// Appends the widgets to the page with fresh ids from the page's counter; their ids.
std::vector<int32_t> pasteIntoPage(CPage& page, std::vector<WidgetNode> widgets, int step);

} // namespace zorv
