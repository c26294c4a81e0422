#include "oonedraw/GTool.h"

#include "oonedraw/GCanvas.h"
#include "oonedraw/GToolMgr.h"

#include <algorithm>

namespace oonedraw {

GTool::GTool(GToolMgr* manager_)
    : canvas(manager_ ? manager_->canvas : nullptr), manager(manager_) {}

void GTool::OnButtonDown(const GPointerEvent& event) {
    Track(event);
    start = previous = CurrentPoint();
    // A press begins a new gesture: it is a drag only once the pointer moves with the button.
    dragging = false;
}

void GTool::OnMouseMove(const GPointerEvent& event) {
    Track(event);
    dragging = event.has(kLeftButton);
    if (dragging)
        OnDrag(event);
    else
        OnHover(event);
    previous = CurrentPoint();
}

void GTool::Track(const GPointerEvent& event) {
    if (canvas && canvas->objectsGeneration != seenGeneration) {
        seenGeneration = canvas->objectsGeneration;
        OnObjectsDestroyed();
    }
    hit.x = event.x - (canvas ? canvas->originX : 0);
    hit.y = event.y - (canvas ? canvas->originY : 0);
    // Kind and index describe this hit only, so a vertex hit earlier cannot turn a later press
    // on a rectangle into a vertex drag.
    hit.kind = 0;
    hit.index = 0;
    hit.object = canvas ? canvas->HitTest(hit) : nullptr;
    hitObject = hit.object;
}

GDrawContext* GTool::ViewContext() const {
    return manager && manager->view ? manager->view->ClientContext() : nullptr;
}

GPoint GTool::ToWindow(GPoint p) const {
    return canvas ? GPoint{p.x + canvas->originX, p.y + canvas->originY} : p;
}

GRect GTool::Spanning(GPoint a, GPoint b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

GIntRect GTool::WindowRect(GPoint a, GPoint b) const {
    return Spanning(ToWindow(a), ToWindow(b)).truncated();
}

void GTool::InvalidateCanvas() const {
    if (!canvas)
        return;
    GRect all;
    canvas->GetBounds(all);
    canvas->Invalidate(all);
}

} // namespace oonedraw
