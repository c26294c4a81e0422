#include "oonedraw/GRotateCmd.h"

#include "oonedraw/GCommandGuard.h"
#include "oonedraw/GRepaint.h"

namespace oonedraw {

bool GRotateCmd::rotateBy(double a) {
    if (!object)
        return false;
    return Guarded([&] {
        ChangeAndRepaint(*object, [&] { object->Rotate(centre, a); });
        return true;
    });
}

} // namespace oonedraw
