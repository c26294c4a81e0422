#include "oonedraw/GPasteCmd.h"

#include "oonedraw/GCommandGuard.h"
#include "oonedraw/GRepaint.h"

#include <memory>

namespace oonedraw {

bool GPasteCmd::Execute() {
    return Guarded([this] {
        if (!canvas)
            return false;
        if (pasted.empty()) {
            if (!placeClones())
                return false;
        } else {
            for (GObject* o : pasted)
                o->flags &= ~uint32_t(kRemoved);
        }
        canvas->ClearSelection();
        for (GObject* o : pasted)
            canvas->Select(o, kSelectAdd);
        repaintPasted();
        return true;
    });
}

bool GPasteCmd::Undo() {
    return Guarded([this] {
        if (pasted.empty())
            return false;
        repaintPasted();
        for (GObject* o : pasted) {
            if (o->has(kSelected))
                canvas->Unselect(o);
            o->flags |= kRemoved;
        }
        return true;
    });
}

// Every clone is made before any is placed, so a clipboard object that cannot be copied pastes
// nothing at all.
bool GPasteCmd::placeClones() {
    std::vector<std::unique_ptr<GObject>> clones;
    for (const GObject* o : objects) {
        std::unique_ptr<GObject> clone(o->Clone());
        if (!clone)
            return false;
        clones.push_back(std::move(clone));
    }
    if (clones.empty())
        return false;
    // Room first, so that placing cannot fail halfway.
    canvas->children.reserve(canvas->children.size() + clones.size());
    pasted.reserve(clones.size());
    for (auto& clone : clones) {
        std::vector<GPoint> shifted = clone->points;
        for (GPoint& p : shifted)
            p = {p.x + kOffset, p.y + kOffset};
        clone->canvas = canvas;
        clone->Place(shifted, canvas);
        pasted.push_back(clone.release());
    }
    objects.clear();
    return true;
}

void GPasteCmd::repaintPasted() const {
    GRect area = BoundsOf(*pasted.front());
    for (const GObject* o : pasted)
        area = area.united(BoundsOf(*o));
    Repaint(*pasted.front(), area);
}

} // namespace oonedraw
