#pragma once
// The panel's display as an SVG element: black runs of pixels on white, each pixel a square of
// `scale`, never smoothed; for pages that must travel inside one HTML file.

#include <string>

#include "panel/PanelPicture.h"

namespace zorv::panel {

std::string pictureSvg(const PanelPicture& picture, int scale, const std::string& title);

} // namespace zorv::panel
