#include "model/widgets/CChartWidget.h"

namespace zorv {

CChartWidget::CChartWidget(std::string_view typeName, int32_t w, int32_t h, uint32_t fill)
    : width(w), height(h) {
    name = typeName;
    brush.colour = fill;
}

void CChartWidget::FitToContent() {
    if (points.size() != 4)
        return;
    oonedraw::GPoint topLeft;
    TopLeft(topLeft);
    const double right = topLeft.x + width, bottom = topLeft.y + height;
    points = {topLeft, {topLeft.x, bottom}, {right, bottom}, {right, topLeft.y}};
}

void CChartWidget::SetSize(int32_t w, int32_t h) {
    width = w;
    height = h;
    FitToContent();
}

ChartFrame CChartWidget::Frame() const {
    if (points.size() < 4)
        return {};
    return {int32_t(points[0].x), int32_t(points[0].y), int32_t(points[2].x), int32_t(points[2].y)};
}

} // namespace zorv
