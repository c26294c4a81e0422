#include "oonedraw/GRotateTool.h"

#include "oonedraw/GRepaint.h"
#include "oonedraw/GRotateCmd.h"

#include <cmath>

namespace oonedraw {

double GRotateTool::AngleOf(GPoint p) const {
    return std::atan2(p.y - centre.y, p.x - centre.x);
}

void GRotateTool::rotateTarget(double by) {
    ChangeAndRepaint(*target, [&] { target->Rotate(centre, by); });
}

void GRotateTool::OnButtonDown(const GPointerEvent& event) {
    GTool::OnButtonDown(event);
    target = nullptr;
    if (!canvas)
        return;
    if (hitObject) {
        canvas->Select(hitObject, kSelectReplace);
        canvas->SetCurrent(hitObject);
    }
    GObject* current = canvas->GetCurrent();
    if (!current || current->points.empty())
        return;
    target = current;
    centre = target->points.front();
    startAngle = angle = AngleOf(CurrentPoint());
}

void GRotateTool::OnDrag(const GPointerEvent&) {
    if (!target)
        return;
    const double a = AngleOf(CurrentPoint());
    rotateTarget(a - angle);
    angle = a;
}

// The drag has shown the target at angle; it goes back to where the press began so that the
// command rotates it once, by the whole angle, and undoing that restores it exactly.
void GRotateTool::OnButtonUp(const GPointerEvent& event) {
    Track(event);
    if (!target)
        return;
    rotateTarget(startAngle - angle);
    angle = AngleOf(CurrentPoint());
    if (angle != startAngle)
        canvas->GetCommands()->Execute(new GRotateCmd(target, centre, angle - startAngle));
    target = nullptr;
}

} // namespace oonedraw
