#pragma once
// Where the 192 x 64 display lies on the page canvas: its top-left pixel at (290, 55), two
// canvas units per display pixel both ways.

#include <cstdint>

#include "oonedraw/GObject.h"

namespace zorv {

constexpr int32_t kDisplayLeft = 290;
constexpr int32_t kDisplayTop = 55;
constexpr int32_t kUnitsPerPixel = 2;
constexpr int32_t kDisplayWidth = 192;
constexpr int32_t kDisplayHeight = 64;

struct DisplayPoint {
    uint16_t x = 0;
    uint16_t y = 0;
    bool operator==(const DisplayPoint&) const = default;
};

// The canvas point that shows the display pixel (x, y).
oonedraw::GPoint canvasPointOf(uint16_t x, uint16_t y);
// The display pixel under a canvas point: (canvas - origin) / 2, kept on the display so that a
// widget dragged past an edge never stores a wrapped-around position.
DisplayPoint displayPointOf(oonedraw::GPoint canvasPoint);
// A canvas length in display pixels, kept within 0..limit.
uint16_t displayLengthOf(double canvasUnits, int32_t limit);

// Moves a rectangle object so that its top-left corner lies at `topLeft`, keeping its size; an
// object without its four points gets them, all at `topLeft`, for its fitting to spread.
void placeTopLeft(oonedraw::GObject& object, oonedraw::GPoint topLeft);

} // namespace zorv
