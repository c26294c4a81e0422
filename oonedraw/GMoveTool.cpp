#include "oonedraw/GMoveTool.h"

#include "oonedraw/GCanvas.h"
#include "oonedraw/GMoveCmd.h"
#include "oonedraw/GMoveHandlerCmd.h"

namespace oonedraw {

void GMoveTool::OnButtonDown(const GPointerEvent& event) {
    GTool::OnButtonDown(event);
    pressed = hit;
    feedback = {};
    if (canvas)
        canvas->GetSelection()->GetMemberBounds(feedback);
    feedbackShown = false;
}

// Inverted drawing: the same call a second time erases it.
void GMoveTool::drawFeedback(GDrawContext& dc) const {
    if (movingVertex()) {
        const GPoint a = ToWindow(start), b = ToWindow(lineEnd);
        dc.Line(int32_t(a.x), int32_t(a.y), int32_t(b.x), int32_t(b.y));
    } else {
        dc.FocusRect(WindowRect({feedback.left, feedback.top}, {feedback.right, feedback.bottom}));
    }
}

// The press's hit is gone with the objects, and the repaint of the whole canvas has already
// wiped any feedback off the screen.
void GMoveTool::OnObjectsDestroyed() {
    pressed = {};
    feedbackShown = false;
}

void GMoveTool::OnDrag(const GPointerEvent&) {
    const GPoint now = CurrentPoint();
    dx = now.x - start.x;
    dy = now.y - start.y;
    GDrawContext* dc = ViewContext();
    if (!dc || !canvas)
        return;
    GRect selected;
    canvas->GetSelection()->GetMemberBounds(selected);
    const bool anything = movingVertex() || !canvas->GetSelection()->children.empty();
    dc->SetInvertMode(true);
    if (feedbackShown)
        drawFeedback(*dc);
    lineEnd = now;
    feedback = {selected.left + dx, selected.top + dy, selected.right + dx, selected.bottom + dy};
    if (anything)
        drawFeedback(*dc);
    feedbackShown = anything;
    dc->SetInvertMode(false);
}

void GMoveTool::OnButtonUp(const GPointerEvent& event) {
    Track(event);
    GDrawContext* dc = ViewContext();
    if (feedbackShown && dc) {
        dc->SetInvertMode(true);
        drawFeedback(*dc);
        dc->SetInvertMode(false);
    }
    feedbackShown = false;
    dx = hit.x - start.x;
    dy = hit.y - start.y;
    if ((dx == 0 && dy == 0) || !canvas)
        return;
    GCommand* command = nullptr;
    if (movingVertex())
        command = new GMoveHandlerCmd(pressed.object, pressed.index, dx, dy);
    else if (!canvas->GetSelection()->children.empty())
        command = new GMoveCmd(canvas->GetSelection()->children, dx, dy);
    if (command)
        canvas->GetCommands()->Execute(command);
}

} // namespace oonedraw
