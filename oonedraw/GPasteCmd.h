#pragma once

#include "oonedraw/GCommand.h"
#include "oonedraw/GObject.h"

#include <vector>

namespace oonedraw {

class GCanvas;

// Places clones of the clipboard's objects on the canvas, shifted right and down so that they
// do not hide the originals, and selects them. Undo hides the clones; executing again shows
// the same clones.
class GPasteCmd : public GCommand {
public:
    static constexpr double kOffset = 16;

    GPasteCmd(GCanvas* canvas_, std::vector<GObject*> objects_)
        : canvas(canvas_), objects(std::move(objects_)) {}
    bool Execute() override;
    bool Undo() override;

    GCanvas* canvas = nullptr;
    // The clipboard's objects. Only the first execution reads them; it then forgets them, as a
    // later copy replaces the clipboard.
    std::vector<GObject*> objects;
    std::vector<GObject*> pasted; // owned by the canvas once placed

private:
    bool placeClones();
    void repaintPasted() const;
};

} // namespace oonedraw
