#include "oonedraw/GToolMgr.h"

namespace oonedraw {

bool GToolMgr::Register(const std::string& name, GTool* tool) {
    tools[name].reset(tool);
    return true;
}

GTool* GToolMgr::Find(const std::string& name) const {
    auto it = tools.find(name);
    return it == tools.end() ? nullptr : it->second.get();
}

bool GToolMgr::SelectTool(const std::string& name) {
    if (name == currentName)
        return true;
    GTool* next = Find(name);
    if (!next)
        return false;
    if (GTool* old = Current())
        old->Deactivate();
    currentName = name;
    next->Activate();
    return true;
}

} // namespace oonedraw
