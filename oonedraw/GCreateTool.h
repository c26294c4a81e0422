#pragma once

#include "oonedraw/GObject.h"
#include "oonedraw/GTool.h"

#include <memory>
#include <vector>

namespace oonedraw {

// Collects points with presses and creates a copy of its prototype through a command.
class GCreateTool : public GTool {
public:
    // The tool owns the prototype and gives it the manager's canvas.
    GCreateTool(GToolMgr* manager, std::unique_ptr<GObject> prototype);
    void OnButtonDown(const GPointerEvent& event) override;
    // Runs the creation over the collected points; they are dropped whatever the outcome.
    bool Commit();

    std::unique_ptr<GObject> prototype;
    std::vector<GPoint> pending;
};

// Creates a 96 x 32 rectangle (p0 to p3) with its top-left corner at the press.
class GTextTool : public GCreateTool {
public:
    static constexpr double kWidth = 96;
    static constexpr double kHeight = 32;

    using GCreateTool::GCreateTool;
    void OnButtonUp(const GPointerEvent& event) override;
};

} // namespace oonedraw
