#pragma once

#include "oonedraw/GCommand.h"
#include "oonedraw/GObject.h"

#include <vector>

namespace oonedraw {

class GMoveCmd : public GCommand {
public:
    GMoveCmd(std::vector<GObject*> objects_, double dx_, double dy_)
        : objects(std::move(objects_)), dx(dx_), dy(dy_) {}
    bool Execute() override { return moveBy(dx, dy); }
    bool Undo() override { return moveBy(-dx, -dy); }

    std::vector<GObject*> objects;
    double dx = 0;
    double dy = 0;

private:
    bool moveBy(double x, double y);
};

} // namespace oonedraw
