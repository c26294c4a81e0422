#include "oonedraw/GCreateTool.h"

#include "oonedraw/GCanvas.h"
#include "oonedraw/GCreateCmd.h"

namespace oonedraw {

GCreateTool::GCreateTool(GToolMgr* manager_, std::unique_ptr<GObject> prototype_)
    : GTool(manager_), prototype(std::move(prototype_)) {
    if (prototype)
        prototype->canvas = canvas;
}

void GCreateTool::OnButtonDown(const GPointerEvent& event) {
    GTool::OnButtonDown(event);
    pending.push_back(CurrentPoint());
}

bool GCreateTool::Commit() {
    std::vector<GPoint> points;
    points.swap(pending);
    if (!canvas || !prototype)
        return false;
    return canvas->GetCommands()->Execute(new GCreateCmd(prototype.get(), std::move(points)));
}

// The rectangle is built from the press alone, so presses that never saw a release add no
// stray vertices.
void GTextTool::OnButtonUp(const GPointerEvent& event) {
    Track(event);
    if (pending.empty())
        return;
    const GPoint p0 = start;
    pending = {p0, {p0.x, p0.y + kHeight}, {p0.x + kWidth, p0.y + kHeight}, {p0.x + kWidth, p0.y}};
    Commit();
}

} // namespace oonedraw
