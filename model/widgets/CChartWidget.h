#pragma once
// What bars and trends share: a rectangle of a size in canvas units that the record sets
// (display pixels times 2), and the integer corners their drawings are built on.

#include <cstdint>
#include <string_view>

#include "oonedraw/GRectangle.h"

namespace zorv {

// The truncated corners of a rectangle object: (x0, y0) top-left, (x1, y1) bottom-right.
struct ChartFrame {
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int32_t w() const { return x1 - x0; }
    int32_t h() const { return y1 - y0; }
};

class CChartWidget : public oonedraw::GRectangle {
public:
    // The bounding points become the top-left corner plus (width, height).
    void FitToContent() override;
    void SetSize(int32_t w, int32_t h);

    int32_t width = 0;
    int32_t height = 0;

protected:
    CChartWidget(std::string_view typeName, int32_t w, int32_t h, uint32_t fill);
    ChartFrame Frame() const;
};

} // namespace zorv
