#pragma once
// A canvas painted into an offscreen picture, objects and selection handles.

#include <QImage>
#include <QRect>

#include "oonedraw/GCanvas.h"

namespace zorv {

// The canvas area on white, in a format that inverting and exclusive-or drawing work on.
QImage paintCanvas(oonedraw::GCanvas& canvas, const QRect& area);

} // namespace zorv
