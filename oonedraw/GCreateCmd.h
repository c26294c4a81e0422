#pragma once

#include "oonedraw/GCommand.h"
#include "oonedraw/GObject.h"

#include <vector>

namespace oonedraw {

// Places a clone of the creation tool's prototype on the prototype's canvas. Undo hides the
// new object; executing again shows the same object.
class GCreateCmd : public GCommand {
public:
    GCreateCmd(GObject* prototype_, std::vector<GPoint> points_)
        : prototype(prototype_), points(std::move(points_)) {}
    bool Execute() override;
    bool Undo() override;

    GObject* prototype = nullptr; // the tool's; read by the first execution only
    std::vector<GPoint> points;
    GObject* created = nullptr; // owned by the canvas once placed
};

} // namespace oonedraw
