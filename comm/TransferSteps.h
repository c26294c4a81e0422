#pragma once
// The step loop shared by the transfers: each device step is tried up to 20 times, without a
// pause (every attempt already waits for its own time-out).

#include <cstdio>
#include <string>

namespace zorv {

constexpr int kDeviceTries = 20;

template <class Step> bool tryStep(Step step, int tries = kDeviceTries) {
    for (int i = 0; i < tries; ++i) {
        if (step())
            return true;
    }
    return false;
}

// "%d/%d" texts of the block loops.
inline std::string countText(const char* format, long done, long size) {
    char text[160];
    std::snprintf(text, sizeof text, format, int(done), int(size));
    return text;
}

} // namespace zorv
