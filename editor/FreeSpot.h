#pragma once
// Where a widget placed from the keyboard goes first: the first spot of the display, row by row
// on the 8-pixel text cell grid, that no widget of the page covers.

#include <vector>

#include "editor/DisplayBox.h"

namespace zorv {

// The top-left pixel for a box of w x h display pixels that overlaps none of `taken` and stays on
// the 192 x 64 display; the display's corner when every spot is taken.
DisplayBox firstFreeSpot(int w, int h, const std::vector<DisplayBox>& taken);

} // namespace zorv
