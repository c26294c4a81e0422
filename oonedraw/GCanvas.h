#pragma once

#include "oonedraw/GCommandStack.h"
#include "oonedraw/GDrawContext.h"
#include "oonedraw/GGlyphSource.h"
#include "oonedraw/GSelection.h"

#include <memory>
#include <vector>

namespace oonedraw {

// The window whose area is repainted when objects change.
class GWindow {
public:
    virtual ~GWindow() = default;
    virtual void InvalidateArea(const GIntRect& area) = 0;
    // Drawing context of the client area, for the tools' drag feedback; none by default.
    virtual GDrawContext* ClientContext() { return nullptr; }
};

enum GSelectMode : int32_t { kSelectAdd = 1, kSelectReplace = 2 };

class GCanvas : public GObject {
public:
    GCanvas();
    ~GCanvas() override;
    void Draw() override;

    bool Select(GObject* object, int32_t mode);
    void Unselect(GObject* object);
    void ClearSelection();
    void SetCurrent(GObject* object);
    GObject* GetCurrent() const { return current; }
    GSelection* GetSelection();
    void Invalidate(const GRect& area);
    GCommandStack* GetCommands();
    virtual bool CopySelection();
    virtual bool CutSelection();
    virtual bool Paste();
    virtual bool DeleteSelection();
    virtual bool ClearAll();

    GDrawContext* dc = nullptr;
    GWindow* window = nullptr;
    GGlyphSource* glyphs = nullptr; // library characters of text objects; none draws no codes
    double originX = 0;
    double originY = 0;
    // Counts the times the canvas destroyed its objects, so that a gesture begun before can
    // tell that the objects it holds are gone.
    uint32_t objectsGeneration = 0;
    // Copies of objects for pasting; they belong to no page and outlive ClearAll.
    std::vector<std::unique_ptr<GObject>> clipboard;

private:
    std::unique_ptr<GSelection> selection;
    std::unique_ptr<GCommandStack> commands;
    GObject* current = nullptr;
};

} // namespace oonedraw
