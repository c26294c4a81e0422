#pragma once

#include "oonedraw/GObject.h"

namespace oonedraw {

// The selected objects, in the order they were added; it never owns them.
class GSelection : public GObject {
public:
    using GObject::GObject;
    ~GSelection() override { children.clear(); }
    virtual void GetMemberBounds(GRect& out) const { GetBounds(out); }
};

} // namespace oonedraw
