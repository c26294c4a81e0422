#include "model/widgets/CSceneCanvas.h"

namespace zorv {

// The context belongs to the view; the canvas only lets go of it.
CSceneCanvas::~CSceneCanvas() {
    dc = nullptr;
}

} // namespace zorv
