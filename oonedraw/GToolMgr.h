#pragma once

#include "oonedraw/GTool.h"

#include <map>
#include <memory>
#include <string>

namespace oonedraw {

class GCanvas;
class GWindow;

// Owns the tools by name and keeps one of them current.
class GToolMgr {
public:
    explicit GToolMgr(GCanvas* canvas_ = nullptr) : canvas(canvas_) {}
    virtual ~GToolMgr() = default;
    virtual bool HasCanvas() const { return canvas != nullptr; }

    bool Register(const std::string& name, GTool* tool);
    GTool* Find(const std::string& name) const;
    GTool* Current() const { return Find(currentName); }
    bool SelectTool(const std::string& name);

    std::map<std::string, std::unique_ptr<GTool>> tools;
    std::string currentName;
    GCanvas* canvas = nullptr;
    GWindow* view = nullptr; // the editing view; tools draw their feedback into its client area
};

} // namespace oonedraw
