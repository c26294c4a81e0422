#pragma once

namespace oonedraw {

// Runs one step of a command; an exception inside it (from the window's repaint request, or
// running out of memory) is reported as a failed step.
template <typename Step> bool Guarded(Step step) noexcept {
    try {
        return step();
    } catch (...) {
        return false;
    }
}

} // namespace oonedraw
