#include "oonedraw/GMoveHandlerCmd.h"

#include "oonedraw/GCommandGuard.h"
#include "oonedraw/GRepaint.h"

namespace oonedraw {

// A vertex the object does not have moves nothing and fails.
bool GMoveHandlerCmd::movePointBy(double x, double y) {
    if (!object || index < 0 || size_t(index) >= object->points.size())
        return false;
    return Guarded([&] {
        ChangeAndRepaint(*object, [&] { object->MovePoint(size_t(index), x, y); });
        return true;
    });
}

} // namespace oonedraw
