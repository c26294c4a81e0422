#pragma once
// A user character as a picture: ink black on white, each pixel `scale` screen pixels wide.

#include <QImage>

#include "oonedraw/LibraryCopy.h"

namespace zorv::fontmaker {

QImage glyphImage(const oonedraw::GlyphRows& rows, int scale);

} // namespace zorv::fontmaker
