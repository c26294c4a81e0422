#include "model/widgets/CanvasPlacement.h"

#include <algorithm>

namespace zorv {

oonedraw::GPoint canvasPointOf(uint16_t x, uint16_t y) {
    return {double(kDisplayLeft + kUnitsPerPixel * x), double(kDisplayTop + kUnitsPerPixel * y)};
}

namespace {

uint16_t pixelOf(double canvas, int32_t origin, int32_t count) {
    const int32_t pixel = (int32_t(canvas) - origin) / kUnitsPerPixel;
    return uint16_t(std::clamp(pixel, 0, count - 1));
}

} // namespace

DisplayPoint displayPointOf(oonedraw::GPoint p) {
    return {pixelOf(p.x, kDisplayLeft, kDisplayWidth), pixelOf(p.y, kDisplayTop, kDisplayHeight)};
}

uint16_t displayLengthOf(double canvasUnits, int32_t limit) {
    return uint16_t(std::clamp(int32_t(canvasUnits) / kUnitsPerPixel, 0, limit));
}

void placeTopLeft(oonedraw::GObject& object, oonedraw::GPoint topLeft) {
    if (object.points.size() != 4) {
        object.points.assign(4, topLeft);
        return;
    }
    oonedraw::GPoint old;
    object.TopLeft(old);
    for (oonedraw::GPoint& p : object.points) {
        p.x += topLeft.x - old.x;
        p.y += topLeft.y - old.y;
    }
}

} // namespace zorv
