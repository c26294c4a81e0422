#pragma once

#include "oonedraw/GHitInfo.h"
#include "oonedraw/Geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace oonedraw {

class GCanvas;

enum GFlag : uint32_t {
    kHidden = 0x001,
    kNotHittable = 0x002,
    kRotateLocked = 0x004,
    kSelected = 0x008,
    kCurrent = 0x010,
    kMoveXLocked = 0x020,
    kMoveYLocked = 0x040,
    kPointXLocked = 0x080,
    kPointYLocked = 0x100,
    kRemoved = kHidden | kNotHittable,
};

struct GPen {
    int32_t width = 1;
    uint32_t colour = 0;
    int32_t style = 0;
};

struct GBrush {
    int32_t hatch = 0;
    uint32_t colour = 0;
    int32_t style = 0;
};

// Base of everything drawable: vertices, owned children, flags and the canvas it belongs to.
class GObject {
public:
    GObject() = default;
    GObject(GObject* parent, GCanvas* canvas, uint32_t flags = 0);
    virtual ~GObject();
    GObject(const GObject&) = delete;
    GObject& operator=(const GObject&) = delete;

    virtual GCanvas* GetOwnerCanvas(const std::vector<GPoint>&) { return canvas; }
    virtual void Draw();
    virtual void GetBounds(GRect& out) const;
    virtual GObject* HitTest(GHitInfo& hit);
    virtual GObject* NewInstance() const { return nullptr; }
    virtual void OnRotated(GPoint, double) {}
    virtual void DrawShape() {}
    virtual GObject* HitInterior(GHitInfo&) { return nullptr; }
    virtual GObject* HitEdge(GHitInfo& hit);

    void Move(double dx, double dy);
    void MovePoint(size_t index, double dx, double dy);
    void Rotate(GPoint centre, double angle);
    void TopLeft(GPoint& out) const;
    double Width() const;
    double Height() const;
    GObject* Clone() const;
    bool Place(const std::vector<GPoint>& newPoints, GObject* newParent);
    void AddChild(GObject* child) { children.push_back(child); }
    void RemoveChild(GObject* child);
    void DeleteChildren();

    bool has(uint32_t flag) const { return (flags & flag) != 0; }

    std::vector<GPoint> points;
    int32_t id = -1;
    std::string name;
    std::vector<GObject*> children; // owned, except in GSelection
    uint32_t flags = 0;
    GObject* parent = nullptr;
    GCanvas* canvas = nullptr;
    GBrush brush;
    GPen pen;
};

} // namespace oonedraw
