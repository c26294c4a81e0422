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
    // Steps back over the newest executed command, or forward over the oldest undone one; false
    // when there is none or the command failed (the position then stays).
    bool Undo();
    bool Redo();
    bool CanUndo() const { return count > 0; }
    bool CanRedo() const { return size_t(count) < entries.size(); }
    void Clear();

    std::vector<std::unique_ptr<GCommand>> entries;
    int32_t count = 0;
    int32_t limit = -1; // -1: no limit
};

} // namespace oonedraw
