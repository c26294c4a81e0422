#include "oonedraw/GCommandStack.h"

namespace oonedraw {

bool GCommandStack::Execute(GCommand* raw) {
    std::unique_ptr<GCommand> command(raw);
    if (!command || limit == 0)
        return false;
    try {
        if (!command->Execute())
            return false;
        if (size_t(count) < entries.size())
            entries.erase(entries.begin() + count, entries.end());
        if (limit != -1 && entries.size() >= uint32_t(limit)) {
            entries.erase(entries.begin());
            --count;
        }
        entries.push_back(std::move(command));
        ++count;
        return true;
    } catch (...) {
        return false;
    }
}

void GCommandStack::Clear() {
    entries.clear();
    count = 0;
}

} // namespace oonedraw
