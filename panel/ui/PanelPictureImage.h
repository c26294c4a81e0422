#pragma once
// The panel's display as a Qt image: black ink on white, each pixel a square of `scale` pixels,
// never smoothed.

#include <QImage>

#include "panel/PanelPicture.h"

namespace zorv::panel {

QImage pictureImage(const PanelPicture& picture, int scale);

} // namespace zorv::panel
