#pragma once

#include "oonedraw/GTool.h"

namespace oonedraw {

// Rotates the current object about its first vertex by the angle the pointer sweeps round it.
// The object follows the drag; the release puts it back and runs one command for the angle.
class GRotateTool : public GTool {
public:
    using GTool::GTool;
    void OnButtonDown(const GPointerEvent& event) override;
    void OnButtonUp(const GPointerEvent& event) override;
    void OnDrag(const GPointerEvent& event) override;
    void OnObjectsDestroyed() override { target = nullptr; }

    GObject* target = nullptr; // from the press to the release
    GPoint centre;
    double startAngle = 0; // radians
    double angle = 0;      // the angle the target is shown at

private:
    double AngleOf(GPoint p) const;
    void rotateTarget(double by);
};

} // namespace oonedraw
