#include "oonedraw/GCanvas.h"

#include "oonedraw/GPasteCmd.h"
#include "oonedraw/GRemoveCmd.h"

#include <algorithm>

namespace oonedraw {

GCanvas::GCanvas() {
    canvas = this;
}

GCanvas::~GCanvas() {
    ClearSelection();
    selection.reset();
    commands.reset();
    clipboard.clear();
    DeleteChildren();
}

// Objects first, then a 6 x 6 green handle on every vertex of every selected object.
void GCanvas::Draw() {
    GObject::Draw();
    if (!selection || !dc)
        return;
    for (const GObject* member : selection->children)
        for (const GPoint& p : member->points) {
            const GIntRect handle{int32_t(p.x) - 3, int32_t(p.y) - 3, int32_t(p.x) + 3,
                                  int32_t(p.y) + 3};
            dc->FillRect(handle, 0x00FF00);
            dc->FrameRect(handle, 0x000000);
        }
}

GSelection* GCanvas::GetSelection() {
    if (!selection)
        selection = std::make_unique<GSelection>(this, this, 0);
    return selection.get();
}

bool GCanvas::Select(GObject* object, int32_t mode) {
    if (!object || mode != kSelectAdd)
        ClearSelection();
    if (!object || object->has(kHidden) || object->has(kNotHittable))
        return false;
    auto& members = GetSelection()->children;
    if (std::find(members.begin(), members.end(), object) == members.end()) {
        object->flags |= kSelected;
        members.push_back(object);
    }
    return true;
}

void GCanvas::Unselect(GObject* object) {
    if (!object)
        return;
    object->flags &= ~uint32_t(kSelected);
    GetSelection()->RemoveChild(object);
}

void GCanvas::ClearSelection() {
    if (!selection)
        return;
    for (GObject* member : selection->children)
        member->flags &= ~uint32_t(kSelected);
    selection->children.clear();
}

void GCanvas::SetCurrent(GObject* object) {
    if (object == current)
        return;
    if (current)
        current->flags &= ~uint32_t(kCurrent);
    if (object)
        object->flags |= kCurrent;
    current = object;
}

void GCanvas::Invalidate(const GRect& area) {
    if (!window)
        return;
    GIntRect r =
        GRect{area.left + originX, area.top + originY, area.right + originX, area.bottom + originY}
            .truncated();
    window->InvalidateArea({r.left - 5, r.top - 5, r.right + 5, r.bottom + 5});
}

GCommandStack* GCanvas::GetCommands() {
    if (!commands)
        commands = std::make_unique<GCommandStack>();
    return commands.get();
}

// The clipboard is replaced, not appended to: otherwise every paste would bring back everything
// copied before. Copying nothing keeps what the clipboard held.
bool GCanvas::CopySelection() {
    std::vector<std::unique_ptr<GObject>> copies;
    for (const GObject* member : GetSelection()->children)
        if (GObject* copy = member->Clone())
            copies.emplace_back(copy);
    if (copies.empty())
        return false;
    clipboard = std::move(copies);
    return true;
}

bool GCanvas::CutSelection() {
    return CopySelection() && DeleteSelection();
}

bool GCanvas::Paste() {
    if (clipboard.empty())
        return false;
    std::vector<GObject*> originals;
    for (const auto& copy : clipboard)
        originals.push_back(copy.get());
    return GetCommands()->Execute(new GPasteCmd(this, std::move(originals)));
}

bool GCanvas::DeleteSelection() {
    bool done = false;
    if (!GetSelection()->children.empty())
        done = GetCommands()->Execute(new GRemoveCmd(GetSelection()->children));
    ClearSelection();
    return done;
}

bool GCanvas::ClearAll() {
    SetCurrent(nullptr);
    ClearSelection();
    // The commands refer to the objects destroyed below.
    if (commands)
        commands->Clear();
    DeleteChildren();
    ++objectsGeneration;
    return true;
}

} // namespace oonedraw
