#pragma once

#include "oonedraw/GTool.h"

namespace oonedraw {

// Picks objects: a press selects the object under the pointer and hands the drag to the "move"
// tool; a drag from empty canvas draws a rubber band that adds the first object it touches.
class GSelectTool : public GTool {
public:
    using GTool::GTool;
    void OnButtonDown(const GPointerEvent& event) override;
    void OnButtonUp(const GPointerEvent& event) override;
    void OnMouseMove(const GPointerEvent& event) override;
    void OnDrag(const GPointerEvent& event) override;

    bool delegating = false; // a press on an object went to the "move" tool

private:
    GTool* moveTool() const;
    void drawBand(GPoint corner);

    bool bandShown = false; // the band from start to previous is on the screen
};

} // namespace oonedraw
