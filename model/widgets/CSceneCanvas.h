#pragma once
// The page canvas of the editing view: a framework canvas that paints into whatever drawing
// context the view hands it before each paint.

#include "oonedraw/GCanvas.h"

namespace zorv {

class CSceneCanvas : public oonedraw::GCanvas {
public:
    ~CSceneCanvas() override;
    // Paints into `context` from now on; an empty argument keeps the present context.
    void SetDrawingContext(oonedraw::GDrawContext* context) {
        if (context)
            dc = context;
    }
};

} // namespace zorv
