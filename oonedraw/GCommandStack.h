#pragma once

#include "oonedraw/GCommand.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace oonedraw {

// Executed commands, oldest first; entries beyond count are the undone tail.
class GCommandStack {
public:
    bool Execute(GCommand* command);
    void Clear();

    std::vector<std::unique_ptr<GCommand>> entries;
    int32_t count = 0;
    int32_t limit = -1; // -1: no limit
};

} // namespace oonedraw
