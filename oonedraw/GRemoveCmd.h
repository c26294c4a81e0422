#pragma once

#include "oonedraw/GCommand.h"
#include "oonedraw/GObject.h"

#include <vector>

namespace oonedraw {

// Removal keeps the objects in their parent's list, hidden and unhittable, so it can be undone.
class GRemoveCmd : public GCommand {
public:
    explicit GRemoveCmd(std::vector<GObject*> objects_) : objects(std::move(objects_)) {}
    bool Execute() override {
        for (GObject* o : objects)
            o->flags |= kRemoved;
        return true;
    }
    bool Undo() override {
        for (GObject* o : objects)
            o->flags &= ~uint32_t(kRemoved);
        return true;
    }

    std::vector<GObject*> objects;
};

} // namespace oonedraw
