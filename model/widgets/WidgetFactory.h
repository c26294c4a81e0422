#pragma once
// A new drawing object of the widget class of a kind, with the class's defaults; what the
// editing view builds for each widget of a page it loads.

#include <memory>

#include "model/WidgetKind.h"
#include "oonedraw/GObject.h"

namespace zorv {

// None for the page and for codes without a kind.
std::unique_ptr<oonedraw::GObject> newWidgetObject(WidgetKind kind);

} // namespace zorv
