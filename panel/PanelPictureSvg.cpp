#include "panel/PanelPictureSvg.h"

#include <algorithm>

namespace zorv::panel {

std::string pictureSvg(const PanelPicture& picture, int scale, const std::string& title) {
    const int w = kWidth, h = kHeight;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(w * scale) + "\" height=\"" + std::to_string(h * scale) +
                      "\" viewBox=\"0 0 " + std::to_string(w) + " " + std::to_string(h) +
                      "\" shape-rendering=\"crispEdges\" role=\"img\"><title>" + title +
                      "</title><rect width=\"" + std::to_string(w) + "\" height=\"" +
                      std::to_string(h) + "\" fill=\"#fff\"/><path fill=\"#000\" d=\"";
    // One rectangle per horizontal run of ink.
    for (int y = 0; y < h; ++y) {
        const auto row = picture.row(y);
        for (auto at = std::find(row.begin(), row.end(), 1); at != row.end();) {
            const auto end = std::find(at, row.end(), 0);
            svg += "M" + std::to_string(at - row.begin()) + " " + std::to_string(y) + "h" +
                   std::to_string(end - at) + "v1h-" + std::to_string(end - at) + "z";
            at = std::find(end, row.end(), 1);
        }
    }
    return svg + "\"/></svg>";
}

} // namespace zorv::panel
