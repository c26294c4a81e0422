#pragma once

#include "oonedraw/GHitInfo.h"
#include "oonedraw/GPointerEvent.h"
#include "oonedraw/Geometry.h"

#include <cstdint>

namespace oonedraw {

class GCanvas;
class GDrawContext;
class GToolMgr;

// Base of the pointer tools. The view sends pointer events to the current tool, which tracks
// the pointer in canvas coordinates and hit-tests the canvas at every event. Objects carry no
// per-object hooks or event handlers in this editor, so tools forward nothing to them.
class GTool {
public:
    explicit GTool(GToolMgr* manager);
    virtual ~GTool() = default;
    GTool(const GTool&) = delete;
    GTool& operator=(const GTool&) = delete;

    virtual void OnButtonDown(const GPointerEvent& event);
    virtual void OnButtonUp(const GPointerEvent& event) { Track(event); }
    // Two further pointer events and three further events; the view sends none of them.
    virtual void OnPointerEvent1(const GPointerEvent& event) { Track(event); }
    virtual void OnPointerEvent2(const GPointerEvent& event) { Track(event); }
    virtual void OnEvent1(const GPointerEvent&) {}
    virtual void OnEvent2(const GPointerEvent&) {}
    virtual void OnEvent3(const GPointerEvent&) {}
    virtual void OnMouseMove(const GPointerEvent& event);
    virtual void Activate() {}
    virtual void Deactivate() {}
    virtual void OnHover(const GPointerEvent&) {}
    virtual void OnDrag(const GPointerEvent&) {}
    // The canvas destroyed its objects since the press (a page loaded while the button is
    // held): a tool drops the objects its gesture holds. Called by Track before the event.
    virtual void OnObjectsDestroyed() {}

    // The event point becomes the current point (canvas coordinates) and is hit-tested.
    void Track(const GPointerEvent& event);
    GPoint CurrentPoint() const { return {hit.x, hit.y}; }

    bool dragging = false;
    GObject* hitObject = nullptr;
    GCanvas* canvas = nullptr;
    GPoint start;
    GPoint previous;
    GHitInfo hit;
    GToolMgr* manager = nullptr;
    uint32_t seenGeneration = 0; // the canvas's objects generation the tool last saw

protected:
    // The drawing context of the view's client area for drag feedback; none without a view.
    GDrawContext* ViewContext() const;
    GPoint ToWindow(GPoint p) const;
    // The rectangle with corners a and b, whichever way round they lie.
    static GRect Spanning(GPoint a, GPoint b);
    // Focus rectangle spanning two canvas points, corners sorted, in window coordinates.
    GIntRect WindowRect(GPoint a, GPoint b) const;
    void InvalidateCanvas() const;
};

} // namespace oonedraw
