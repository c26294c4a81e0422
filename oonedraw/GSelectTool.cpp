#include "oonedraw/GSelectTool.h"

#include "oonedraw/GRepaint.h"
#include "oonedraw/GToolMgr.h"

namespace oonedraw {

GTool* GSelectTool::moveTool() const {
    return manager ? manager->Find("move") : nullptr;
}

// A press on an unselected object selects it alone; a press on a selected one keeps the whole
// selection, so that all of it can be dragged.
void GSelectTool::OnButtonDown(const GPointerEvent& event) {
    GTool::OnButtonDown(event);
    bandShown = false;
    if (!canvas)
        return;
    if (!hitObject)
        canvas->Select(nullptr, kSelectReplace);
    else if (!hitObject->has(kSelected))
        canvas->Select(hitObject, kSelectReplace);
    canvas->SetCurrent(hitObject);
    InvalidateCanvas();
    GTool* move = hitObject ? moveTool() : nullptr;
    delegating = move != nullptr;
    if (move)
        move->OnButtonDown(event);
}

void GSelectTool::OnMouseMove(const GPointerEvent& event) {
    if (GTool* move = delegating ? moveTool() : nullptr)
        move->OnMouseMove(event);
    else
        GTool::OnMouseMove(event);
}

// The band is a focus rectangle, an exclusive-or frame: drawing it again erases it.
void GSelectTool::drawBand(GPoint corner) {
    if (GDrawContext* dc = ViewContext())
        dc->FocusRect(WindowRect(start, corner));
}

void GSelectTool::OnDrag(const GPointerEvent&) {
    if (bandShown)
        drawBand(previous);
    drawBand(CurrentPoint());
    bandShown = true;
}

void GSelectTool::OnButtonUp(const GPointerEvent& event) {
    Track(event);
    if (delegating) {
        if (GTool* move = moveTool())
            move->OnButtonUp(event);
        delegating = false;
        return;
    }
    if (!dragging || !canvas)
        return;
    if (bandShown)
        drawBand(previous);
    bandShown = false;
    const GRect band = Spanning(start, CurrentPoint());
    // One object per band, the first in canvas order that can be selected; removed (hidden)
    // objects are passed over rather than ending the search.
    for (GObject* object : canvas->children)
        if (BoundsOf(*object).intersects(band) && canvas->Select(object, kSelectAdd))
            break;
    GRect selected;
    canvas->GetSelection()->GetMemberBounds(selected);
    canvas->Invalidate(selected);
}

} // namespace oonedraw
