#pragma once

namespace oonedraw {

// Base of the pointer tools; the manager switches them with Activate and Deactivate.
class GTool {
public:
    virtual ~GTool() = default;
    virtual void Activate() {}
    virtual void Deactivate() {}
};

} // namespace oonedraw
