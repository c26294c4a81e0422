#pragma once

#include "oonedraw/GTool.h"

namespace oonedraw {

// Drags the selection, or one vertex when the press was on a vertex. While dragging it shows
// inverted feedback in the view; the release makes one command for the whole displacement.
class GMoveTool : public GTool {
public:
    using GTool::GTool;
    void OnButtonDown(const GPointerEvent& event) override;
    void OnButtonUp(const GPointerEvent& event) override;
    void OnDrag(const GPointerEvent& event) override;
    void OnObjectsDestroyed() override;

    double dx = 0;
    double dy = 0;
    GHitInfo pressed; // the hit at the press
    GRect feedback;   // the shifted selection bounds drawn last

private:
    bool movingVertex() const { return pressed.kind == 2 && pressed.object; }
    void drawFeedback(GDrawContext& dc) const;

    bool feedbackShown = false;
    GPoint lineEnd; // end of the vertex line drawn last
};

} // namespace oonedraw
