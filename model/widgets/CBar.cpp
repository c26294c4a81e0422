#include "model/widgets/CBar.h"

#include "model/records/BarRecord.h"
#include "model/widgets/WidgetColours.h"
#include "oonedraw/GCanvas.h"

namespace zorv {

namespace {

constexpr int32_t kTick = 3;

} // namespace

CBar::CBar() : CChartWidget("Bar", 32, 96, colour::kWhite) {}

// Up and Down keep a tick column of 3 units at the left, Left and Right a tick row of 3 units
// at the bottom; the grey part is the third at the bar's base.
void CBar::DrawShape() {
    if (!canvas || !canvas->dc || points.size() < 4)
        return;
    oonedraw::GDrawContext& dc = *canvas->dc;
    const ChartFrame f = Frame();
    const int32_t w = f.w(), h = f.h();
    const bool horizontal = direction == BarRecord::Left || direction == BarRecord::Right;
    if (!horizontal) {
        dc.Rectangle({f.x0 + kTick, f.y0, f.x1, f.y1});
        if (direction == BarRecord::Down)
            dc.FillRect({f.x0 + kTick, f.y0, f.x1, f.y1 - 2 * h / 3}, colour::kGrey);
        else
            dc.FillRect({f.x0 + kTick, f.y0 + 2 * h / 3, f.x1, f.y1}, colour::kGrey);
        for (int32_t y : {f.y0, f.y0 + h / 4, f.y0 + h / 2, f.y0 + 3 * h / 4, f.y1})
            dc.Line(f.x0, y, f.x0 + kTick, y);
        return;
    }
    dc.Rectangle({f.x0, f.y0, f.x1, f.y1 - kTick});
    if (direction == BarRecord::Left)
        dc.FillRect({f.x0 + 2 * w / 3, f.y0, f.x1, f.y1 - kTick}, colour::kGrey);
    else
        dc.FillRect({f.x0, f.y0, f.x1 - 2 * w / 3, f.y1 - kTick}, colour::kGrey);
    for (int32_t x : {f.x0, f.x0 + w / 4, f.x0 + w / 2, f.x0 + 3 * w / 4, f.x1})
        dc.Line(x, f.y1 - kTick, x, f.y1);
}

} // namespace zorv
