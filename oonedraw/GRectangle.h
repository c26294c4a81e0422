#pragma once

#include "oonedraw/GObject.h"

namespace oonedraw {

// Four-point rectangle: p0 top-left, p1 bottom-left, p2 bottom-right, p3 top-right.
class GRectangle : public GObject {
public:
    using GObject::GObject;
    GObject* HitTest(GHitInfo& hit) override;
    GObject* NewInstance() const override { return new GRectangle; }
    void DrawShape() override;
    virtual void FitToContent() {}
};

} // namespace oonedraw
