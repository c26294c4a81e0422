#pragma once

#include <cstdint>

namespace oonedraw {

// Button and key state bits carried by a pointer event.
enum GPointerKey : uint32_t {
    kLeftButton = 0x0001,
    kCtrlKey = 0x0008,
};

// A pointer event of the editing view, in window coordinates.
struct GPointerEvent {
    double x = 0;
    double y = 0;
    uint32_t keys = 0;

    bool has(uint32_t key) const { return (keys & key) != 0; }
};

} // namespace oonedraw
