#pragma once

#include "oonedraw/GCommand.h"
#include "oonedraw/GObject.h"

#include <cstdint>

namespace oonedraw {

// Moves one vertex of an object (a drag that began on the vertex).
class GMoveHandlerCmd : public GCommand {
public:
    GMoveHandlerCmd(GObject* object_, int32_t index_, double dx_, double dy_)
        : object(object_), dx(dx_), dy(dy_), index(index_) {}
    bool Execute() override { return movePointBy(dx, dy); }
    bool Undo() override { return movePointBy(-dx, -dy); }

    GObject* object = nullptr;
    double dx = 0;
    double dy = 0;
    int32_t index = 0;

private:
    bool movePointBy(double x, double y);
};

} // namespace oonedraw
