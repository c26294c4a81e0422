#include "oonedraw/GMoveCmd.h"

#include "oonedraw/GCanvas.h"

namespace oonedraw {

bool GMoveCmd::moveBy(double x, double y) {
    if (objects.empty())
        return true;
    GRect before, after;
    objects[0]->GetBounds(before);
    objects[0]->GetBounds(after);
    for (GObject* o : objects) {
        GRect b;
        o->GetBounds(b);
        before = before.united(b);
        o->Move(x, y);
        o->GetBounds(b);
        after = after.united(b);
    }
    if (GCanvas* c = objects[0]->canvas) {
        c->Invalidate(before);
        c->Invalidate(after);
    }
    return true;
}

} // namespace oonedraw
