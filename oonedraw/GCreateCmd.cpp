#include "oonedraw/GCreateCmd.h"

#include "oonedraw/GCanvas.h"
#include "oonedraw/GCommandGuard.h"
#include "oonedraw/GRepaint.h"

#include <memory>

namespace oonedraw {

bool GCreateCmd::Execute() {
    return Guarded([this] {
        if (created) {
            created->flags &= ~uint32_t(kRemoved);
            Repaint(*created, BoundsOf(*created));
            return true;
        }
        if (!prototype)
            return false;
        GCanvas* owner = prototype->GetOwnerCanvas(points);
        if (!owner)
            return false;
        std::unique_ptr<GObject> object(prototype->Clone());
        if (!object)
            return false;
        const bool placed = object->Place(points, owner);
        created = object.release(); // the canvas owns it now
        Repaint(*created, BoundsOf(*created));
        return placed;
    });
}

bool GCreateCmd::Undo() {
    return Guarded([this] {
        if (!created)
            return false;
        if (created->has(kSelected) && created->canvas)
            created->canvas->Unselect(created);
        created->flags |= kRemoved;
        Repaint(*created, BoundsOf(*created));
        return true;
    });
}

} // namespace oonedraw
