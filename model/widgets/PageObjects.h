#pragma once
// The drawing objects of a page: what the page canvas shows when a page is loaded.

#include "model/CPage.h"
#include "model/widgets/WidgetBitmaps.h"
#include "oonedraw/GCanvas.h"

namespace zorv {

// Adds an object of its kind's class for every widget of the page, in the page's order and in
// step with its record; widgets without a drawing class are left out. The count added.
int addPageObjects(oonedraw::GCanvas& canvas, const CPage& page, int language,
                   WidgetBitmaps& bitmaps);

} // namespace zorv
