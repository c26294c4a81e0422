#include "oonedraw/GCommandStack.h"

#include "oonedraw/GCommandGuard.h"

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

bool GCommandStack::Undo() {
    if (!CanUndo() || !Guarded([&] { return entries[size_t(count) - 1]->Undo(); }))
        return false;
    --count;
    return true;
}

bool GCommandStack::Redo() {
    if (!CanRedo() || !Guarded([&] { return entries[size_t(count)]->Execute(); }))
        return false;
    ++count;
    return true;
}

void GCommandStack::Clear() {
    entries.clear();
    count = 0;
}

} // namespace oonedraw
