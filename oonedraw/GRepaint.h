#pragma once

#include "oonedraw/GCanvas.h"

namespace oonedraw {

inline GRect BoundsOf(const GObject& object) {
    GRect bounds;
    object.GetBounds(bounds);
    return bounds;
}

// Asks the object's canvas to repaint the area; an object without a canvas repaints nothing.
inline void Repaint(const GObject& object, const GRect& area) {
    if (object.canvas)
        object.canvas->Invalidate(area);
}

// Changes the object's geometry and repaints where it was and where it is now.
template <typename Change> void ChangeAndRepaint(GObject& object, Change change) {
    const GRect before = BoundsOf(object);
    change();
    Repaint(object, before.united(BoundsOf(object)));
}

} // namespace oonedraw
