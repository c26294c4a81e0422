#pragma once

#include "oonedraw/GCommand.h"
#include "oonedraw/GObject.h"

namespace oonedraw {

// Rotates an object and its children by an angle in radians about a centre.
class GRotateCmd : public GCommand {
public:
    GRotateCmd(GObject* object_, GPoint centre_, double angle_)
        : object(object_), centre(centre_), angle(angle_) {}
    bool Execute() override { return rotateBy(angle); }
    bool Undo() override { return rotateBy(-angle); }

    GObject* object = nullptr;
    GPoint centre;
    double angle = 0;

private:
    bool rotateBy(double a);
};

} // namespace oonedraw
