#include "model/widgets/CTrend.h"

#include "model/widgets/WidgetColours.h"
#include "oonedraw/GCanvas.h"

#include <array>

namespace zorv {

namespace {

constexpr int32_t kTick = 2;

} // namespace

CTrend::CTrend() : CChartWidget("Trend", 192, 96, colour::kGrey) {}

void CTrend::DrawShape() {
    if (!canvas || !canvas->dc || points.size() < 4)
        return;
    oonedraw::GDrawContext& dc = *canvas->dc;
    const ChartFrame f = Frame();
    const int32_t w = f.w(), h = f.h();
    const int32_t axisX = f.x0 + kTick;
    dc.FillRect({axisX, f.y0, f.x1, f.y1 + 1}, brush.colour);
    dc.Line(axisX, f.y0, axisX, f.y1);
    dc.Line(axisX, f.y1, f.x1, f.y1);
    for (int32_t y : {f.y0, f.y0 + h / 4, f.y0 + h / 2, f.y0 + 3 * h / 4, f.y1})
        dc.Line(f.x0, y, axisX, y);
    struct Vertex {
        int32_t x, y;
    };
    const std::array<Vertex, 5> curve = {{{axisX, f.y1},
                                          {axisX + w / 4, f.y0 + h / 4},
                                          {axisX + w / 2, f.y0 + 2 * h / 3},
                                          {f.x0 + 3 * w / 4, f.y0},
                                          {f.x0 + w, f.y0 + h / 3}}};
    for (std::size_t i = 0; i + 1 < curve.size(); ++i)
        dc.Line(curve[i].x, curve[i].y, curve[i + 1].x, curve[i + 1].y);
}

} // namespace zorv
